// The cover dialog and its options sheet as a user meets them, in both
// languages: texts and control ids, the defaults every opening starts
// from, OK storing the pages' edits and Cancel keeping the old ones, and
// the font dialog.
#include <algorithm>
#include <string>
#include <vector>

#include "cover_fixture.h"

namespace {

struct Language {
    const char *name;
    int english;
    const char *preview, *print, *options, *cancel;
    std::vector<std::string> tabs;
    const char *front, *rear, *change, *noBitmap, *stretch;
    std::vector<std::string> show;  // check boxes 1012, 1013, 1016, 1027
};

const Language kLanguages[] = {
    {"French", 0, "Appercu", "&Imprimer", "&Options", "Annuler", {"Caractères", "Images", "Options"},
     "Couverture avant", "Couverture arrière", "Sélectionner", "Pas d'image", "Ajuster l'image à la couverture",
     {"Afficher la couverture &avant", "Afficher la couverture a&rrière", "Afficher les &titres des chansons",
      "Afficher les tem&ps des chansons"}},
    {"English", 1, "Preview", "&Print", "&Options", "Cancel", {"Fonts", "Bitmaps", "Cover options"}, "Front cover",
     "Rear cover", "Change", "No Bitmap", "Strech bitmap to fit cover",
     {"Display the f&ront cover title", "Display the &rear cover title", "Display the &song titles",
      "Display the song time"}},
};

const int kShowBoxes[] = {1012, 1013, 1016, 1027};
const int kFontLines[][2] = {{1002, 1001}, {1003, 1011}, {1047, 1033}, {1007, 1034}};  // description, button
const char *const kDefaultFonts[] = {"Arial, 18 points", "Arial, 18 points", "Arial, 14 points", "Arial, 14 points"};

bool Has(const std::vector<std::string> &texts, const std::string &text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The sheet's pages as they open: the options every opening of the cover dialog starts from.
void ExpectDefaultPages(DialogScript &s, HWND sheet)
{
    HWND fonts = s.ShowPage(sheet, 0);
    for (int line = 0; line < 4; ++line)
        s.Expect(s.Text(fonts, kFontLines[line][0]) == kDefaultFonts[line],
                 "font line " + std::to_string(line) + " reads " + s.Text(fonts, kFontLines[line][0]));
    HWND bitmaps = s.ShowPage(sheet, 1);
    s.Expect(s.Text(bitmaps, 1002).empty() && s.Text(bitmaps, 1003).empty(), "picture paths are not empty");
    s.Expect(!s.Checked(bitmaps, 1012) && !s.Checked(bitmaps, 1013), "a picture is stretched");
    HWND show = s.ShowPage(sheet, 2);
    for (int box : kShowBoxes)
        s.Expect(s.Checked(show, box), "check box " + std::to_string(box) + " is not checked");
}

void PrintTo(const Language &language, std::ostream *out)
{
    *out << language.name;
}

class CoverDialogTest : public CoverTest, public ::testing::WithParamInterface<Language> {};

TEST_P(CoverDialogTest, TextsIdsAndDefaults)
{
    const Language &language = GetParam();
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(language.english));
        s.Expect(Has(s.Texts(cover), language.preview), "no group box around the preview");
        s.Expect(s.Text(cover, kPrint) == language.print, "Print reads " + s.Text(cover, kPrint));
        s.Expect(s.Text(cover, kOptions) == language.options, "Options reads " + s.Text(cover, kOptions));
        s.Expect(s.Text(cover, kCancel) == language.cancel, "Cancel reads " + s.Text(cover, kCancel));
        s.Expect(GetDlgItem(cover, kPreview) != NULL, "no preview area");
        s.Expect((GetWindowLongA(cover, GWL_STYLE) & WS_VISIBLE) != 0, "dialog not shown");

        s.Press(cover, kOptions);
        HWND sheet = s.WaitFor("Options");
        s.Expect(s.TabCaptions(sheet) == language.tabs, "the tabs read otherwise");
        s.Expect(s.CurrentPage(sheet) == s.ShowPage(sheet, 0), "the first page is not shown first");
        ExpectDefaultPages(s, sheet);

        HWND fonts = s.ShowPage(sheet, 0);
        const std::vector<std::string> fontTexts = s.Texts(fonts);
        s.Expect(Has(fontTexts, language.front) && Has(fontTexts, language.rear), "font groups read otherwise");
        for (const auto &line : kFontLines)
            s.Expect(s.Text(fonts, line[1]) == language.change, "font button " + std::to_string(line[1]));
        HWND bitmaps = s.ShowPage(sheet, 1);
        const std::vector<std::string> bitmapTexts = s.Texts(bitmaps);
        s.Expect(Has(bitmapTexts, language.front) && Has(bitmapTexts, language.rear), "picture groups read otherwise");
        s.Expect(s.Text(bitmaps, 1001) == language.change && s.Text(bitmaps, 1011) == language.change, "Change");
        s.Expect(s.Text(bitmaps, 1033) == language.noBitmap && s.Text(bitmaps, 1034) == language.noBitmap, "none");
        s.Expect(s.Text(bitmaps, 1012) == language.stretch && s.Text(bitmaps, 1013) == language.stretch, "stretch");
        HWND show = s.ShowPage(sheet, 2);
        for (int i = 0; i < 4; ++i)
            s.Expect(s.Text(show, kShowBoxes[i]) == language.show[i], "check box reads " + s.Text(show, kShowBoxes[i]));

        // Edits on every page, kept by OK for the rest of this opening.
        for (int box : kShowBoxes)
            s.SetChecked(show, box, false);
        s.SetChecked(s.ShowPage(sheet, 1), 1013, true);
        s.Press(sheet, IDOK);
        s.WaitGone(sheet);
        s.Press(cover, kOptions);
        sheet = s.WaitFor("Options");
        bitmaps = s.ShowPage(sheet, 1);
        s.Expect(s.Checked(bitmaps, 1013) && !s.Checked(bitmaps, 1012), "the stretch option was not stored");
        show = s.ShowPage(sheet, 2);
        for (int box : kShowBoxes)
            s.Expect(!s.Checked(show, box), "check box " + std::to_string(box) + " was not stored");
        s.Press(sheet, IDCANCEL);
        s.WaitGone(sheet);
        s.Press(cover, kCancel);
        s.WaitGone(cover);
    };
    EXPECT_EQ(RunCover(body, language.english), 1);

