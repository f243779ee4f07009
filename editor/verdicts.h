#pragma once
// The live check of the pictures, on a worker thread so that drawing never
// waits for it. Every change starts a new check with a new generation and
// cancels the one running; an answer of an older generation is dropped, so
// the verdict, its marks and the suggestions on screen are always those of
// the picture as it stands (while a check runs, none is shown). The same
// thread then judges the pictures of the list whose verdict is not known.
#include <windows.h>

#include <string>
#include <vector>

#include "pictureverdict.h"

// Cancels the running check and starts one for the document as it stands.
void restartCheck();
// Cancels every check and waits for the threads to end (the window closes).
void stopChecks();

// The verdict of the selected picture as it stands, or null while unknown.
const PictureVerdict* shownVerdict();
// A picture's grade and verdict as its list line shows them, the two apart
// by a tab: "쉬움\t통과", "-\t실패", "...\t검사 중" while unknown.
std::string listVerdictText(int index);

// The worker's answers, taken by the main window (lParam owns each), which
// then tells the board and the list what to show. A verdict of an older
// generation is dropped: false. The list's answers give the lines they change.
bool takeVerdict(LPARAM answer);
void takeSuggestions(LPARAM answer);
std::vector<int> takeListVerdict(LPARAM answer);
void takeCheckDone(LPARAM run);

// Applies the suggestion selected in the suggestions list (Enter or a click,
// suggestionbox.h); true when it changed the picture's blocks.
bool applyChosenSuggestion();
