// Prints what the player costs while it plays: CPU time per hour of play,
// and its GDI and USER objects before and after many timer ticks and track
// changes (they must not grow). A benchmark, not a test: run it with
// tools/bench/run-engine-bench.
#include "harness.h"

#include <winternl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace e2e;

namespace {

constexpr char kSettings[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=N\r\n";

double CpuSeconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME &t) {
        return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Wine reports no times for another process; its Unix process does, in
// /proc (drive Z:), found by the program path on its command line.
double UnixCpuSeconds(const Session &session)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return -1;
    std::string program = session.dir + "lumo.exe";
    double seconds = -1;
    do {
        if (found.cFileName[0] < '0' || found.cFileName[0] > '9')
            continue;
        std::string dir = std::string("Z:\\proc\\") + found.cFileName;
        std::string command = ReadFileText(dir + "\\cmdline");
        if (command.empty() || _strnicmp(command.c_str(), program.c_str(), program.size()) != 0)
            continue;
        std::string stat = ReadFileText(dir + "\\stat");
        size_t close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        unsigned long long user = 0, system = 0;
        // Fields after the name: state, then 10 numbers before utime and stime.
        if (sscanf(stat.c_str() + close + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user,
                   &system) == 2)
            seconds = double(user + system) / 100.0;
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return seconds;
}

double PlayerCpuSeconds(const Session &session, const Process &lumo)
{
    double seconds = CpuSeconds(lumo.handle);
    return seconds > 0 ? seconds : UnixCpuSeconds(session);
}

// Wine's GetGuiResources answers 0. Its GDI handle table is in the process's
// memory, named by the PEB: 24-byte entries whose first 8 bytes point at a
// live object.
DWORD WineGdiObjects(HANDLE process)
{
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return 0;
    const SIZE_T tableOffset = sizeof(void *) == 8 ? 0xF8 : 0x94;
    void *table = nullptr;
    if (!ReadProcessMemory(process, reinterpret_cast<char *>(basic.PebBaseAddress) + tableOffset, &table,
                           sizeof(table), nullptr) ||
        table == nullptr)
        return 0;
    const size_t entries = 0x10000, entrySize = 24;
    std::vector<unsigned char> copy(entries * entrySize);
    SIZE_T read = 0;
    ReadProcessMemory(process, table, copy.data(), copy.size(), &read);
    DWORD live = 0;
    for (size_t i = 0; i + entrySize <= read; i += entrySize) {
        ULONGLONG object = 0;
        memcpy(&object, &copy[i], sizeof(object));
        live += object != 0;
    }
    return live;
}

struct WindowCount {
    DWORD processId;
    DWORD count;
};

BOOL CALLBACK CountChild(HWND, LPARAM data)
{
    ++reinterpret_cast<WindowCount *>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data)
{
    WindowCount *count = reinterpret_cast<WindowCount *>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->processId) {
        ++count->count;
        EnumChildWindows(window, CountChild, data);
    }
    return TRUE;
}

struct ObjectCounts {
    DWORD gdi, user, windows;
};

ObjectCounts CountObjects(const Session &session, const Process &lumo)
{
    ObjectCounts counts;
    counts.gdi = GetGuiResources(lumo.handle, GR_GDIOBJECTS);
    if (counts.gdi == 0)
        counts.gdi = WineGdiObjects(lumo.handle);
    counts.user = GetGuiResources(lumo.handle, GR_USEROBJECTS);
    WindowCount windows{lumo.id, 0};
    EnumDesktopWindows(session.desktop, CountTopLevel, LPARAM(&windows));
    counts.windows = windows.count;
    return counts;
}

void PrintCounts(const char *when, const ObjectCounts &counts)
{
    printf("  %-34s GDI objects %5lu   USER objects %5lu   windows %3lu\n", when, counts.gdi, counts.user,
           counts.windows);
}

TEST(Benchmark, PlayingCostsAndObjects)
{
    DWORD playSeconds = 120;
    if (const char *value = getenv("LUMO_BENCH_SECONDS"))
        playSeconds = DWORD(atoi(value));
    Session session;
    Process lumo;
    HWND window = nullptr;
    DriveState drive{kTwelveTrackDisc};
    drive.speed = 20;  // a 4-minute track in 12 seconds: track changes come 20 times as often
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kSettings, drive, &lumo, &window));

    SendToWindow(window, WM_COMMAND, 119, 0);  // repeat disc: play never ends
    SendToWindow(window, WM_COMMAND, 117, 0);  // the display shows the time
    SendToWindow(window, WM_COMMAND, 102, 0);
    size_t logBefore = DriveLog(session).size();
    double cpuBefore = PlayerCpuSeconds(session, lumo);
    Sleep(playSeconds * 1000);
    double cpu = PlayerCpuSeconds(session, lumo) - cpuBefore;
    size_t plays = PlaysSince(session, logBefore).size();
    printf("\nPlaying (main timer at 500 ms, drive at %dx, %zu plays in %lu s):\n", drive.speed, plays,
           playSeconds);
    printf("  CPU %.3f s in %lu s of play: %.1f s per hour of play (%.3f %% of one core)\n", cpu, playSeconds,
           cpu * 3600.0 / playSeconds, cpu * 100.0 / playSeconds);

    printf("\nObjects of the player:\n");
    ObjectCounts start = CountObjects(session, lumo);
    PrintCounts("while playing", start);
    for (int tick = 0; tick < 10000; ++tick)
        SendToWindow(window, WM_TIMER, 1001, 0);
    ObjectCounts afterTicks = CountObjects(session, lumo);
    PrintCounts("after 10,000 timer ticks", afterTicks);
    for (int change = 0; change < 1000; ++change)
        SendToWindow(window, WM_COMMAND, change % 2 == 0 ? 104 : 105, 0);
    ObjectCounts afterChanges = CountObjects(session, lumo);
    PrintCounts("after 1,000 track changes", afterChanges);
    printf("\n");

    EXPECT_LE(afterTicks.gdi, start.gdi);
    EXPECT_LE(afterChanges.gdi, start.gdi);
    EXPECT_LE(afterChanges.user, start.user);
    EXPECT_LE(afterChanges.windows, start.windows);
}

} // namespace
