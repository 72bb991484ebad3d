// The program's resources as Windows finds them: this program links the
// same scripts and pictures as lumo and loads each resource the way the
// player does, by the names and ids the player uses.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

#include "resource.h"

namespace {

// The ids are written out rather than taken from resource.h, so a wrong
// number there shows up here.
struct Strings {
    UINT id;
    const char *french;
    const char *english;
};

const Strings kStrings[] = {
    {5, "Nom de la piste %u", "Title of track %u"},
    {6, "Voulez-vous vraiment effacer enti\xe8rement votre programmation ?",
     "Do you really want to clear your play list ?"},
    {16,
     "Pour s'ex\xe9" "cuter, Lumo a besoin du fichier de th\xe8me d'affichage \"Default.LTH\".\nCe fichier doit \xeatre pr\xe9sent dans le r\xe9pertoire %s.",
     "Lumo can't run without the display theme \"Default.lth\" file.\nThis file must be present in the %s directory."},
    {17,
     "Lumo n'arrive pas \xe0 trouver le fichier de th\xe8me %s. Pour fonctionner, ce fichier doit se trouver dans le r\xe9pertoire %s.",
     "Lumo can't find the display theme file %s. In order to run properly, this file must present in the %s directory."},
    {18,
     "Le fichier de theme d'affichage \"%s\" se trouvant dans le r\xe9partoire %s n'a pu \xeatre ouvert correctement. Il est recommend\xe9 de se procurer une nouvelle version de ce fichier.",
     "Lumo can't open properly the display theme \"%s\" located in the %s directory. Please get a valid image of this file."},
    {20, "Lecteur de CD-ROM %i - Lecteur %c:", "CD-ROM Drive %i - Drive %c:"},
    {21,
     "Aucun lecteur de CD-ROM n'a \xe9t\xe9 d\xe9tect\xe9 sur votre syst\xe8me, or Lumo requiert un lecteur pour fonctionner.",
     "No CD-ROM Drive has been detected on your system. Please get a CD-ROM drive in order to run Lumo."},
    {24, "Copyright \xa9 1999 l'\xe9quipe Lumo. Tous droits r\xe9serv\xe9s.",
     "Copyright \xa9 1999 the Lumo team. All rights reserved."},
    {25, "Bienvenue dans Lumo", "Welcome to Lumo"},
    {26, "Informations r\xe9pertoire", "Directory information"},
    {27, "Informations sur la migration", "Migration information"},
    {28, "R\xe9" "cup\xe9ration des pr\xe9" "f\xe9rences", "Loading previous settings"},
    {29, "Initialisation des variables", "Variables initialization"},
    {30, "D\xe9tection du lecteur de CD-ROM", "CD-ROM drive detection"},
    {31, "Recherche du th\xe8me d'affichage par defaut", "Requesting for the default display theme"},
    {34,
     "Le lecteur %c sp\xe9" "cifi\xe9 dans le fichier de configuration d'Lumo n'est pas un lecteur de CD-ROM.\nLumo va automatiquement choisir un autre lecteur.",
     "The drive %c specified in the Lumo configuration file is not a valid CD-ROM drive.\nLumo will automatically select another drive."},
};

HINSTANCE Module() { return GetModuleHandleA(NULL); }

// As the player's loader: at most 255 characters.
std::string Load(UINT id)
{
    char text[256] = {0};
    const int n = LoadStringA(Module(), id, text, 255);
    return std::string(text, n > 0 ? size_t(n) : 0);
}

std::wstring Widen1252(const char *text)
{
    wchar_t wide[512] = {0};
    const int n = MultiByteToWideChar(1252, 0, text, -1, wide, 512);
    return std::wstring(wide, n > 0 ? size_t(n - 1) : 0);
}

TEST(Strings, EveryIdHoldsItsFrenchAndEnglishText)
{
    ASSERT_EQ(IDS_ENGLISH, 100);
    for (const Strings &s : kStrings) {
        SCOPED_TRACE(s.id);
        // Stored as the Windows-1252 text says, whatever the code page of
        // the machine the test runs on...
        wchar_t wide[512] = {0};
        const int n = LoadStringW(Module(), s.id, wide, 512);
        EXPECT_EQ(std::wstring(wide, n > 0 ? size_t(n) : 0), Widen1252(s.french));
        const int m = LoadStringW(Module(), s.id + 100, wide, 512);
        EXPECT_EQ(std::wstring(wide, m > 0 ? size_t(m) : 0), Widen1252(s.english));
        // ...and as the player reads it, which needs the text to fit its
        // 255-character buffer.
        EXPECT_LT(strlen(s.french), 256u);
        EXPECT_LT(strlen(s.english), 256u);
        if (GetACP() == 1252) {
            EXPECT_EQ(Load(s.id), s.french);
            EXPECT_EQ(Load(s.id + 100), s.english);
        }
    }
}

// Every resource is language-neutral, so neither the system's nor the
// thread's language hides one.
TEST(Strings, AreFoundWhateverTheUserLanguage)
{
    const LANGID kLanguages[] = {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH),
                                 MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH_BELGIAN),
                                 MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                 MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)};
    const LANGID before = GetThreadUILanguage();
    const LCID locale = GetThreadLocale();
    for (LANGID language : kLanguages) {
        SCOPED_TRACE(language);
        SetThreadUILanguage(language);
        SetThreadLocale(MAKELCID(language, SORT_DEFAULT));
        EXPECT_EQ(Load(25), "Bienvenue dans Lumo");
        EXPECT_EQ(Load(125), "Welcome to Lumo");
        EXPECT_NE(FindResourceA(Module(), IDD_SPLASH, RT_DIALOG), nullptr);
        EXPECT_NE(FindResourceA(Module(), IDB_SPLASH, RT_BITMAP), nullptr);
        EXPECT_NE(FindResourceA(Module(), IDR_MENU, RT_MENU), nullptr);
        EXPECT_NE(FindResourceA(Module(), IDR_MENU_ENGLISH, RT_MENU), nullptr);
    }
    SetThreadUILanguage(before);
    SetThreadLocale(locale);
}