    // The next opening starts from the defaults again.
    auto reopen = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(language.english));
        s.Press(cover, kOptions);
        HWND sheet = s.WaitFor("Options");
        ExpectDefaultPages(s, sheet);
        s.Press(sheet, IDCANCEL);
        s.WaitGone(sheet);
        s.Press(cover, kCancel);
    };
    EXPECT_EQ(RunCover(reopen, language.english), 1);
    // The player's own time format is left as it was.
    EXPECT_EQ(DeviceReply("status lumo time format"), "tmsf");
}

INSTANTIATE_TEST_SUITE_P(Languages, CoverDialogTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language> &info) { return std::string(info.param.name); });

// Picks the first face the font dialog offers (the faces depend on the
// machine) at `size` and confirms; the face's name.
std::string ChooseFont(DialogScript &s, HWND page, int button, const char *size)
{
    s.Press(page, button);
    HWND font = s.WaitFor("Font");
    HWND faces = GetDlgItem(font, 1136);
    SendMessageA(faces, CB_SETCURSEL, 0, 0);
    SendMessageA(font, WM_COMMAND, MAKEWPARAM(1136, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
    const std::string face = s.Text(font, 1136);
    HWND sizes = GetDlgItem(font, 1138);
    if (SendMessageA(sizes, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(size)) == CB_ERR)
        s.Stop(std::string("the font dialog offers no size ") + size);
    SendMessageA(font, WM_COMMAND, MAKEWPARAM(1138, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    s.Press(font, IDOK);
    s.WaitGone(font);
    return face;
}

TEST_F(CoverTest, FontDialogChangesAWorkingCopyUntilOk)
{
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        s.Press(cover, kOptions);
        HWND sheet = s.WaitFor("Options");
        HWND fonts = s.CurrentPage(sheet);
        const std::string face = ChooseFont(s, fonts, 1001, "12");
        s.Expect(!face.empty() && face != "Arial", "no other face chosen");
        s.Expect(s.Text(fonts, 1002) == face + ", 12 points", "front title font reads " + s.Text(fonts, 1002));

        // The font dialog opens at the stored size, in points.
        s.Press(fonts, 1001);
        HWND font = s.WaitFor("Font");
        s.Expect(s.Text(font, 1136) == face, "the font dialog opens on " + s.Text(font, 1136));
        s.Expect(s.Text(font, 1138) == "12", "the font dialog opens at size " + s.Text(font, 1138));
        s.Press(font, IDCANCEL);
        s.WaitGone(font);
        s.Expect(s.Text(fonts, 1002) == face + ", 12 points", "a cancelled font dialog changed the font");

        // Cancelling the sheet drops the working copy.
        s.Press(sheet, IDCANCEL);
        s.WaitGone(sheet);
        s.Press(cover, kOptions);
        sheet = s.WaitFor("Options");
        fonts = s.CurrentPage(sheet);
        s.Expect(s.Text(fonts, 1002) == "Arial, 18 points", "cancel kept " + s.Text(fonts, 1002));

        // OK keeps it.
        ChooseFont(s, fonts, 1034, "9");
        s.Press(sheet, IDOK);
        s.WaitGone(sheet);
        s.Press(cover, kOptions);
        sheet = s.WaitFor("Options");
        fonts = s.CurrentPage(sheet);
        s.Expect(s.Text(fonts, 1007) == face + ", 9 points", "OK did not keep " + s.Text(fonts, 1007));
        s.Expect(s.Text(fonts, 1002) == "Arial, 18 points", "another font changed: " + s.Text(fonts, 1002));
        s.Press(sheet, IDCANCEL);
        s.WaitGone(sheet);
        s.Press(cover, kCancel);
    };
    EXPECT_EQ(RunCover(body), 1);
}

LRESULT CALLBACK CallAgain(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        return PrintCoverExport()(window, 0, "", "", 1);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(CoverTest, CallWhileTheDialogIsOpenIsRefused)
{
    LRESULT nested = 0;
    SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CallAgain));
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        // Runs on the caller's thread, inside the open dialog's message loop.
        nested = SendMessageA(owner, WM_APP, 0, 0);
        s.Press(cover, kCancel);
    };
    EXPECT_EQ(RunCover(body), 1);
    EXPECT_EQ(nested, -1);
}

} // namespace
