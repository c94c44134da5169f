// State the views share, held by the main window's part of the program.
#pragma once

class wxStatusBar;

// The current date {year, month, day}: year and month choose the month every
// view and the printed page show; day is the selected day.
extern int ActDate[3];

// The frame's status line.
extern wxStatusBar* sb;

// The help viewer was opened on how to use help.
extern int bUsingHelp;
