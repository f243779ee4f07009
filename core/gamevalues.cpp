// The process's one set of game values. It stands in a file of its own so
// that the tools, which read the layout but play no game, link it without
// the rules.
#include "game.h"

Game game;
