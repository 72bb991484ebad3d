// The main window's size and frame: panels shown or hidden, caption and
// menu, the quick bar, always on top, dragging by the client area and the
// frame constraint while sizing.
#ifndef LUMO_WINDOW_LAYOUT_H
#define LUMO_WINDOW_LAYOUT_H

#include <windows.h>

#include "layout_geometry.h"

extern bool g_quickBarShrunk;

PanelFlags CurrentPanelFlags();
void LayOutWindow();
void ShowIconBar();
void ShowDisplayPanel();
void ApplyVolumeRule();
void ToggleCaptionAndMenu();
void ShrinkToQuickBar();
void RestoreFromQuickBar();
void ApplyAlwaysOnTop();
// Both points are client coordinates packed as in a mouse message.
void DragWindow(LPARAM movePoint, LPARAM pressPoint);
void ConstrainSizing(RECT *proposed);

#endif
