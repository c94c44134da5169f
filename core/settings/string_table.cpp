#include "core/settings/string_table.h"

#include "platform/sjis.h"

namespace resources {

namespace {

struct StringEntry {
    int id;
    const char* utf8;
};

// Status hints carry the id of their command.
constexpr StringEntry kStrings[] = {
    {48, "印刷します"},
    {513, "翌月の運勢暦を開きます"},
    {514, "前月の運勢暦を開きます"},
    {515, "指定した月の運勢暦を開きます"},
    {516, "六曜暦を開きます"},
    {517, "今日または選択された日の運勢を開きます"},
    {1023, "バージョン情報ダイアログボックスを開きます"},
    {2049, "Ｑｕｅｌｏｎの運勢暦"},
    {2050, "運勢暦"},
    {2051, "VESOMA"},
    {2052, "VESOMA.CAL"},
    {2053, "VESOMA.HLP"},
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
