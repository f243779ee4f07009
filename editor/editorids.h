// Identifiers shared by the level editor's resource script and its program.
#pragma once

// Menu commands; the buttons beside the picture list send the same ones.
#define IDM_NEW10 200
#define IDM_NEW15 201
#define IDM_NEW20 202
#define IDM_OPEN 203
#define IDM_SAVE 204
#define IDM_SAVEAS 205
#define IDM_IMPORT 206
#define IDM_EXPORT 207
#define IDM_EXIT 208
#define IDM_NEWSAME 209
#define IDM_UNDO 210
#define IDM_REDO 211
#define IDM_ADD 212
#define IDM_DUPLICATE 213
#define IDM_DELETE 214
#define IDM_MOVEUP 215
#define IDM_MOVEDOWN 216
#define IDM_PLAY 220
#define IDM_HELP 230

// Controls of the main window
#define IDC_PICTURELIST 100
#define IDC_NAMELABEL 110
#define IDC_NAME 111
#define IDC_NAMELEFT 112
#define IDC_BOARD_WINDOW 120
#define IDC_VERDICT 130
#define IDC_SUGGESTLABEL 140
#define IDC_SUGGESTIONS 141

// The help page's text box
#define IDC_HELPTEXT 300

// The question when the file changed on disk since it was opened or saved
#define IDC_DISKCHANGETEXT 310
#define IDC_OVERWRITE 311
#define IDC_SAVEELSEWHERE 312
#define IDC_RELOAD 313
