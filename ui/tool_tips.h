// Tool tips naming the buttons and bars of the main window.
#ifndef LUMO_TOOL_TIPS_H
#define LUMO_TOOL_TIPS_H

#include <windows.h>

// One tool per child window but statics; a message hook relays the mouse
// to the tool tip window. False when a part could not be made.
bool CreateToolTips(HWND window);
// TTN_NEEDTEXT: the localised name of the tool's control.
void FillToolTip(NMHDR *header);

#endif
