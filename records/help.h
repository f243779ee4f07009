#pragma once
// The five-page help wizard and the About box, each run modally over the
// main window.

void runHelpSheet();
void runAboutBox();
