// The platform font dialog for one of the cover's fonts.
#ifndef LUMO_COVER_FONT_CHOICE_H
#define LUMO_COVER_FONT_CHOICE_H

#include <windows.h>

// Opens the font dialog at `font` (whose height is in points) and, when
// the user confirms, replaces it with the choice, the height in whole
// points. The colour the dialog offers is not kept: covers print black.
bool ChooseCoverFont(HWND owner, LOGFONTA *font);
// "Arial, 18 points" into the control `id` of `dialog`.
void ShowFontDescription(HWND dialog, int id, const LOGFONTA &font);

#endif
