// Folders handed to the Windows tests in environment variables. ctest passes
// Unix paths, which Wine shows on drive Z:.
#ifndef LUMO_TESTS_ENV_DIRECTORY_H
#define LUMO_TESTS_ENV_DIRECTORY_H

#include <windows.h>
#include <string>

// The folder named by the variable as a Windows path ending with a
// backslash; empty when the variable is not set.
inline std::string DirectoryFromEnvironment(const char *name)
{
    char dir[MAX_PATH] = {0};
    DWORD n = GetEnvironmentVariableA(name, dir, sizeof(dir));
    if (n == 0 || n >= sizeof(dir))
        return std::string();
    std::string path(dir, n);
    if (path[0] == '/')
        path = "Z:" + path;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    if (path.back() != '\\')
        path += '\\';
    return path;
}

#endif
