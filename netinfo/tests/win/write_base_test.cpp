// WriteNetinfoBase: the titles of the songs list into a disc section.
#include "lookup_fixture.h"

namespace {

TEST_F(LookupTest, WriteBaseStoresTheTitleAndEachSong)
{
    SendMessageA(songs, LB_RESETCONTENT, 0, 0);
    const std::string longTitle(300, 'x');
    for (const std::string &text : {std::string("Alpha"), longTitle, std::string("Line\r\nbreak")})
        SendMessageA(songs, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const std::string database = folder.File("CDBASE.LMD");

    EXPECT_NE(Netinfo().WriteNetinfoBase(database.c_str(), ";5234/1", "Artist / Title", songs, 3), 0);
    EXPECT_EQ(folder.Setting("CDBASE.LMD", ";5234/1", "Title"), "Artist / Title");
    EXPECT_EQ(folder.Setting("CDBASE.LMD", ";5234/1", "Track1"), "Alpha");
    EXPECT_EQ(folder.Setting("CDBASE.LMD", ";5234/1", "Track2"), std::string(255, 'x'));
    EXPECT_EQ(folder.Setting("CDBASE.LMD", ";5234/1", "Track3"), "Line  break");
    EXPECT_EQ(folder.Setting("CDBASE.LMD", ";5234/1", "Track4"), kNoValue);

    // No tracks: the title alone.
    EXPECT_NE(Netinfo().WriteNetinfoBase(database.c_str(), "035/1", "Only\na title", songs, 0), 0);
    EXPECT_EQ(folder.Setting("CDBASE.LMD", "035/1", "Title"), "Only a title");
    EXPECT_EQ(folder.Setting("CDBASE.LMD", "035/1", "Track1"), kNoValue);
    // Every line of the file is a section, a key or empty.
    const std::string file = folder.Read("CDBASE.LMD");
    EXPECT_EQ(file.find("\r\nbreak"), std::string::npos);
}

} // namespace
