#include "desktop/app/app_globals.h"

int ActDate[3] = {0, 0, 0};
wxStatusBar* sb = nullptr;
int bUsingHelp = 0;
