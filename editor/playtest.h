#pragma once
// "Play it": the game beside the editor, started in a scratch folder whose
// level file of the picture's size holds only the selected picture and whose
// records file asks for picture boards of that size, so the game deals it.

void playSelectedPicture();
