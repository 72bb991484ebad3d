#include "dialogs.h"

void ShowOptions(HWND)
{
}

void ShowColourDialog(HWND)
{
}

