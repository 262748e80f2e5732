#pragma once

namespace tornavel {

// Qt's own warnings about a failure that the program tells the user about itself, in
// French (no desktop program to open a help page or a web page with), are not printed
// on the error output; every other message goes on to the handler installed before.
void InstallQtMessageFilter();

} // namespace tornavel
