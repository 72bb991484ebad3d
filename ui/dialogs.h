// The option sheets and small dialogs of the menus: options, display
// colour, about box (ui/about_box.cpp), Internet options
// (ui/internet_options.cpp). The options and the colour dialog are not
// written yet: until then opening one does nothing.
#ifndef LUMO_DIALOGS_H
#define LUMO_DIALOGS_H

#include <windows.h>

void ShowOptions(HWND owner);
void ShowColourDialog(HWND owner);
void ShowAboutBox(HWND owner);
void ShowInternetOptions(HWND owner);

#endif
