// Placeholder until the help wizard lands.
#include "help.h"

void runHelpSheet() {}
void runAboutBox() {}
