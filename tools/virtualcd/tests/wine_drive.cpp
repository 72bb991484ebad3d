#include "wine_drive.h"

#include <cstdio>

namespace {

std::vector<Notification> Received;

LRESULT CALLBACK NotifyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MM_MCINOTIFY) {
    Received.push_back({wParam, lParam});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateNotifyWindow() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = NotifyWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VcdTestNotify";
    registered = RegisterClassA(&windowClass) != 0;
  }
  return CreateWindowA("VcdTestNotify", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

DWORD OpenLikeThePlayer(MCIDEVICEID* device) {
  MCI_OPEN_PARMSA params = {};
  params.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
  params.lpstrElementName = "D:";
  params.lpstrAlias = "Lumo";
  DWORD error = mciSendCommandA(0, MCI_OPEN,
                                MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS | MCI_OPEN_SHAREABLE,
                                reinterpret_cast<DWORD_PTR>(&params));
  *device = params.wDeviceID;
  return error;
}

void DriveTest::SetUp() {
  static int serial = 0;
  char temp[MAX_PATH];
  ASSERT_NE(GetTempPathA(sizeof(temp), temp), 0u);
  char name[MAX_PATH + 64];
  snprintf(name, sizeof(name), "%svcdtest-%lu-%d", temp, GetCurrentProcessId(), ++serial);
  folder = name;
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  WriteFolderFile("freedb.disc", kFreedbDisc);
  WriteControl({"Disc=freedb.disc", "Door=closed", "Log=drive.log"});
  SetEnvironmentVariableA("VCD_CONTROL", (folder + "\\vcd.ini").c_str());

  Received.clear();
  window = CreateNotifyWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(OpenLikeThePlayer(&device), 0u);
}

void DriveTest::TearDown() {
  if (device) mciSendCommandA(device, MCI_CLOSE, 0, 0);
  if (window) DestroyWindow(window);
  SetEnvironmentVariableA("VCD_CONTROL", nullptr);
  if (!folder.empty()) RemoveFolder(folder);
}

void DriveTest::WriteControl(const std::vector<std::string>& lines) {
  std::string text = "; control file of a vcdaudio test\r\n[Drive]\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  WriteFolderFile("vcd.ini", text);
}

void DriveTest::WriteFolderFile(const std::string& name, const std::string& text) {
  // Written aside and renamed over, so the driver never reads half a file.
  std::string path = folder + "\\" + name, temporary = path + ".new";
  FILE* file = fopen(temporary.c_str(), "wb");
  ASSERT_NE(file, nullptr) << temporary;
  fwrite(text.data(), 1, text.size(), file);
  fclose(file);
  ASSERT_TRUE(MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) << path;
}

std::string DriveTest::ReadFolderFile(const std::string& name) {
  std::string text;
  FILE* file = fopen((folder + "\\" + name).c_str(), "rb");
  if (!file) return text;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, n);
  fclose(file);
  return text;
}

std::vector<std::string> DriveTest::LogLines() {
  std::vector<std::string> lines;
  std::string text = ReadFolderFile("drive.log");
  size_t start = 0, end;
  while ((end = text.find('\n', start)) != std::string::npos) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string DriveTest::Send(const std::string& command) {
  char reply[256] = "";
  DWORD error = mciSendStringA(command.c_str(), reply, sizeof(reply), window);
  if (error) return "error " + std::to_string(error);
  return reply;
}

std::vector<Notification> DriveTest::WaitForNotifications(size_t count, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    DWORD spent = GetTickCount() - start;
    if (Received.size() >= count || spent >= ms) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
  }
  std::vector<Notification> got;
  got.swap(Received);
  return got;
}
