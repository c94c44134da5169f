#include "desktop/platform/print_server.h"

#include <cups/cups.h>
#include <sys/socket.h>

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
    // A request that timed out or lost the connection reports "not found"
    // too; only the connection tells that the server did not answer.
    const bool answered = httpError(http) == 0;
    httpClose(http);
    if (dest == nullptr)
        return answered ? PrintDestination::NoDefault : PrintDestination::NoServer;
    *name = dest->name;
    cupsFreeDests(1, dest);
    return PrintDestination::Ready;
}

}  // namespace platform
