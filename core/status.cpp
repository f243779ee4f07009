// The status panel's rules, in their order: the charge and the bar, the
// seconds, the hint icons on request, the hourglass, then the state change of
// a fresh board and the loss check.
#include "game.h"
#include "outward.h"

void statusUpdate()
{
    if (charge()) {
        drawTimeBar();
        game.barRequest = false;
    }
    drawSeconds();
    if (game.hintsRequest) {
        drawHintArea();
        game.hintsRequest = false;
    }
    drawHourglass();
    if (game.gameState == Starting)
        game.gameState = Waiting;
    if (game.timeLeft < 0)
        lossFlow();
}
