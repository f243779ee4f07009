#pragma once
// The live check of the pictures, on a worker thread so that drawing never
// waits for it. Every change starts a new check with a new generation and
// cancels the one running; an answer of an older generation is dropped, so
// the verdict, its marks and the suggestions on screen are always those of
// the picture as it stands (while a check runs, none is shown). The same
// thread then judges the pictures of the list whose verdict is not known.
#include <windows.h>

#include "pictureverdict.h"

// Cancels the running check and starts one for the document as it stands.
void restartCheck();
// Cancels every check and waits for the threads to end (the window closes).
void stopChecks();

// The verdict of the selected picture as it stands, or null while unknown.
const PictureVerdict* shownVerdict();
// A list line's verdict: known, and then whether it passes and its work.
struct ListVerdict {
    unsigned long long key = 0;  // the pictures it was judged with
    bool known = false;
    bool passes = false;
    int steps = -1;
};
ListVerdict listVerdictOf(int index);

// The worker's answers, taken by the main window (lParam owns each).
void takeVerdict(LPARAM answer);
void takeSuggestions(LPARAM answer);
void takeListVerdict(LPARAM answer);
void takeCheckDone(LPARAM run);

// Applies the suggestion selected in the suggestions list (Enter or a click, suggestionbox.h).
void applyChosenSuggestion();
