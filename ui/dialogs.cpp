#include "dialogs.h"

void ShowOptions(HWND)
{
}

void ShowColourDialog(HWND)
{
}

void ShowAboutBox(HWND)
{
}

void ShowInternetOptions(HWND)
{
}
