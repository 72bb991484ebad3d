// Check marks and radio marks of the main menu, kept in step with the
// settings and modes whether or not the menu is attached.
#ifndef LUMO_MENU_MARKS_H
#define LUMO_MENU_MARKS_H

#include <windows.h>

extern HMENU g_mainMenu;  // "Menu" or "Menu_English", attached or not

void SetMenuCheck(UINT id, bool checked);
void SetMenuRadioGroup(UINT first, UINT last, UINT chosen);
void SetInitialMenuMarks();
// Item 156 checked and items 155, 157, 158 enabled exactly when Netinfo is on.
void ApplyNetinfoToMenu();

#endif
