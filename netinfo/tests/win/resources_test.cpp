// The library's own resources as Windows finds them: the string table
// texts (stored as their Windows-1252 text says) and the dialog templates
// the library loads by name.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "netinfo_library.h"

namespace {

std::wstring Widen1252(const char *text)
{
    wchar_t wide[1024] = {0};
    const int n = MultiByteToWideChar(1252, 0, text, -1, wide, 1024);
    return std::wstring(wide, n > 0 ? size_t(n - 1) : 0);
}

std::wstring Load(UINT id)
{
    wchar_t text[1024] = {0};
    const int n = LoadStringW(Netinfo().module, id, text, 1024);
    return std::wstring(text, n > 0 ? size_t(n) : 0);
}

TEST(NetinfoResources, StringTable)
{
    ASSERT_NE(Netinfo().module, nullptr);
    const struct {
        UINT id;
        const char *text;
    } strings[] = {
        {100, "Une nouvelle version d'Lumo a \xe9t\xe9 publi\xe9" "e. Elle porte le num\xe9ro %i.\n"
              "Vous \xeates vivement engag\xe9 \xe0 la t\xe9l\xe9" "charger car elle apporte des corrections \xe0 "
              "des bugs et offre de nouvelles fonctionnalit\xe9s.\n"
              "Voulez-vous vous connecter \xe0 la page officielle d'Lumo (%s) pour la t\xe9l\xe9" "charger ?"},
        {200, "A new version of Lumo has been released (build %i).\n"
              "You are strongly encouraged to download it as this new version corrects some bugs and offers new "
              "features.\nDo you want to connect to the official Lumo Home page (%s) to download it ?"},
        {403, "Acc\xe8s interdit"},
        {404, "Page non trouv\xe9" "e"},
        {503, "Acces denied"},
        {504, "Page not found"},
    };
    for (const auto &s : strings) {
        SCOPED_TRACE(s.id);
        EXPECT_EQ(Load(s.id), Widen1252(s.text));
    }
    EXPECT_EQ(Load(0), L"");
    EXPECT_EQ(Load(603), L"");
}

TEST(NetinfoResources, DialogTemplates)
{
    ASSERT_NE(Netinfo().module, nullptr);
    for (const char *name : {"TITRE", "TITREE", "MESSAGE", "ERREUR", "ERREURE"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(FindResourceA(Netinfo().module, name, MAKEINTRESOURCEA(5)), nullptr);  // RT_DIALOG
    }
    EXPECT_EQ(FindResourceA(Netinfo().module, "MESSAGEE", MAKEINTRESOURCEA(5)), nullptr);
}

} // namespace
