#include "desktop/platform/toolkit_language.h"

#include <clocale>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <wx/translation.h>

namespace platform {

namespace {

// Texts the toolkit writes that its Japanese catalog leaves in English.
const std::pair<const char*, const char*> kMissingTexts[] = {
    // The help viewer's index: entries shown of all, in the formats of its
    // first filling, its "show all" and its search.
    {"%i of %u", "%i 件 (全 %u 件)"},
    {"%d of %lu", "%d 件 (全 %lu 件)"},
    {"%lu of %lu", "%lu 件 (全 %lu 件)"},
    {"%u of %u", "%u 件 (全 %u 件)"},
};

constexpr const char* kSupplementDomain = "vesoma-toolkit";

// kMissingTexts as the bytes of a compiled message catalog (.mo): the header
// entry that names UTF-8, then each text with its translation.
const std::string& SupplementCatalog()
{
    static const std::string bytes = [] {
        std::vector<std::pair<std::string, std::string>> entries{
            {"", "Content-Type: text/plain; charset=UTF-8\n"}};
        for (const auto& [text, japanese] : kMissingTexts)
            entries.emplace_back(text, japanese);
        const auto count = static_cast<std::uint32_t>(entries.size());
        std::vector<std::uint32_t> words{0x950412de, 0, count, 28, 28 + 8 * count, 0, 0};
        std::string strings;
        const std::uint32_t stringsAt = 28 + 16 * count;
        for (const bool translated : {false, true})
            for (const auto& entry : entries) {
                const std::string& text = translated ? entry.second : entry.first;
                words.push_back(static_cast<std::uint32_t>(text.size()));
                words.push_back(stringsAt + static_cast<std::uint32_t>(strings.size()));
                strings += text + '\0';
            }
        std::string file;
        for (const std::uint32_t word : words)  // little-endian, as the magic number tells the reader
            for (int shift = 0; shift < 32; shift += 8)
                file += static_cast<char>((word >> shift) & 0xff);
        return file + strings;
    }();
    return bytes;
}

// The toolkit's catalogs from their files, and the supplement from memory.
class SupplementedLoader : public wxFileTranslationsLoader {
public:
    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString& lang) override
    {
        if (domain != kSupplementDomain)
            return wxFileTranslationsLoader::LoadCatalog(domain, lang);
        const std::string& bytes = SupplementCatalog();
        return wxMsgCatalog::CreateFromData(wxScopedCharBuffer::CreateNonOwned(bytes.data(), bytes.size()),
                                            domain);
    }
};

}  // namespace

void UseJapaneseToolkitTexts()
{
    // Without a Japanese locale on the machine this fails and GTK keeps its
    // own texts in English; the toolkit's catalog does not depend on it.
#ifdef LC_MESSAGES
    std::setlocale(LC_MESSAGES, "");
#endif
    auto* translations = new wxTranslations;
    translations->SetLoader(new SupplementedLoader);
    translations->SetLanguage("ja");
    translations->AddStdCatalog();
    translations->AddCatalog(kSupplementDomain);
    wxTranslations::Set(translations);  // the toolkit owns it from here on
}

}  // namespace platform
