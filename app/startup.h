// Start-up behind the splash dialog, and the program's name and version.
#ifndef LUMO_STARTUP_H
#define LUMO_STARTUP_H

#include <windows.h>

extern const char kApplicationName[];
extern const char kVersionText[];
extern const unsigned short kBuildNumber;

// Shows the splash dialog and runs the start-up steps; true when all passed.
bool RunStartupSteps();

#endif
