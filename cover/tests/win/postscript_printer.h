// A PostScript printer of the Wine prefix whose port is a file, made the
// default printer so that the print dialog offers it; its pages rendered
// by Ghostscript (a Unix program, which Wine starts like any other).
#pragma once

#include <windows.h>

#include <string>

#include "page_image.h"

// Makes (or re-points) the printer "Lumo Cover Printer" to write its jobs
// to `portPath` and makes it the default; false with the reason otherwise.
bool UsePostScriptPrinter(const std::string &portPath, std::string *why);

// Where the printer's pages land: dots per inch and the printable area's
// offset from the paper's corner, in device units.
struct PrinterGeometry {
    int dpiX = 0, dpiY = 0;
    int offsetX = 0, offsetY = 0;
};
PrinterGeometry DefaultPrinterGeometry();

// The job's text once the file at `path` holds a whole PostScript job;
// empty when none came within `ms`.
std::string WaitForPrintJob(const std::string &path, DWORD ms = 15000);

// Renders the first page of the PostScript file at `dpi` with Ghostscript;
// an empty image with the reason when that failed.
PageImage RenderPostScript(const std::string &psPath, int dpi, std::string *why);
