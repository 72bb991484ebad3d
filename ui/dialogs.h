// The option sheets and small dialogs of the menus: options
// (ui/options_sheet.cpp, its Themes page in themes/themes_page.cpp),
// display colour (ui/colour_dialog.cpp), about box (ui/about_box.cpp),
// Internet options (ui/internet_options.cpp).
#ifndef LUMO_DIALOGS_H
#define LUMO_DIALOGS_H

#include <windows.h>

void ShowOptions(HWND owner);
void ShowColourDialog(HWND owner);
// Draws the swatch and the font sample of the colour dialog in that colour,
// and tints the shared display font with it.
void DrawColourPreview(HWND dialog, int red, int green, int blue);
void ShowAboutBox(HWND owner);
void ShowInternetOptions(HWND owner);

#endif
