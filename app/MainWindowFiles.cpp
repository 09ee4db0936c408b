// The main window as the dialogs reach it.
#include "app/MainWindowFiles.h"

TMainWindowFiles* MainWindowFiles = nullptr;
