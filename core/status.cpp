// The status panel's rules, in their order: the charge and the bar, the
// seconds, the hint icons on request, the hourglass, then the state change of
// a fresh board and the loss check.
#include "game.h"
#include "outward.h"

void statusUpdate()
{
    if (charge()) {
        drawTimeBar();
        barRequest = false;
    }
    drawSeconds();
    if (hintsRequest) {
        drawHintArea();
        hintsRequest = false;
    }
    drawHourglass();
    if (gameState == Starting)
        gameState = Waiting;
    if (timeLeft < 0)
        lossFlow();
}
