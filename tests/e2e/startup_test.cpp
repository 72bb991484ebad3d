// Start-up of the player: the window of a fresh installation and the settings
// it leaves behind, the saved window position, the language, the configured
// drive, and the start-up that gives up without its default theme.
#include "expected_texts.h"
#include "harness.h"

using namespace e2e;

namespace {

constexpr char kOpenOnD[] = "open shareable element=D: alias=Lumo";

// The keys a run appends to a new settings file: the window placement at
// close, then every setting at exit. A null value is checked apart.
struct Key {
    const char *name;
    const char *value;
};
const Key kFreshSettings[] = {
    {"PosX", "0"}, {"PosY", "0"}, {"TailleChansons", nullptr},
    {"Chansons", "O"}, {"Grille", "O"}, {"Menu", "O"}, {"Icones", "O"}, {"Afficheur", "O"},
    {"Degrade", "O"}, {"Langage", nullptr}, {"ClignGrille", "O"}, {"GriseGrille", "O"},
    {"ToujoursVisible", "O"}, {"Volume", "O"}, {"InfoBulles", "O"}, {"AutoTime", "O"},
    {"ScreenTracking", "O"}, {"QuickPlay", "O"}, {"StopQuit", "O"}, {"TrayBar", "N"}, {"OldProg", "O"},
    {"TrackTime", "O"}, {"Tips", "O"}, {"MicroBarre", "N"}, {"Netinfo", "N"}, {"NetinfoLog", "N"},
    {"NetinfoStore", "O"}, {"Afficheur_Bleu", "255"}, {"Afficheur_Vert", "255"}, {"Afficheur_Rouge", "0"},
    {"Separation", "-"}, {"Theme", "Default.lth"}, {"CDROMDrive", "D"},
};

enum class Language { kFrench, kEnglish, kUser };

bool IsFrench(Language language)
{
    return language == Language::kFrench || (language == Language::kUser && UserLanguageIsFrench());
}

bool IsNumber(const std::string &text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Runs the shown main window to its end: the player uses D: by then, and a
// close ends the process with 0.
void CloseAfterOpeningD(Session &session, const Process &lumo, HWND window)
{
    EXPECT_NE(WaitForLogLine(session, kOpenOnD, 3000), -1) << "the device was not opened on D:";
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
}

TEST(Startup, FreshFolderOpensAtOriginAndSavesEveryDefault)
{
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    Process lumo = StartLumo(&session, "");
    HWND window = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &window);
    ASSERT_EQ(event, Event::kMainWindow) << Describe(event, window);
    EXPECT_EQ(WindowClass(window), "Lumo");
    EXPECT_EQ(WindowText(window), "Lumo");
    RECT rect = WindowRect(window);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);

    // Tips are on by default: the tip of the day may open; OK keeps them on.
    if (HWND tip = WaitForDialog(session, lumo, 1000)) {
        ASSERT_EQ(FindMessageBox(session, lumo), nullptr) << ReadMessageBox(tip).text;
        ASSERT_TRUE(ClickOk(tip));
    }
    ASSERT_NO_FATAL_FAILURE(CloseAfterOpeningD(session, lumo, window));

    std::string settings = SettingsPath(session);
    std::vector<std::string> keys = IniKeys(settings, "Affichage");
    // The migration step marks a new file before anything else is written.
    if (!keys.empty() && keys[0] == "Migrated") {
        EXPECT_EQ(IniValue(settings, "Affichage", "Migrated"), "1");
        keys.erase(keys.begin());
    }
    std::vector<std::string> expected;
    for (const Key &key : kFreshSettings)
        expected.push_back(key.name);
    EXPECT_EQ(keys, expected);
    for (const Key &key : kFreshSettings) {
        if (key.value) {
            EXPECT_EQ(IniValue(settings, "Affichage", key.name), key.value) << key.name;
        }
    }
    EXPECT_EQ(IniValue(settings, "Affichage", "Langage"), UserLanguageIsFrench() ? "F" : "A");
    EXPECT_PRED1(IsNumber, IniValue(settings, "Affichage", "TailleChansons"));
    EXPECT_EQ(IniKeys(settings, "Proxy"), std::vector<std::string>{"Proxy"});
    EXPECT_EQ(IniValue(settings, "Proxy", "Proxy"), "O");

