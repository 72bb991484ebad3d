// QuickUpdate replies and pages: status code, body, keys and analysis; and
// the page address the check connects to.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "netinfo/update_page.h"

namespace {
PageAnalysis g_analysis;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string reply(reinterpret_cast<const char *>(data), size);
    HttpStatusCode(reply.c_str());
    const char *body = HttpBody(reply.c_str());
    const int verify = size > 0 ? data[0] % 3 : 2;
    AnalysePage(body, verify, 569, 568, &g_analysis);
    if (g_analysis.haveNewPage && !IsPlainAddress(g_analysis.newPage))
        __builtin_trap();
    if (g_analysis.askQuestion && (!IsWebAddress(g_analysis.officialPage) || g_analysis.newBuild <= 568))
        __builtin_trap();

    char host[64], path[128];
    int port = 0;
    if (SplitPageAddress(reply.c_str(), host, sizeof(host), &port, path, sizeof(path)) &&
        (host[0] == '\0' || port < 1 || port > 65535 || path[0] != '/'))
        __builtin_trap();
    return 0;
}
