#pragma once

namespace tornavel {

// Gives every window of the program its icon, from the pixels drawn when the program was
// built (tools/make_icon): nothing is decoded and no image plugin is loaded for it.
void SetProgramIcon();

} // namespace tornavel
