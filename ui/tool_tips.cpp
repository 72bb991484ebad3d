#include "tool_tips.h"

#include <commctrl.h>
#include <cstring>

#include "../app/child_controls.h"
#include "../app/settings.h"
#include "../app/text_values.h"
#include "../resources/resource.h"

namespace {

HWND g_toolTipWindow = NULL;
HWND g_owner = NULL;
HHOOK g_relayHook = NULL;

BOOL CALLBACK AddTool(HWND child, LPARAM)
{
    char className[16] = "";
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "STATIC") == 0)
        return TRUE;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = g_owner;
    tool.uId = UINT_PTR(child);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(g_toolTipWindow, TTM_ADDTOOLA, 0, LPARAM(&tool));
    return TRUE;
}

bool IsRelayedMouseMessage(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
           message == WM_RBUTTONDOWN || message == WM_RBUTTONUP;
}

LRESULT CALLBACK RelayMouseToToolTips(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && lParam != 0) {
        MSG *message = reinterpret_cast<MSG *>(lParam);
        if (IsRelayedMouseMessage(message->message) && message->hwnd != NULL && IsChild(g_owner, message->hwnd)) {
            MSG copy = *message;
            SendMessageA(g_toolTipWindow, TTM_RELAYEVENT, 0, LPARAM(&copy));
        }
    }
    return CallNextHookEx(g_relayHook, code, wParam, lParam);
}

int TipOfControl(HWND control)
{
    const struct {
        HWND control;
        int text;
    } tips[] = {
        {g_playButton, IDS_TIP_PLAY},           {g_stopButton, IDS_TIP_STOP},
        {g_trackUpButton, IDS_TIP_TRACK_UP},    {g_trackDownButton, IDS_TIP_TRACK_DOWN},
        {g_forwardButton, IDS_TIP_FORWARD},     {g_backwardsButton, IDS_TIP_BACKWARDS},
        {g_ejectButton, IDS_TIP_EJECT},         {g_titleContentButton, IDS_TIP_SHOW_TITLES},
        {g_timeContentButton, IDS_TIP_SHOW_TIME}, {g_elapsedButton, IDS_TIP_ELAPSED},
        {g_remainingButton, IDS_TIP_REMAINING}, {g_fromStartButton, IDS_TIP_FROM_START},
        {g_toEndButton, IDS_TIP_TO_END},        {g_noRepeatButton, IDS_TIP_NO_REPEAT},
        {g_repeatDiscButton, IDS_TIP_REPEAT_DISC}, {g_repeatTrackButton, IDS_TIP_REPEAT_TRACK},
        {g_randomButton, IDS_TIP_RANDOM},       {g_volumeBar, IDS_TIP_VOLUME},
        {g_mixerButton, IDS_TIP_MIXER},         {g_timeBar, IDS_TIP_TIME_BAR},
    };
    for (const auto &tip : tips) {
        if (tip.control == control)
            return tip.text;
    }
    return 0;
}

} // namespace

bool CreateToolTips(HWND window)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    g_owner = window;
    // Not owned by the main window: with an owned popup, Wine cannot make
    // the main window topmost (always on top, the quick bar). The tools
    // still name the main window, which gets their notifications.
    g_toolTipWindow = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, NULL, NULL, GetModuleHandleA(NULL), NULL);
    if (g_toolTipWindow == NULL)
        return false;
    if (!EnumChildWindows(window, AddTool, 0))
        return false;
    g_relayHook = SetWindowsHookExA(WH_GETMESSAGE, RelayMouseToToolTips, NULL, GetCurrentThreadId());
    return g_relayHook != NULL;
}

void FillToolTip(NMHDR *header)
{
    NMTTDISPINFOA *info = reinterpret_cast<NMTTDISPINFOA *>(header);
    info->szText[0] = '\0';
    info->lpszText = info->szText;
    int text = TipOfControl(HWND(header->idFrom));
    if (text == 0)
        return;
    char tip[256];
    LoadLocalString(tip, text);
    CopyText(info->szText, sizeof(info->szText), tip);
}
