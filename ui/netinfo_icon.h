// The network status icon in the lower right corner of the display, which
// follows the stages of a title lookup.
#ifndef LUMO_NETINFO_ICON_H
#define LUMO_NETINFO_ICON_H

// Icon 1 to 7 of the program's "NetinfoIcons" strip in the display colour;
// 0 (or any other number) leaves the place black.
void DrawNetinfoIcon(int icon);

#endif
