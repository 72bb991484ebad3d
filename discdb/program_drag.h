// Dragging a track from the program editor's list of the disc's tracks into
// its program list: an image-list drag owned by the dialog, which holds the
// mouse capture until the button is released.
#ifndef LUMO_PROGRAM_DRAG_H
#define LUMO_PROGRAM_DRAG_H

#include <windows.h>
#include <commctrl.h>

// LVN_BEGINDRAG from the list view.
void BeginTrackDrag(HWND dialog, const NMLISTVIEW *info);
// WM_MOUSEMOVE of the dialog (client coordinates): the program line under
// the mouse is selected to show where the track would go.
void MoveTrackDrag(HWND dialog, POINT mouse);
// WM_LBUTTONUP of the dialog: ends the drag and, over the program list,
// inserts the track before the line under the mouse, or appends it below
// the last line. True when a track was dropped.
bool DropTrack(HWND dialog, POINT mouse);
// Ends a drag without dropping (capture lost, dialog closing).
void CancelTrackDrag(HWND dialog);

#endif
