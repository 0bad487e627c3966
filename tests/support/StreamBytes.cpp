#include "support/StreamBytes.h"
#include <string.h>

namespace {

DWORD CALLBACK StreamRest(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb)
{
    std::string* rest = (std::string*)cookie;
    size_t n = rest->size() < (size_t)cb ? rest->size() : (size_t)cb;
    memcpy(buf, rest->data(), n);
    rest->erase(0, n);
    *pcb = (LONG)n;
    return 0;
}

}  // namespace

LONG StreamBytes(CRichEditCtrl& ctl, std::string bytes, UINT format)
{
    EDITSTREAM es = {};
    es.dwCookie = (DWORD_PTR)&bytes;
    es.pfnCallback = StreamRest;
    return ctl.StreamIn(format, es);
}
