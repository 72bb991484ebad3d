#include "postscript_printer.h"

#include <winspool.h>

#include <vector>

#include "harness.h"

namespace {

const char kPrinter[] = "Lumo Cover Printer";
const char kDriver[] = "Lumo Cover PostScript";

// Wine's generic PPD, resource 1 of type "PPDFILE" in its winspool.drv.
bool InstallDriver(std::string *why)
{
    char directory[MAX_PATH] = "";
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(NULL, NULL, 1, reinterpret_cast<LPBYTE>(directory), sizeof(directory), &needed)) {
        *why = "no printer driver directory";
        return false;
    }
    HMODULE spooler = LoadLibraryExA("winspool.drv", NULL, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = spooler ? FindResourceA(spooler, MAKEINTRESOURCEA(1), "PPDFILE") : NULL;
    if (!resource) {
        *why = "winspool.drv holds no PPD (not Wine?)";
        return false;
    }
    const char *ppd = static_cast<const char *>(LockResource(LoadResource(spooler, resource)));
    const std::string ppdPath = std::string(directory) + "\\lumo-cover.ppd";
    const bool written = e2e::WriteFileText(ppdPath, std::string(ppd, SizeofResource(spooler, resource)));
    FreeLibrary(spooler);
    if (!written) {
        *why = "cannot write " + ppdPath;
        return false;
    }
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char *>(kDriver);
    driver.pDriverPath = const_cast<char *>("wineps.drv");
    driver.pDataFile = const_cast<char *>(ppdPath.c_str());
    driver.pConfigFile = const_cast<char *>("wineps.drv");
    if (!AddPrinterDriverA(NULL, 3, reinterpret_cast<LPBYTE>(&driver)) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        *why = "AddPrinterDriver failed with " + std::to_string(GetLastError());
        return false;
    }
    return true;
}

bool PointPrinterAt(const std::string &portPath)
{
    HANDLE printer = NULL;
    PRINTER_DEFAULTSA access = {NULL, NULL, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(const_cast<char *>(kPrinter), &printer, &access))
        return false;
    DWORD needed = 0;
    GetPrinterA(printer, 2, NULL, 0, &needed);
    std::vector<BYTE> data(needed);
    bool pointed = needed > 0 && GetPrinterA(printer, 2, data.data(), needed, &needed);
    if (pointed) {
        reinterpret_cast<PRINTER_INFO_2A *>(data.data())->pPortName = const_cast<char *>(portPath.c_str());
        pointed = SetPrinterA(printer, 2, data.data(), 0) != 0;
    }
    ClosePrinter(printer);
    return pointed;
}

bool CreatePrinter(const std::string &portPath)
{
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char *>(kPrinter);
    info.pPortName = const_cast<char *>(portPath.c_str());
    info.pDriverName = const_cast<char *>(kDriver);
    info.pPrintProcessor = const_cast<char *>("WinPrint");
    info.pDatatype = const_cast<char *>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(NULL, 2, reinterpret_cast<LPBYTE>(&info));
    if (!printer)
        return false;
    ClosePrinter(printer);
    return true;
}

std::string UnixPath(const std::string &windowsPath)
{
    using Convert = char *(CDECL *)(const wchar_t *);
    const Convert convert = reinterpret_cast<Convert>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert)
        return std::string();
    wchar_t wide[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char *unix = convert(wide);
    if (!unix)
        return std::string();
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

} // namespace

bool UsePostScriptPrinter(const std::string &portPath, std::string *why)
{
    if (!InstallDriver(why))
        return false;
    if (!PointPrinterAt(portPath) && !CreatePrinter(portPath)) {
        *why = "cannot add the printer: error " + std::to_string(GetLastError());
        return false;
    }
    if (!SetDefaultPrinterA(kPrinter)) {
        *why = "cannot make the printer the default";
        return false;
    }
    return true;
}

PrinterGeometry DefaultPrinterGeometry()
{
    PrinterGeometry geometry;
    HDC printer = CreateDCA(NULL, kPrinter, NULL, NULL);
    if (!printer)
        return geometry;
    geometry.dpiX = GetDeviceCaps(printer, LOGPIXELSX);
    geometry.dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    geometry.offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
    geometry.offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    DeleteDC(printer);
    return geometry;
}

std::string WaitForPrintJob(const std::string &path, DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        const std::string job = e2e::ReadFileText(path);
        if (job.find("%%EOF") != std::string::npos)
            return job;
        Sleep(50);
    } while (GetTickCount() - start < ms);
    return std::string();
}

PageImage RenderPostScript(const std::string &psPath, int dpi, std::string *why)
{
    const std::string ppmPath = psPath + ".ppm";
    const std::string psUnix = UnixPath(psPath), ppmUnix = UnixPath(ppmPath);
    if (psUnix.empty() || ppmUnix.empty()) {
        *why = "no Unix path for " + psPath;
        return PageImage();
    }
    // Wine does not wait for a Unix program it starts: the page is written
    // aside and renamed when whole, or a mark says that Ghostscript failed.
    std::string command = "/bin/sh -c \"gs -q -dSAFER -dBATCH -dNOPAUSE -dFirstPage=1 -dLastPage=1 -sDEVICE=ppmraw -r" +
                          std::to_string(dpi) + " '-sOutputFile=" + ppmUnix + ".part' '" + psUnix + "' && mv '" +
                          ppmUnix + ".part' '" + ppmUnix + "' || echo failed > '" + ppmUnix + ".failed'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        *why = "/bin/sh did not start";
        return PageImage();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const DWORD start = GetTickCount();
    while (!e2e::FileExists(ppmPath)) {
        if (e2e::FileExists(ppmPath + ".failed") || GetTickCount() - start > 60000) {
            *why = "Ghostscript did not render " + psUnix + " (tools/setup/install-deps installs it)";
            return PageImage();
        }
        Sleep(50);
    }
    PageImage page = ReadPpm(ppmPath);
    if (page.pixels.empty())
        *why = "Ghostscript wrote no page";
    return page;
}
