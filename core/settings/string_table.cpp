#include "core/settings/string_table.h"

#include "platform/sjis.h"

namespace resources {

namespace {

struct StringEntry {
    int id;
    const char* utf8;
};

// The start-up texts.
constexpr StringEntry kStrings[] = {
    {2049, "Ｑｕｅｌｏｎの運勢暦"}, {2050, "運勢暦"},     {2051, "VESOMA"},
    {2052, "VESOMA.CAL"},           {2053, "VESOMA.HLP"},
};

}  // namespace

const char* LoadString(int id)
{
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id)
            return platform::SjisText(entry.utf8);
    }
    return nullptr;
}

void CopyString(int id, const char* fallback, char* dst, std::size_t maxBytes)
{
    const char* text = LoadString(id);
    platform::CopyCut(dst, text ? text : fallback, maxBytes);
}

}  // namespace resources
