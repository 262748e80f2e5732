#pragma once

// Wall panelling (28) and gable-wall panelling (29): boards laid side by side along
// the wall, each running from the floor to the top edge, on battens that run along
// the wall, held with clips. Both show one of three quantities, chosen by the
// PanellingOutput selection they share.
//
// Inputs as stored, in the user's unit:
//   28: wall length, wall height, board width
//   29: wall length, gable height at the apex, wall height at the eaves, board width
// Neither compute step is guarded: a division by zero or an overflow raises the
// French floating-point error; the checks below take the input-error path.

#include "calculators/building/finishing.h"

namespace tornavel::building {

// Values of PanellingOutput, by option button.
enum PanellingOutputIndex {
    PanellingBoards = 0,  // linear length of boards
    PanellingBattens = 1, // linear length of battens
    PanellingClips = 2,   // number of clips
};

// The "&&" check of 29: the wall height below the gable height (28 checks nothing
// there). The board width is the last input of both and is checked by "f=".
bool GablePanellingAccepts(double value, int index, const InputValues& closed, int unitScaleCode);

// "f=" of 28. Input error unless the wall is longer than one board is wide, and the
// board is wider than 0 and narrower than 100 cm; also when the battens would take
// more than MaxLoopSteps steps to count.
Outcome WallPanelling(const InputValues& inputs, int unitScaleCode, int output);

// "f=" of 29. Input error unless the gable height is greater than the board width and
// the board is wider than 0 and narrower than 100 cm; also when the boards or the
// battens would take more than MaxLoopSteps steps to count. A wall length of 0 raises
// the division-by-zero error when the boards are counted.
Outcome GablePanelling(const InputValues& inputs, int unitScaleCode, int output);

} // namespace tornavel::building
