#include "platform/clock.h"

#include <ctime>

namespace platform {

namespace {

bool gFixed = false;
int gFixedDate[3] = {0, 0, 0};

}  // namespace

void GetToday(int* date)
{
    if (gFixed) {
        for (int i = 0; i < 3; ++i)
            date[i] = gFixedDate[i];
        return;
    }
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    date[0] = local.tm_year + 1900;
    date[1] = local.tm_mon + 1;
    date[2] = local.tm_mday;
}

void SetToday(const int* date)
{
    gFixed = date != nullptr;
    if (gFixed) {
        for (int i = 0; i < 3; ++i)
            gFixedDate[i] = date[i];
    }
}

}  // namespace platform
