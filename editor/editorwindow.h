#pragma once
// The level editor's main window and the document it shows. The document
// changes only through the model's operations (editmodel.h), each followed
// by one of the calls below that shows the change.
#include <windows.h>

#include "editmodel.h"

// Messages the check's worker thread posts to the main window; lParam owns
// the result (see verdicts.h).
const UINT verdictMessage = WM_APP + 1;
const UINT suggestionsMessage = WM_APP + 2;
const UINT listVerdictMessage = WM_APP + 3;
const UINT checkDoneMessage = WM_APP + 4;

HWND editorWindow();
HINSTANCE editorInstance();
HWND editorControl(int id);

const EditDocument& editorDocument();
// The document for one of the model's operations.
EditDocument* changeDocument();

// Shows the whole document anew: the list, the board (the window fitted to
// its size), the name, the verdict and the title.
void documentChanged();
// The selected picture's blocks changed: its board, its list line, the
// verdict and the title.
void blocksChanged();
// Its name changed: its list line and the title.
void nameChanged();

// The window's title: the file's name, and a star while changes are unsaved.
void showTitle();
