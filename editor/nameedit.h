#pragma once
// The name box of the selected picture. It takes Korean (the input method
// writes into it as into any box), holds at most the 19 bytes of CP949 a
// level file keeps and no control byte, and shows how many bytes are left.
// The name is given to the picture when the box loses the focus or Enter is
// pressed, as one undoable change.
#include <windows.h>

#include <string>

// Makes the box take Enter (the window is no dialog).
void holdNameBox(HWND box);
// The selected picture's name into the box.
void showSelectedName();
// The box's text changed: refused when too long or holding a control byte.
void nameTyped();
// Gives the typed name to the picture, unless it is already its name; a
// name the rules refuse stays in the box, with why beside it.
void commitName();
// The name the box holds that the picture could not take (UTF-8); "" when
// the box holds the picture's name or nothing but blanks.
std::string refusedName();
