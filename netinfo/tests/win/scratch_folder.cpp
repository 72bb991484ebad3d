#include "scratch_folder.h"

#include <windows.h>

#include <cstdio>
#include <sstream>

#include "harness.h"

namespace {

// "MM/DD/YY-HH:MM:SS " before the direction.
bool HasStamp(const std::string &line)
{
    static const char kShape[] = "00/00/00-00:00:00 ";
    if (line.size() < sizeof(kShape) - 1)
        return false;
    for (size_t i = 0; i + 1 < sizeof(kShape); ++i) {
        const bool digit = line[i] >= '0' && line[i] <= '9';
        if (kShape[i] == '0' ? !digit : line[i] != kShape[i])
            return false;
    }
    return true;
}

} // namespace

ScratchFolder::ScratchFolder()
{
    static int serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    char name[MAX_PATH + 64];
    snprintf(name, sizeof(name), "%snetinfo-%lu-%d", temp, GetCurrentProcessId(), ++serial);
    CreateDirectoryA(name, NULL);
    path_ = std::string(name) + "\\";
}

ScratchFolder::~ScratchFolder()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((path_ + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

void ScratchFolder::Write(const std::string &name, const std::string &text) const
{
    EXPECT_TRUE(e2e::WriteFileText(File(name), text));
}

std::string ScratchFolder::Read(const std::string &name) const
{
    return e2e::ReadFileText(File(name));
}

bool ScratchFolder::Exists(const std::string &name) const
{
    return e2e::FileExists(File(name));
}

std::string ScratchFolder::Setting(const std::string &file, const char *section, const char *key) const
{
    return e2e::IniValue(File(file), section, key);
}

std::vector<std::string> ScratchFolder::LogLines() const
{
    std::vector<std::string> lines;
    std::istringstream text(Read("NETINFO.LOG"));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(HasStamp(line) ? line.substr(18) : line);
    }
    return lines;
}