    std::vector<std::string> sections;
    for (const IniEntry &entry : ReadIni(settings))
        if (sections.empty() || sections.back() != entry.section)
            sections.push_back(entry.section);
    EXPECT_EQ(sections, (std::vector<std::string>{"Affichage", "Proxy"}));
}

// The saved position is kept unless it lies beyond the desktop's right or
// bottom edge; the position at close is saved again.
struct PositionCase {
    const char *name;
    int savedX, savedY;
    bool beyondDesktop;
};

void PrintTo(const PositionCase &c, std::ostream *out) { *out << c.name; }

class SavedPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(SavedPosition, OpensThereAndIsSavedAtClose)
{
    const PositionCase &c = GetParam();
    int x = c.savedX, y = c.savedY;
    if (c.beyondDesktop) {
        x = GetSystemMetrics(SM_CXSCREEN) - 300;
        y = GetSystemMetrics(SM_CYSCREEN) - 100;
    }
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    char settings[128];
    snprintf(settings, sizeof(settings), "[Affichage]\r\nPosX=%d\r\nPosY=%d\r\nTips=N\r\nLangage=A\r\n", c.savedX,
             c.savedY);
    ASSERT_TRUE(WriteFileText(SettingsPath(session), settings));

    Process lumo = StartLumo(&session, "");
    HWND window = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &window);
    ASSERT_EQ(event, Event::kMainWindow) << Describe(event, window);
    RECT rect = WindowRect(window);
    EXPECT_EQ(rect.left, x);
    EXPECT_EQ(rect.top, y);
    ASSERT_NO_FATAL_FAILURE(CloseAfterOpeningD(session, lumo, window));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "PosX"), std::to_string(x));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "PosY"), std::to_string(y));
}

INSTANTIATE_TEST_SUITE_P(, SavedPosition,
                         ::testing::Values(PositionCase{"Inside", 100, 50, false},
                                           PositionCase{"Negative", -20, -10, false},
                                           PositionCase{"BeyondTheDesktop", 5000, 5000, true}),
                         CaseName<PositionCase>);

// The language comes from Langage: F is French, any other letter English, and
// no key at all follows the user's language. It shows in the warning about a
// configured drive that is no CD-ROM drive (C here), and in the letter saved.
struct LanguageCase {
    const char *name;
    const char *langage;  // null: no key
    Language language;
};

void PrintTo(const LanguageCase &c, std::ostream *out) { *out << c.name; }

class StartupLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(StartupLanguage, ShowsInTheDriveWarningAndIsSaved)
{
    const LanguageCase &c = GetParam();
    bool french = IsFrench(c.language);
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    std::string settings = "[Affichage]\r\nCDROMDrive=C\r\nTips=N\r\n";
    if (c.langage)
        settings += std::string("Langage=") + c.langage + "\r\n";
    ASSERT_TRUE(WriteFileText(SettingsPath(session), settings));

    Process lumo = StartLumo(&session, "");
    HWND box = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &box);
    ASSERT_EQ(event, Event::kMessageBox) << Describe(event, box);
    MessageBoxText shown = ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Lumo");
    EXPECT_EQ(shown.text, DriveWarning(french, 'C'));
    ASSERT_TRUE(ClickOk(box));

    HWND window = WaitForMainWindow(session, lumo, kWaitMs);
    ASSERT_NE(window, nullptr);
    ASSERT_NO_FATAL_FAILURE(CloseAfterOpeningD(session, lumo, window));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Langage"), french ? "F" : "A");
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "CDROMDrive"), "D");
}

