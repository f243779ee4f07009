// Identifiers shared by the resource script and the program.
#pragma once

// Menu commands
#define IDM_NEWGAME 510
#define IDM_BEGINNER 521
#define IDM_SKILLED 522
#define IDM_EXPERT 523
#define IDM_PICTURES 40001
#define IDM_RECORDS 528
#define IDM_EXIT 512
#define IDM_HOWTOPLAY 591
#define IDM_ABOUT 596

// Controls of the end-of-game and best-times dialogs
#define IDC_CONGRATS 601
#define IDC_PLAYERNAME 602
#define IDC_LEVELNAME 1000
#define IDC_SECONDS 1001
#define IDC_SCORE1 701
#define IDC_LNAME1 702
#define IDC_SCORE2 703
#define IDC_LNAME2 704
#define IDC_SCORE3 705
#define IDC_LNAME3 706
#define IDC_NAME1 707
#define IDC_NAME2 708
#define IDC_NAME3 709
#define IDC_RESET 777
