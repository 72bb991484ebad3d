// The Wine prefix every Windows test runs in looks like a machine with one
// CD-ROM drive, D:, whose MCI cdaudio device is the virtual drive.
#include <windows.h>
#include <mmsystem.h>
#include <gtest/gtest.h>

namespace {

TEST(Prefix, DriveDIsTheOnlyCdromDrive)
{
    EXPECT_EQ(GetDriveTypeA("C:\\"), UINT(DRIVE_FIXED));
    EXPECT_EQ(GetDriveTypeA("D:\\"), UINT(DRIVE_CDROM));
    for (char letter = 'E'; letter <= 'Z'; ++letter) {
        char root[] = {letter, ':', '\\', '\0'};
        EXPECT_NE(GetDriveTypeA(root), UINT(DRIVE_CDROM)) << root;
    }
}

TEST(Prefix, CdaudioDeviceIsTheVirtualDrive)
{
    char reply[128] = {0};
    ASSERT_EQ(mciSendStringA("open cdaudio shareable alias prefixcheck", reply, sizeof(reply), NULL), 0u);
    EXPECT_EQ(mciSendStringA("info prefixcheck product", reply, sizeof(reply), NULL), 0u);
    EXPECT_STRNE(reply, "");
    mciSendStringA("close prefixcheck", NULL, 0, NULL);

    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI", 0,
                            KEY_READ, &key), ERROR_SUCCESS);
    char driver[64] = {0};
    DWORD size = sizeof(driver) - 1;
    EXPECT_EQ(RegQueryValueExA(key, "cdaudio", NULL, NULL, reinterpret_cast<BYTE *>(driver), &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_STREQ(driver, "vcdaudio.dll");
}

} // namespace
