#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <vector>

#include <netinfo.h>

#include "../app/settings.h"
#include "../app/startup.h"
#include "../app/text_values.h"
#include "../resources/resource.h"
#include "dialogs.h"

namespace {

// The library's own default, shown while the file names no page.
const char kDefaultUpdatePage[] = "http://www.lumo.example/quickupdate.html";
const int kServersSectionSize = 16384;
const DWORD kServerHelpContext = 1043;
const DWORD kServerKeyHelpContext = 1042;

void NetinfoPath(char *path, size_t size)
{
    snprintf(path, size, "%sNETINFO.LMD", g_programDir);
}

void ShowPort(HWND page, int port)
{
    char text[32];
    snprintf(text, sizeof(text), "Port: %i", port);
    SetDlgItemTextA(page, IDC_NET_PORT, text);
}

// The servers of [Servers], each with its port as the entry's data.
void FillServerList(HWND page)
{
    HWND list = GetDlgItem(page, IDC_NET_SERVERS);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    char path[MAX_PATH + 16];
    NetinfoPath(path, sizeof(path));
    std::vector<char> section(kServersSectionSize);
    DWORD length = GetPrivateProfileSectionA("Servers", section.data(), DWORD(section.size()), path);
    for (const char *entry = section.data(); entry < section.data() + length && *entry != '\0';
         entry += strlen(entry) + 1) {
        const char *equals = strchr(entry, '=');
        if (equals == NULL || equals == entry)
            continue;
        char host[256];
        snprintf(host, sizeof(host), "%.*s", int(equals - entry), entry);
        LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, LPARAM(host));
        if (index >= 0)
            SendMessageA(list, CB_SETITEMDATA, WPARAM(index), LPARAM(DecimalTextValue(equals + 1)));
    }
}

// The first entry, in sorted order, that begins with the stored server.
void SelectStoredServer(HWND page)
{
    char path[MAX_PATH + 16], server[256];
    NetinfoPath(path, sizeof(path));
    GetPrivateProfileStringA("Selected", "Server", "", server, sizeof(server), path);
    HWND list = GetDlgItem(page, IDC_NET_SERVERS);
    LRESULT index = SendMessageA(list, CB_FINDSTRING, WPARAM(-1), LPARAM(server));
    if (server[0] == '\0' || index == CB_ERR)
        return;
    SendMessageA(list, CB_SETCURSEL, WPARAM(index), 0);
    ShowPort(page, int(SendMessageA(list, CB_GETITEMDATA, WPARAM(index), 0)));
}

void OpenServerPage(HWND page)
{
    CheckDlgButton(page, IDC_NET_STORE, g_settings.netinfoStore ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_NET_LOG, g_settings.netinfoLog ? BST_CHECKED : BST_UNCHECKED);
    FillServerList(page);
    SelectStoredServer(page);
}

void SearchForSites(HWND page)
{
    HCURSOR old = SetCursor(LoadCursorA(NULL, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    int found = SearchNetinfoSites(g_programDir, g_settings.netinfoLog);
    if (found) {
        FillServerList(page);
        SelectStoredServer(page);
    }
    SetCursor(old);
    if (!found) {
        char text[256];
        LoadLocalString(text, IDS_SITES_SEARCH_FAILED);
        MessageBoxA(page, text, kApplicationName, MB_OK | MB_ICONWARNING);
    }
}

void AcceptServerPage(HWND page)
{
    g_settings.netinfoStore = IsDlgButtonChecked(page, IDC_NET_STORE) == BST_CHECKED;
    g_settings.netinfoLog = IsDlgButtonChecked(page, IDC_NET_LOG) == BST_CHECKED;
    HWND list = GetDlgItem(page, IDC_NET_SERVERS);
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    char server[256] = "", port[16], path[MAX_PATH + 16];
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR || size_t(length) >= sizeof(server))
        return;
    SendMessageA(list, CB_GETLBTEXT, WPARAM(index), LPARAM(server));
    snprintf(port, sizeof(port), "%i", int(SendMessageA(list, CB_GETITEMDATA, WPARAM(index), 0)));
    NetinfoPath(path, sizeof(path));
    WritePrivateProfileStringA("Selected", "Server", server, path);
    WritePrivateProfileStringA("Selected", "Port", port, path);
}

void OpenHelp(HWND page, DWORD context)
{
    WinHelpA(page, g_helpPath, HELP_CONTEXTPOPUP, context);
}

INT_PTR CALLBACK ServerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OpenServerPage(page); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_NET_SEARCH && HIWORD(wParam) == BN_CLICKED)
            SearchForSites(page);
        else if (LOWORD(wParam) == IDC_NET_SERVERS && HIWORD(wParam) == CBN_SELCHANGE) {
            HWND list = GetDlgItem(page, IDC_NET_SERVERS);
            LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
            if (index != CB_ERR)
                ShowPort(page, int(SendMessageA(list, CB_GETITEMDATA, WPARAM(index), 0)));
        }
        return TRUE;
    case WM_HELP: OpenHelp(page, kServerKeyHelpContext); return TRUE;
    case WM_NOTIFY: {
        const NMHDR *header = reinterpret_cast<const NMHDR *>(lParam);
        if (header->code == PSN_APPLY)
            AcceptServerPage(page);
        else if (header->code == PSN_HELP)
            OpenHelp(page, kServerHelpContext);
        return TRUE;
    }
    default: return FALSE;
    }
}

