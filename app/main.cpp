// Entry point of the player.  Start-up, the main window and the message loop
// come next; until then the program starts and ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
