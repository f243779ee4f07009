#include "spritesheets.h"
#include "game.h"

int tileForCell(int cellState)
{
    switch (cellState) {
    case Checked: return checkedTile;
    case Broken: return brokenTile;
    default: return coveredTile;
    }
}
