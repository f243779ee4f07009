#pragma once
// The help sheet's pictures: HELP0, the game window with its parts ringed,
// and HELP1 ... HELP7, the steps of solving the example board.
#include "boardpaint.h"
#include "example.h"

// The example board's view: the game's board style without the status panel,
// 120 x 129 pixels, and the sheets it copies from: the game's, with clue
// strip bars of its own lengths.
Layout exampleView();
PictureSheets exampleSheets();

// The pictures without their rings and leader lines, and with them.
Canvas drawOverviewBoard();
Canvas drawHelpOverview();
Canvas drawStepBoard(int step);
Canvas drawHelpStep(int step);

// The coloured marks of HELP0, top to bottom.
const Rgb secondsMark{0, 0, 255};
const Rgb checkedMark{255, 96, 208};
const Rgb coveredMark{0, 176, 0};
const Rgb brokenMark{144, 0, 208};
const Rgb barMark{255, 216, 0};
const Rgb hintsMark{255, 0, 0};
// The marks of the step pictures.
const Rgb stepNumberMark{0, 0, 255};
const Rgb clueMark{255, 0, 0};

// Where the overview's board stands in play.
void overviewSolution(Grid& solution);
void overviewBoard(Grid& cells);
StatusView overviewStatus();