void OpenQuickUpdatePage(HWND page)
{
    char path[MAX_PATH + 16], text[512], format[256];
    NetinfoPath(path, sizeof(path));
    GetPrivateProfileStringA("QuickUpdate", "Page", "", text, sizeof(text), path);
    SetDlgItemTextA(page, IDC_QU_PAGE, text[0] != '\0' ? text : kDefaultUpdatePage);
    char last[128];
    GetPrivateProfileStringA("QuickUpdate", "Last", "-", last, sizeof(last), path);
    if (strcmp(last, "-") != 0) {
        LoadLocalString(format, IDS_QUICK_UPDATE_LAST);
        snprintf(text, sizeof(text), format, last);
    } else {
        LoadLocalString(text, IDS_QUICK_UPDATE_NEVER);
    }
    SetDlgItemTextA(page, IDC_QU_STATUS, text);
    int verify = int(GetPrivateProfileIntA("QuickUpdate", "Verify", 1, path));
    if (verify < 0 || verify > 2)
        verify = 1;
    CheckRadioButton(page, IDC_QU_NEVER, IDC_QU_EVERY_TIME, IDC_QU_NEVER + verify);
    char when[8];
    GetPrivateProfileStringA("QuickUpdate", "WhenNetinfo", "O", when, sizeof(when), path);
    CheckDlgButton(page, IDC_QU_WHEN_NETINFO, strcmp(when, "O") == 0 ? BST_CHECKED : BST_UNCHECKED);
}

void AcceptQuickUpdatePage(HWND page)
{
    char path[MAX_PATH + 16], address[512], verify[4] = "1";
    NetinfoPath(path, sizeof(path));
    GetDlgItemTextA(page, IDC_QU_PAGE, address, sizeof(address));
    // The address goes into the file on one line.
    for (char *c = address; *c != '\0'; ++c) {
        if (static_cast<unsigned char>(*c) < ' ')
            *c = ' ';
    }
    WritePrivateProfileStringA("QuickUpdate", "Page", address, path);
    for (int i = 0; i < 3; ++i) {
        if (IsDlgButtonChecked(page, IDC_QU_NEVER + i) == BST_CHECKED)
            snprintf(verify, sizeof(verify), "%i", i);
    }
    WritePrivateProfileStringA("QuickUpdate", "Verify", verify, path);
    WritePrivateProfileStringA("QuickUpdate", "WhenNetinfo",
                               IsDlgButtonChecked(page, IDC_QU_WHEN_NETINFO) == BST_CHECKED ? "O" : "N", path);
}

INT_PTR CALLBACK QuickUpdatePageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OpenQuickUpdatePage(page); return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->code == PSN_APPLY)
            AcceptQuickUpdatePage(page);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK AboutPageProc(HWND page, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(page, 1);
        return TRUE;
    }
    return FALSE;
}

PROPSHEETPAGEA Page(const char *templateName, char *nameBuffer, size_t size, DLGPROC procedure)
{
    LocalTemplateName(nameBuffer, size, templateName);
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_HASHELP;
    page.hInstance = GetModuleHandleA(NULL);
    page.pszTemplate = nameBuffer;
    page.pfnDlgProc = procedure;
    return page;
}

} // namespace

void ShowInternetOptions(HWND owner)
{
    char serverName[32], updateName[32], aboutName[32], caption[256];
    PROPSHEETPAGEA pages[] = {
        Page("NETINFO", serverName, sizeof(serverName), ServerPageProc),
        Page("QUPDATE", updateName, sizeof(updateName), QuickUpdatePageProc),
        Page("ABOUTNETINFO", aboutName, sizeof(aboutName), AboutPageProc),
    };
    LoadLocalString(caption, IDS_INTERNET_OPTIONS);
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof(sheet);
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOAPPLYNOW;
    sheet.hwndParent = owner;
    sheet.hInstance = GetModuleHandleA(NULL);
    sheet.pszCaption = caption;
    sheet.nPages = sizeof(pages) / sizeof(pages[0]);
    sheet.ppsp = pages;
    PropertySheetA(&sheet);
}