INSTANTIATE_TEST_SUITE_P(, StartupLanguage,
                         ::testing::Values(LanguageCase{"UpperF", "F", Language::kFrench},
                                           LanguageCase{"A", "A", Language::kEnglish},
                                           LanguageCase{"LowerF", "f", Language::kEnglish},
                                           LanguageCase{"UserLanguage", nullptr, Language::kUser}),
                         CaseName<LanguageCase>);

// The configured letter (first character of CDROMDrive) is used when it is a
// CD-ROM drive; otherwise a warning names it and the first CD-ROM drive from
// D: on is taken and saved.
struct DriveCase {
    const char *name;
    const char *configured;
    char warned;  // 0: no warning
};

void PrintTo(const DriveCase &c, std::ostream *out) { *out << c.name; }

class ConfiguredDrive : public ::testing::TestWithParam<DriveCase> {};

TEST_P(ConfiguredDrive, EndsOnDriveD)
{
    const DriveCase &c = GetParam();
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(SettingsPath(session),
                              std::string("[Affichage]\r\nLangage=A\r\nTips=N\r\nCDROMDrive=") + c.configured + "\r\n"));

    Process lumo = StartLumo(&session, "");
    HWND window = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &window);
    if (c.warned) {
        ASSERT_EQ(event, Event::kMessageBox) << Describe(event, window);
        EXPECT_EQ(ReadMessageBox(window).text, DriveWarning(false, c.warned));
        ASSERT_TRUE(ClickOk(window));
        window = WaitForMainWindow(session, lumo, kWaitMs);
        ASSERT_NE(window, nullptr);
    } else {
        ASSERT_EQ(event, Event::kMainWindow) << Describe(event, window);
    }
    ASSERT_NO_FATAL_FAILURE(CloseAfterOpeningD(session, lumo, window));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "CDROMDrive"), "D");
}

INSTANTIATE_TEST_SUITE_P(, ConfiguredDrive,
                         ::testing::Values(DriveCase{"CdromDrive", "D", 0},
                                           DriveCase{"NoneChosen", "", 0},
                                           DriveCase{"LetterOfAPath", "E:\\", 'E'}),
                         CaseName<DriveCase>);

// Without Default.lth the start-up stops: string 16 (French) or 116
// (English) names the program folder, and no setting is written.
struct ThemeCase {
    const char *name;
    const char *settings;  // null: no settings file
    Language language;
};

void PrintTo(const ThemeCase &c, std::ostream *out) { *out << c.name; }

class MissingDefaultTheme : public ::testing::TestWithParam<ThemeCase> {};

TEST_P(MissingDefaultTheme, StopsAfterSayingWhere)
{
    const ThemeCase &c = GetParam();
    Session session;
    ASSERT_TRUE(OpenSession(&session, kAllDeliverables & ~kDefaultTheme));
    if (c.settings) {
        ASSERT_TRUE(WriteFileText(SettingsPath(session), c.settings));
    }
    std::vector<IniEntry> before = ReadIni(SettingsPath(session));

    std::string french = LumoString(session, 16), english = LumoString(session, 116);
    ASSERT_NE(french, "");
    ASSERT_NE(english, "");
    EXPECT_NE(french, english);

    Process lumo = StartLumo(&session, "");
    HWND box = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &box);
    ASSERT_EQ(event, Event::kMessageBox) << Describe(event, box);
    MessageBoxText shown = ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Lumo Initialization error");
    EXPECT_EQ(shown.text, ReplaceFirst(IsFrench(c.language) ? french : english, "%s", session.dir));
    ASSERT_TRUE(ClickOk(box));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_TRUE(OnlyMigrationMarkAdded(before, SettingsPath(session)));
}

INSTANTIATE_TEST_SUITE_P(
    , MissingDefaultTheme,
    ::testing::Values(ThemeCase{"French", "[Affichage]\r\nLangage=F\r\nTips=N\r\n", Language::kFrench},
                      ThemeCase{"English", "[Affichage]\r\nLangage=A\r\nCDROMDrive=D\r\n", Language::kEnglish},
                      ThemeCase{"FreshFolderUserLanguage", nullptr, Language::kUser}),
    CaseName<ThemeCase>);

}  // namespace
