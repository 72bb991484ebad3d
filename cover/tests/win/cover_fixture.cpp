#include "cover_fixture.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <winternl.h>

#include <cstring>
#include <type_traits>

#include "../../../tests/common/env_directory.h"
#include "cover.h"
#include "harness.h"

const char kDiscSection[] = "3178/1";
const char kDiscTitle[] = "Night Drive - Blue Hours";

static_assert(std::is_same<PrintCoverProc, decltype(&::PrintCover)>::value, "PrintCover as cover.h declares it");

PrintCoverProc PrintCoverExport()
{
    static PrintCoverProc proc = [] {
        const std::string path = DirectoryFromEnvironment("LUMO_BIN_DIR") + "cover.dll";
        HMODULE module = LoadLibraryA(path.c_str());
        return module ? reinterpret_cast<PrintCoverProc>(reinterpret_cast<void *>(GetProcAddress(module, "PrintCover")))
                      : nullptr;
    }();
    return proc;
}

namespace {

// Track starts 150, 15900, 33975, 38475; lead-out 60975.
const char kDisc[] = "tracks=150 15900 33975 38475\r\nleadout=60975\r\n";

std::string MakeFolder()
{
    static int serial = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof(temp), temp);
    char name[MAX_PATH + 64];
    snprintf(name, sizeof(name), "%scover-%lu-%d", temp, GetCurrentProcessId(), ++serial);
    CreateDirectoryA(name, NULL);
    return std::string(name) + "\\";
}

void RemoveFolder(const std::string &folder)
{
    // The shell wants the list of paths ended by an empty one.
    std::string from = folder.substr(0, folder.size() - 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA remove = {};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&remove);
}

void Put32(std::string &bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

} // namespace

std::string CoverCaption(int english)
{
    return english ? "Print CD Cover" : "Impression de la pochette";
}

void CoverTest::SetUp()
{
    ASSERT_NE(PrintCoverExport(), nullptr) << "cover.dll not found through LUMO_BIN_DIR";
    folder_ = MakeFolder();
    WriteText("four.disc", kDisc);
    WriteText("vcd.ini", "[Drive]\r\nDisc=four.disc\r\nDoor=closed\r\nLog=drive.log\r\n");
    SetEnvironmentVariableA("VCD_CONTROL", File("vcd.ini").c_str());
    WriteText("CDBASE.LMD", std::string("[Affichage]\r\nLangue=1\r\n[") + kDiscSection + "]\r\nTitle=" + kDiscTitle +
                                "\r\nTrack1=Harbour Lights\r\nTrack2=Slow Traffic\r\nTrack3=Interlude\r\n"
                                "Track4=Last Exit\r\n");

    owner = CreateWindowA("STATIC", "Lumo", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL, GetModuleHandleA(NULL), NULL);
    MCI_OPEN_PARMSA open = {};
    open.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
    open.lpstrElementName = "D:";
    open.lpstrAlias = "Lumo";
    ASSERT_EQ(mciSendCommandA(0, MCI_OPEN,
                              MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS | MCI_OPEN_SHAREABLE,
                              reinterpret_cast<DWORD_PTR>(&open)),
              0u);
    device = open.wDeviceID;
    ASSERT_EQ(DeviceReply("set lumo time format tmsf"), "");
}

void CoverTest::TearDown()
{
    if (device)
        mciSendCommandA(device, MCI_CLOSE, 0, 0);
    if (owner)
        DestroyWindow(owner);
    SetEnvironmentVariableA("VCD_CONTROL", NULL);
    RemoveFolder(folder_);
}

int CoverTest::RunCover(const DialogScript::Body &body, int english, const char *section)
{
    DialogScript script;
    const std::string database = File("CDBASE.LMD");
    const int result = script.Run(body, [&] { return PrintCoverExport()(owner, device, database.c_str(), section, english); });
    for (const std::string &failure : script.Failures())
        ADD_FAILURE() << failure;
    return result;
}

std::string CoverTest::DeviceReply(const char *command)
{
    char reply[128] = "";
    const DWORD error = mciSendStringA(command, reply, sizeof(reply), NULL);
    return error ? "error " + std::to_string(error) : std::string(reply);
}

void CoverTest::WriteText(const std::string &name, const std::string &text) const
{
    ASSERT_TRUE(e2e::WriteFileText(File(name), text));
}

PageImage CapturePreview(HWND dialog)
{
    HWND preview = GetDlgItem(dialog, kPreview);
    RedrawWindow(preview, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    Sleep(200);
    return CaptureWindow(preview);
}

std::string SolidBmp(int width, int height, int bits, uint32_t rgb)
{
    const size_t table = bits == 8 ? 1024 : 0;
    const size_t rowSize = (size_t(bits) * size_t(width) + 31) / 32 * 4;
    std::string bytes(54 + table + rowSize * size_t(height), '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, uint32_t(bytes.size()));
    Put32(bytes, 10, uint32_t(54 + table));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, uint32_t(width));
    Put32(bytes, 22, uint32_t(height));
    bytes[26] = 1;
    bytes[28] = char(bits);
    const char blue = char(rgb & 0xFF), green = char((rgb >> 8) & 0xFF), red = char((rgb >> 16) & 0xFF);
    if (bits == 8) {
        bytes[54 + 4] = blue;
        bytes[54 + 5] = green;
        bytes[54 + 6] = red;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + table + size_t(y) * rowSize + size_t(x) * size_t(bits / 8);
            if (bits == 8) {
                bytes[at] = 1;
            } else {
                bytes[at] = blue;
                bytes[at + 1] = green;
                bytes[at + 2] = red;
            }
        }
    }
    return bytes;
}

namespace {

// Wine's GDI handle table, named by the PEB: 24-byte entries whose first 8
// bytes point at a live object, bytes 12-13 hold the handle's upper half
// and byte 14 the type (1 DC, 8 palette, 10 font, 16 brush or pen).
const unsigned char *WineGdiTable()
{
    const char *peb = reinterpret_cast<const char *>(NtCurrentTeb()->ProcessEnvironmentBlock);
    return *reinterpret_cast<const unsigned char *const *>(peb + (sizeof(void *) == 8 ? 0xF8 : 0x94));
}

// Calls `visit` with the handle and type of every live entry.
template <typename Visit> void ForEachGdiEntry(Visit visit)
{
    const unsigned char *table = WineGdiTable();
    if (!table)
        return;
    for (size_t index = 0; index < 0x10000; ++index) {
        const unsigned char *at = table + index * 24;
        ULONGLONG object = 0;
        memcpy(&object, at, sizeof(object));
        if (object == 0)
            continue;
        const ULONG_PTR handle = index | ULONG_PTR(at[12] | at[13] << 8) << 16;
        visit(reinterpret_cast<HGDIOBJ>(handle), at[14]);
    }
}

} // namespace

DWORD DrawingObjectCount()
{
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return count;
    DWORD count = 0;
    ForEachGdiEntry([&](HGDIOBJ, unsigned char type) { count += type == 8 || type == 10 || type == 16; });
    return count;
}

DWORD PrinterContextCount()
{
    DWORD count = 0;
    ForEachGdiEntry([&](HGDIOBJ object, unsigned char type) {
        count += type == 1 && GetDeviceCaps(static_cast<HDC>(object), TECHNOLOGY) == DT_RASPRINTER;
    });
    return count;
}