// The pixels of a bitmap of `width` x `height` as Windows decodes it, top
// row first; empty when it cannot be read.
std::vector<DWORD> BitmapPixels(const char *name, int width, int height)
{
    HBITMAP bitmap = LoadBitmapA(Module(), name);
    if (bitmap == nullptr)
        return {};
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(size_t(width) * size_t(height));
    HDC screen = GetDC(NULL);
    const int rows = GetDIBits(screen, bitmap, 0, UINT(height), pixels.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    DeleteObject(bitmap);
    if (rows != height)
        pixels.clear();
    return pixels;
}

// ------------------------------------------------------------------ splash

TEST(Splash, PictureIs400By200)
{
    HBITMAP bitmap = LoadBitmapA(Module(), IDB_SPLASH);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ASSERT_NE(GetObjectA(bitmap, sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 400);
    EXPECT_EQ(info.bmHeight, 200);
    DeleteObject(bitmap);
}

// The program paints the step text on an opaque cell of RGB(8,8,90) at
// y 140 and its white notice at y 175: the picture must be that very colour
// behind the one and dark behind the other, across the whole width.
TEST(Splash, PictureIsCalmWhereTheTextsGo)
{
    std::vector<DWORD> pixels = BitmapPixels(IDB_SPLASH, 400, 200);
    ASSERT_EQ(pixels.size(), 400u * 200u);

    for (int y = 134; y < 162; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_EQ(pixels[y * 400 + x] & 0xFFFFFF, 0x08085Au) << "step text band at " << x << ", " << y;
    for (int y = 170; y < 196; ++y) {
        for (int x = 0; x < 400; ++x) {
            const DWORD p = pixels[y * 400 + x];
            ASSERT_LE(GetRValue(p) + GetGValue(p) + GetBValue(p), 3 * 0x60)
                << "white notice must stay readable at " << x << ", " << y;
        }
    }
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(Splash, TemplateIsABareBorderedPopup)
{
    HRSRC found = FindResourceA(Module(), IDD_SPLASH, RT_DIALOG);
    ASSERT_NE(found, nullptr);
    const BYTE *data = static_cast<const BYTE *>(LockResource(LoadResource(Module(), found)));
    ASSERT_NE(data, nullptr);
    // DLGTEMPLATE, then menu, class and title (each empty: one 0 word),
    // then the font's point size and face name.
    DLGTEMPLATE header;
    memcpy(&header, data, sizeof(header));
    EXPECT_EQ(header.style & (WS_POPUP | WS_BORDER | WS_CAPTION | DS_SETFONT),
              DWORD(WS_POPUP | WS_BORDER | DS_SETFONT));
    EXPECT_EQ(header.cdit, 0);
    EXPECT_EQ(header.cx, 268);
    EXPECT_EQ(header.cy, 124);
    const WORD *words = reinterpret_cast<const WORD *>(data + 18);
    EXPECT_EQ(words[0], 0) << "menu";
    EXPECT_EQ(words[1], 0) << "class";
    EXPECT_EQ(words[2], 0) << "title";
    EXPECT_EQ(words[3], 8) << "point size";
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t *>(words + 4)), L"MS Sans Serif");

    HWND dialog = CreateDialogParamA(Module(), IDD_SPLASH, NULL, NoDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_NE(style & WS_CAPTION, LONG(WS_CAPTION)) << "no caption";
    RECT units = {0, 0, 268, 124};
    ASSERT_TRUE(MapDialogRect(dialog, &units));
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
    // With MS Sans Serif 8 that is about the picture's 400 x 200.
    EXPECT_GE(client.right, 300);
    EXPECT_LE(client.right, 600);
    EXPECT_GE(client.bottom, 150);
    EXPECT_LE(client.bottom, 300);
    RECT frame;
    GetWindowRect(dialog, &frame);
    EXPECT_LE(frame.bottom - frame.top - client.bottom, 4) << "a thin border, no caption";
    DestroyWindow(dialog);
}

// ------------------------------------------------------- network icons

// Seven icons of 25 x 10 stacked in a 4-bit strip; line art in white and
// grey on black, which the display colour tints (black stays black).
TEST(NetinfoIcons, SevenIconsOfTwentyFiveByTenInFourBits)
{
    HRSRC found = FindResourceA(Module(), "NetinfoIcons", RT_BITMAP);
    ASSERT_NE(found, nullptr);
    BITMAPINFOHEADER header;
    memcpy(&header, LockResource(LoadResource(Module(), found)), sizeof(header));
    EXPECT_EQ(header.biWidth, 25);
    EXPECT_EQ(header.biHeight, 70);
    EXPECT_EQ(header.biBitCount, 4);

    std::vector<DWORD> pixels = BitmapPixels("NetinfoIcons", 25, 70);
    ASSERT_EQ(pixels.size(), 25u * 70u);
    for (int icon = 0; icon < 7; ++icon) {
        int white = 0;
        for (int i = icon * 250; i < (icon + 1) * 250; ++i) {
            const DWORD p = pixels[size_t(i)] & 0xFFFFFF;
            ASSERT_TRUE(p == 0 || p == 0x808080 || p == 0xFFFFFF) << "icon " << icon + 1 << " pixel " << i;
            white += p == 0xFFFFFF;
        }
        EXPECT_GT(white, 20) << "icon " << icon + 1 << " is nearly empty";
    }
}

// -------------------------------------------------------------------- icon

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The program's icon, and the track icon of the program editor.
class Icon : public testing::TestWithParam<const char *> {};

TEST_P(Icon, HasA32And16PixelImage)
{
    const char *name = GetParam();
    HRSRC found = FindResourceA(Module(), name, RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const WORD *group = static_cast<const WORD *>(LockResource(LoadResource(Module(), found)));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group[1], 1) << "icon group";
    ASSERT_EQ(group[2], 2) << "images";
    const GroupEntry *entries = reinterpret_cast<const GroupEntry *>(group + 3);
    EXPECT_EQ(entries[0].width, 32);
    EXPECT_EQ(entries[0].height, 32);
    EXPECT_EQ(entries[1].width, 16);
    EXPECT_EQ(entries[1].height, 16);

    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(LoadImageA(Module(), name, IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_TRUE(info.fIcon);
        ASSERT_NE(info.hbmColor, nullptr);
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    // The window class takes it with LoadIcon.
    EXPECT_NE(LoadIconA(Module(), name), nullptr);
}

INSTANTIATE_TEST_SUITE_P(, Icon, testing::Values(IDI_LUMO, IDI_TRACK),
                         [](const testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

// ------------------------------------------------------------ accelerators

TEST(Accelerators, MapTheKeysToTheirCommands)
{
    const struct {
        WORD key, command;
    } kKeys[] = {
        {'D', 105},   {'P', 102},   {'S', 103},   {'T', 140},   {'U', 104},
        {VK_F1, 141}, {VK_F2, 118}, {VK_F3, 119}, {VK_F4, 120}, {VK_F5, 112},
        {VK_F6, 113}, {VK_F7, 114}, {VK_F8, 115}, {VK_F9, 121},
    };
    const int count = int(sizeof(kKeys) / sizeof(kKeys[0]));
    HACCEL table = LoadAcceleratorsA(Module(), IDR_ACCELERATORS);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(CopyAcceleratorTableA(table, NULL, 0), count);
    std::vector<ACCEL> entries(count);
    ASSERT_EQ(CopyAcceleratorTableA(table, entries.data(), count), count);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        // Virtual keys without Shift, Ctrl or Alt, no menu highlighting.
        EXPECT_EQ(entries[i].fVirt, FVIRTKEY | FNOINVERT);
        EXPECT_EQ(entries[i].key, kKeys[i].key);
        EXPECT_EQ(entries[i].cmd, kKeys[i].command);
    }
    DestroyAcceleratorTable(table);
}

// ------------------------------------------------------------------ menus

// One row per item: kSeparator, or the command id and its text with the
// key name after a tab. The ids are written out, as for the strings.
const UINT kSeparator = 0;

struct Item {
    UINT id;
    const char *text;
};

struct Popup {
    const char *text;
    std::vector<Item> items;
};

struct MainMenu {
    const char *name;
    std::vector<Popup> popups;
};

const MainMenu kFrench = {
    "Menu",
    {
        {"&Fichier",
         {{153, "&Impression du couvercle"}, {kSeparator, ""}, {101, "&Quitter\tAlt+F4"}}},
        {"&Affichage",
         {{109, "&Menu"},
          {110, "&Barre d'ic\xf4nes"},
          {111, "&Afficheur"},
          {139, "&Volume"},
          {125, "&Grille"},
          {122, "C&hansons"},
          {kSeparator, ""},
          {116, "T&itre du CD"},
          {117, "Infos tem&ps"},
          {kSeparator, ""},
          {112, "&Ecoul\xe9\tF5"},
          {113, "&Restant\tF6"},
          {114, "Depuis le &d\xe9" "but\tF7"},
          {115, "Jusqu'\xe0 la &fin\tF8"},
          {kSeparator, ""},
          {138, "Tou&jours \xe0 l'\xe9" "cran"},
          {140, "Barre de notifi&cation"},
          {150, "&Quick barre"}}},
        {"&Disque",
         {{102, "&Joue / Pause\tP"},
          {103, "&Stop\tS"},
          {kSeparator, ""},
          {104, "Avancer d'une &plage\tU"},
          {105, "Reculer d'une pla&ge\tD"},
          {kSeparator, ""},
          {106, "&Avancer"},
          {107, "&Reculer"},
          {kSeparator, ""},
          {108, "&Ejecter"},
          {kSeparator, ""},
          {118, "Pas de r\xe9p\xe9titio&n\tF2"},
          {119, "R\xe9p\xe9ter le &disque\tF3"},
          {120, "R\xe9p\xe9ter la c&hanson\tF4"},
          {121, "Lecture a&l\xe9" "atoire\tF9"},
          {kSeparator, ""},
          {123, "T&itre du disque ..."},
          {124, "Titre des c&hansons ..."}}},
        {"&Outils",
         {{135, "&Programmation ..."}, {134, "Pr\xe9&f\xe9rences ..."}, {137, "&Couleur de l'afficheur ..."}}},
        {"&Internet",
         {{156, "&Utiliser Internet"},
          {157, "&Configurer Internet ..."},
          {kSeparator, ""},
          {155, "Recherche CDDB"},
          {kSeparator, ""},
          {158, "&Quick update"}}},
        {"&?", {{141, "&Rubriques d'aide"}, {148, "A&stuce du jour"}, {kSeparator, ""}, {100, "&A propos d'Lumo ..."}}},
    },
};

const MainMenu kEnglish = {
    "Menu_English",
    {
        {"&File", {{153, "&Print cover"}, {kSeparator, ""}, {101, "&Quit\tAlt+F4"}}},
        {"&Disk",
         {{102, "&Play/ Pause\tP"},
          {103, "&Stop\tS"},
          {kSeparator, ""},
          {104, "Track &up\tU"},
          {105, "Track &down\tD"},
          {kSeparator, ""},
          {106, "&Forward"},
          {107, "&Backwards"},
          {kSeparator, ""},
          {108, "&Eject"},
          {kSeparator, ""},
          {118, "&No repeat\tF2"},
          {119, "Repeat &disk\tF3"},
          {120, "Repeat trac&k\tF4"},
          {121, "Random p&lay\tF9"},
          {kSeparator, ""},
          {123, "D&isk title ..."},
          {124, "Tra&ck title ..."}}},
        {"D&isplay",
         {{109, "&Menu"},
          {110, "&Icons"},
          {111, "&Display"},
          {139, "&Volume"},
          {125, "&Grid"},
          {122, "&Songs"},
          {kSeparator, ""},
          {116, "CD t&itle"},
          {117, "Ti&me information"},
          {kSeparator, ""},
          {112, "&Elapsed\tF5"},
          {113, "&Remaining\tF6"},
          {114, "&From start\tF7"},
          {115, "To &end\tF8"},
          {kSeparator, ""},
          {138, "Al&ways on top"},
          {140, "Put in s&ystem tray"},
          {150, "&Quick bar"}}},
        {"&Tools", {{135, "&Program"}, {134, "&Options"}, {137, "Display &color"}}},
        {"&Internet",
         {{156, "&Use Internet"},
          {157, "Internet &parameters ..."},
          {kSeparator, ""},
          {155, "Search CDDB"},
          {kSeparator, ""},
          {158, "&Quick Update"}}},
        {"&Help", {{141, "&Contents"}, {148, "&Tip of the day"}, {kSeparator, ""}, {100, "&About Lumo ..."}}},
    },
};

// The item's text at a position, read back in Unicode so the check does
// not depend on the machine's code page.
std::wstring ItemText(HMENU menu, UINT position)
{
    wchar_t text[256] = {0};
    const int n = GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return std::wstring(text, n > 0 ? size_t(n) : 0);
}

void ExpectMenu(const MainMenu &expected)
{
    HMENU menu = LoadMenuA(Module(), expected.name);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), int(expected.popups.size()));
    for (size_t p = 0; p < expected.popups.size(); ++p) {
        const Popup &popup = expected.popups[p];
        SCOPED_TRACE(popup.text);
        EXPECT_EQ(ItemText(menu, UINT(p)), Widen1252(popup.text));
        HMENU sub = GetSubMenu(menu, int(p));
        ASSERT_NE(sub, nullptr) << "position " << p << " is not a popup";
        ASSERT_EQ(GetMenuItemCount(sub), int(popup.items.size()));
        for (size_t i = 0; i < popup.items.size(); ++i) {
            const Item &item = popup.items[i];
            SCOPED_TRACE(testing::Message() << "item " << i);
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
            ASSERT_TRUE(GetMenuItemInfoA(sub, UINT(i), TRUE, &info));
            EXPECT_EQ(info.hSubMenu, nullptr);
            if (item.id == kSeparator) {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR);
                continue;
            }
            EXPECT_FALSE(info.fType & MFT_SEPARATOR);
            EXPECT_EQ(info.wID, item.id);
            EXPECT_EQ(ItemText(sub, UINT(i)), Widen1252(item.text));
            if (GetACP() == 1252) {
                char text[256] = {0};
                const int n = GetMenuStringA(sub, UINT(i), text, 256, MF_BYPOSITION);
                EXPECT_EQ(std::string(text, n > 0 ? size_t(n) : 0), item.text);
            }
            // Only the caption-and-menu toggle starts checked; nothing
            // starts greyed.
            EXPECT_EQ((info.fState & MFS_CHECKED) != 0, item.id == 109);
            EXPECT_FALSE(info.fState & MFS_DISABLED);
        }
    }
    DestroyMenu(menu);
}

TEST(Menus, FrenchMainMenuHoldsEveryPopupAndItem) { ExpectMenu(kFrench); }

TEST(Menus, EnglishMainMenuHoldsEveryPopupAndItem) { ExpectMenu(kEnglish); }

// The options pages and the display colour dialog: each template in both
// languages, with its caption and the texts of its numbered controls.
struct TemplateText {
    const char *name;
    int id;  // 0: the caption
    const char *text;
};

const TemplateText kOptionTexts[] = {
    {"QuickAccess", 0, "Acc\xe8s rapide"},
    {"QuickAccess", 1060, "&Automatiquement activer le mode temps quand"},
    {"QuickAccess", 1061, "&Bords de l'\xe9" "cran magn\xe9tiques"},
    {"QuickAccess", 1062, "&QuickPlay dans la barre de notification"},
    {"QuickAccess", 1063, "&Stopper la lecture en quittant"},
    {"QuickAccess", 1064, "&R\xe9" "cup\xe9rer la programmation pr\xe9" "c\xe9" "dente"},
    {"QuickAccessE", 0, "Quick access"},
    {"QuickAccessE", 1060, "&Automatically activate time mode when selecting"},
    {"QuickAccessE", 1061, "Screen &tracking"},
    {"QuickAccessE", 1062, "&QuickPlay in system tray"},
    {"QuickAccessE", 1063, "&Stop playing when quitting"},
    {"QuickAccessE", 1064, "Use the latest &program of a previous session"},
    {"Langue", 0, "Langage"},
    {"Langue", 1014, "&Fran\xe7" "ais"},
    {"Langue", 1015, "&Anglais"},
    {"LangueE", 0, "Program language"},
    {"LangueE", 1014, "&French"},
    {"LangueE", 1015, "&English"},
    {"Ergonomie", 0, "Ergonomie"},
    {"Ergonomie", 1062, "Griser les pistes &lues"},
    {"Ergonomie", 1063, "Faire &clignoter la grille"},
    {"Ergonomie", 1060, "Activer le fond en &d\xe9grad\xe9"},
    {"Ergonomie", 1061, "Activer les &bulles d'aide"},
    {"Ergonomie", 1064, "&Afficher le temps et les informations sur la piste"},
    {"ErgonomieE", 0, "Ergonomy"},
    {"ErgonomieE", 1062, "&Gray the tracks"},
    {"ErgonomieE", 1063, "&Flash the track number"},
    {"ErgonomieE", 1060, "Show gradient &background"},
    {"ErgonomieE", 1061, "Show &tool tips"},
    {"ErgonomieE", 1064, "&Display time and track information"},
    {"About", 0, "A propos de ..."},
    {"AboutE", 0, "About this program"},
    {"Themes", 0, "Th\xe8mes"},
    {"Themes", 1003, "Lumo Standard theme"},
    {"Themes", 1001, "&Chercher des th\xe8mes"},
    {"ThemesE", 0, "Themes"},
    {"ThemesE", 1003, "Lumo Standard theme"},
    {"ThemesE", 1001, "&Search for display themes"},
    {"Drive", 0, "Lecteur CD"},
    {"DriveE", 0, "CD-ROM Drive"},
    {"CouleurAffich", 0, "Couleur de l'afficheur"},
    {"CouleurAffich", IDOK, "OK"},
    {"CouleurAffich", IDCANCEL, "Annuler"},
    {"CouleurAffichE", 0, "Display color"},
    {"CouleurAffichE", IDOK, "OK"},
    {"CouleurAffichE", IDCANCEL, "Cancel"},
};

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(OptionTemplates, HoldTheirCaptionsAndControlTexts)
{
    HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, NULL, NULL, Module(), NULL);
    ASSERT_NE(parent, nullptr);
    for (const TemplateText &t : kOptionTexts) {
        SCOPED_TRACE(std::string(t.name) + " " + std::to_string(t.id));
        HWND dialog = CreateDialogParamA(Module(), t.name, parent, IgnoreMessages, 0);
        ASSERT_NE(dialog, nullptr);
        wchar_t text[256] = {0};
        if (t.id == 0)
            GetWindowTextW(dialog, text, 256);
        else
            GetDlgItemTextW(dialog, t.id, text, 256);
        EXPECT_EQ(std::wstring(text), Widen1252(t.text));
        DestroyWindow(dialog);
    }
    DestroyWindow(parent);
}

}  // namespace

// ---------------------------------------------------------------- dialogs

namespace {

// A control as the dialog code expects it: id, window class, text, and the
// style bits that matter.
struct Control {
    int id;
    const char *windowClass;
    const char *text;
    DWORD style;  // each of these bits must be set
    bool shown;
    bool enabled;
};

struct Template {
    const char *name;
    const char *caption;
    std::vector<Control> controls;
};

const DWORD kDefault = BS_DEFPUSHBUTTON;

std::vector<Template> Templates()
{
    const struct {
        const char *suffix;
        const char *disc, *cancel, *tracks, *previous, *next, *close, *program, *discTracks, *yourProgram, *clear,
            *clearAll;
    } languages[] = {
        {"", "Titre du CD", "Annuler", "Titre de la chanson", "&Pr\xe9" "c\xe9" "dente", "&Suivante", "&Fermer",
         "Programmation de la lecture", "Pistes du CD", "Votre programmation", "&Effacer", "Effacer &tout"},
        {"E", "CD Title", "Cancel", "Track title", "&Previous", "&Next", "&Close", "Programmation", "CD tracks",
         "Your programmation", "&Clear", "Clear &all"},
    };
    std::vector<Template> templates;
    for (const auto &l : languages) {
        const std::string suffix = l.suffix;
        templates.push_back({_strdup(("TitreCD" + suffix).c_str()), l.disc,
                             {{1000, "Edit", "", 0, true, true},
                              {1, "Button", "OK", kDefault, true, true},
                              {2, "Button", l.cancel, 0, true, true}}});
        templates.push_back({_strdup(("TitreChansons" + suffix).c_str()), l.tracks,
                             {{1000, "Edit", "", 0, true, true},
                              {1, "Button", l.next, kDefault, true, true},
                              {1001, "Button", l.previous, 0, true, true},
                              {2, "Button", l.close, 0, true, true},
                              {1003, "Button", "", BS_GROUPBOX, true, true},
                              {1002, "Static", "", 0, false, true}}});
        templates.push_back({_strdup(("Prog" + suffix).c_str()), l.program,
                             {{1004, "Static", l.discTracks, 0, true, true},
                              {1006, "SysListView32", "", LVS_SMALLICON | LVS_SINGLESEL, true, true},
                              {1005, "Static", l.yourProgram, 0, true, true},
                              {1007, "ListBox", "", LBS_NOTIFY, true, true},
                              {1, "Button", "OK", kDefault, true, true},
                              {2, "Button", l.cancel, 0, true, true},
                              {1011, "Button", l.clear, 0, true, false},
                              {1001, "Button", l.clearAll, 0, true, true},
                              {1033, "Button", "Up", BS_OWNERDRAW, true, false},
                              {1034, "Button", "Down", BS_OWNERDRAW, true, false}}});
    }
    return templates;
}

struct Found {
    const Control *control;
    HWND window;
};

BOOL CALLBACK FindByText(HWND child, LPARAM data)
{
    Found *found = reinterpret_cast<Found *>(data);
    wchar_t text[256] = {0};
    GetWindowTextW(child, text, 256);
    if (GetDlgCtrlID(child) == found->control->id && Widen1252(found->control->text) == text) {
        found->window = child;
        return FALSE;
    }
    return TRUE;
}

std::string ClassOf(HWND window)
{
    char name[64] = {0};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

void PrintTo(const Template &t, std::ostream *out) { *out << t.name; }

class Dialogs : public testing::TestWithParam<Template> {};

TEST_P(Dialogs, HoldTheirControlsAndTexts)
{
    const Template &t = GetParam();
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    HWND dialog = CreateDialogParamA(Module(), t.name, NULL, NoDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    wchar_t caption[256] = {0};
    GetWindowTextW(dialog, caption, 256);
    EXPECT_EQ(std::wstring(caption), Widen1252(t.caption));
    size_t children = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, t.controls.size());
    for (const Control &c : t.controls) {
        SCOPED_TRACE(testing::Message() << c.id << " " << c.text);
        Found found = {&c, NULL};
        EnumChildWindows(dialog, FindByText, LPARAM(&found));
        ASSERT_NE(found.window, nullptr) << "no control with this id and text";
        EXPECT_EQ(ClassOf(found.window), c.windowClass);
        const DWORD style = DWORD(GetWindowLongA(found.window, GWL_STYLE));
        if (c.style == BS_OWNERDRAW || c.style == BS_GROUPBOX || c.style == kDefault)
            EXPECT_EQ(style & BS_TYPEMASK, c.style);
        else
            EXPECT_EQ(style & c.style, c.style);
        EXPECT_EQ((style & WS_VISIBLE) != 0, c.shown);
        EXPECT_EQ(IsWindowEnabled(found.window) != FALSE, c.enabled);
    }
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(, Dialogs, testing::ValuesIn(Templates()),
                         [](const testing::TestParamInfo<Template> &info) { return std::string(info.param.name); });

}  // namespace
