// The table of contents of the freedb test disc, shared by the core tests.
#pragma once

#include <cstring>

#include "disc_toc.h"

inline const char kFreedbDiscText[] =
    "# freedb test disc\n"
    "tracks=150 28615 51027 75835 102620 121460 148977 175697 204322 231082 268002\n"
    "leadout=286965\n";

inline DiscToc FreedbDisc() {
  DiscToc toc;
  ParseDiscText(kFreedbDiscText, strlen(kFreedbDiscText), &toc, nullptr);
  return toc;
}
