// A day's events put straight into the store's record array for the views,
// and taken out again when the test ends.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "core/events/events.h"

class StoredEvents {
public:
    ~StoredEvents() { Store(0, 0, 0, {}); }

    static void Store(int year, int month, int day, const std::vector<std::string>& names)
    {
        Events::hMem.clear();
        for (const std::string& name : names) {
            EventRecord record{year, month, day, -1, {}};
            std::strncpy(record.szEvent, name.c_str(), sizeof record.szEvent - 1);
            Events::hMem.push_back(record);
        }
        Events::nCount = static_cast<int>(names.size());
    }
};
