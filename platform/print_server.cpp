#include "platform/print_server.h"

#include <sys/socket.h>

#include <cups/cups.h>

namespace platform {

namespace {

// A local server answers in milliseconds; these only bound a remote or stuck one.
constexpr int kConnectMilliseconds = 3000;
constexpr double kAnswerSeconds = 5.0;

// Ends a request that got no answer within kAnswerSeconds instead of waiting again.
int GiveUp(http_t*, void*)
{
    return 0;
}

}  // namespace

PrintDestination FindDefaultPrintDestination(std::string* name)
{
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                kConnectMilliseconds, nullptr);
    if (http == nullptr)
        return PrintDestination::NoServer;
    httpSetTimeout(http, kAnswerSeconds, GiveUp, nullptr);
    cups_dest_t* dest = cupsGetNamedDest(http, nullptr, nullptr);
    httpClose(http);
    if (dest == nullptr) {
        // Any other failure means the server stopped answering.
        return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? PrintDestination::NoDefault
                                                             : PrintDestination::NoServer;
    }
    *name = dest->name;
    cupsFreeDests(1, dest);
    return PrintDestination::Ready;
}

}  // namespace platform
