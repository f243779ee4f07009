#pragma once
// The full paint of the main window (WM_PAINT). repaintBlock, the repaint of
// one changed block, and the status panel's pictures are declared in
// outward.h.

void paintBoard();

// Board edge to draw and lay out: the game's size, or 10 for a size that has
// no layout.
int paintedSize();

// Deletes the picture the full paint keeps (shutDown).
void releaseKeptPicture();
