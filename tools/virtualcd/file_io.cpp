#include "vcdaudio.h"

#include <cstdio>

namespace {

struct HandleGuard {
  HANDLE handle;
  explicit HandleGuard(HANDLE h) : handle(h) {}
  ~HandleGuard() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  HandleGuard(const HandleGuard&) = delete;
  HandleGuard& operator=(const HandleGuard&) = delete;
};

enum class ReadResult { Ok, Missing, Busy };

ReadResult ReadOnce(const char* path, char* buffer, size_t capacity, size_t* length) {
  HandleGuard file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.handle == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_SHARING_VIOLATION ? ReadResult::Busy : ReadResult::Missing;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.handle, &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) >= capacity)
    return ReadResult::Missing;
  DWORD wanted = static_cast<DWORD>(size.QuadPart), got = 0;
  if (!ReadFile(file.handle, buffer, wanted, &got, nullptr)) return ReadResult::Missing;
  buffer[got] = '\0';
  *length = got;
  // A writer that truncates before writing leaves an empty file for a moment.
  return got == 0 ? ReadResult::Busy : ReadResult::Ok;
}

}  // namespace

bool ReadSmallFile(const char* path, char* buffer, size_t capacity, size_t* length) {
  *length = 0;
  if (capacity == 0) return false;
  buffer[0] = '\0';
  if (!path || !path[0]) return false;
  for (int attempt = 0;; ++attempt) {
    ReadResult result = ReadOnce(path, buffer, capacity, length);
    if (result == ReadResult::Ok) return true;
    if (result == ReadResult::Missing) return false;
    if (attempt == 2) {
      // Empty it really is.
      buffer[0] = '\0';
      *length = 0;
      return true;
    }
    Sleep(10);
  }
}

bool ReplaceFileContent(const char* path, const char* data, size_t length) {
  char temporary[MAX_PATH + 16];
  int n = snprintf(temporary, sizeof(temporary), "%s.%lu.tmp", path, GetCurrentProcessId());
  if (n < 0 || static_cast<size_t>(n) >= sizeof(temporary)) return false;
  {
    HandleGuard file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    if (!WriteFile(file.handle, data, static_cast<DWORD>(length), &written, nullptr) || written != length) {
      CloseHandle(file.handle);
      file.handle = INVALID_HANDLE_VALUE;
      DeleteFileA(temporary);
      return false;
    }
  }
  if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileA(temporary);
  return false;
}

void AppendLineToFile(const char* path, const char* text, size_t length) {
  // Opened and closed for every line so that a reader sees each line at once.
  HandleGuard file(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.handle == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file.handle, text, static_cast<DWORD>(length), &written, nullptr);
  WriteFile(file.handle, "\n", 1, &written, nullptr);
}

void FindControlFile(HINSTANCE module, char* path, size_t size) {
  DWORD n = GetEnvironmentVariableA("VCD_CONTROL", path, static_cast<DWORD>(size));
  if (n > 0 && n < size) return;
  path[0] = '\0';
  if (n >= size) return;  // named but too long: no control file rather than another one
  char dll[MAX_PATH];
  DWORD length = GetModuleFileNameA(module, dll, sizeof(dll));
  if (length == 0 || length >= sizeof(dll)) return;
  char folder[MAX_PATH];
  DirectoryOf(dll, folder, sizeof(folder));
  snprintf(path, size, "%s\\vcdaudio.ini", folder);
}
