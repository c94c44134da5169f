// The views list a day's events one per CheckEvent call; the month grid and
// the start-up lookup count them all in one call. The store is switched for
// the length of one view's drawing and then given back as it was.
#pragma once

#include "core/events/events.h"

class OneEventPerCall {
public:
    explicit OneEventPerCall(Events& store)
        : store_(store), nMode_(store.nMode), nMaxLen_(store.nMaxLen), nStart_(store.nStart)
    {
        store.nMode = 1;
        store.nMaxLen = 63;
        store.nStart = 0;
    }
    ~OneEventPerCall()
    {
        store_.nMode = nMode_;
        store_.nMaxLen = nMaxLen_;
        store_.nStart = nStart_;
    }
    OneEventPerCall(const OneEventPerCall&) = delete;
    OneEventPerCall& operator=(const OneEventPerCall&) = delete;

private:
    Events& store_;
    int nMode_;
    int nMaxLen_;
    int nStart_;
};
