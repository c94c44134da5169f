#include "platform/sjis.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include <iconv.h>

namespace platform {

std::size_t CharLength(const char* s, std::size_t limit)
{
    if (limit == 0 || s[0] == '\0')
        return 0;
    if (IsLeadByte(static_cast<unsigned char>(s[0])) && limit >= 2 && s[1] != '\0')
        return 2;
    return 1;
}

std::size_t CutLength(const char* s, std::size_t maxBytes)
{
    std::size_t at = 0;
    for (;;) {
        std::size_t n = CharLength(s + at, SIZE_MAX);
        if (n == 0 || at + n > maxBytes)
            return at;
        at += n;
    }
}

void CopyCut(char* dst, const char* src, std::size_t maxBytes)
{
    std::size_t n = CutLength(src, maxBytes);
    std::memmove(dst, src, n);
    dst[n] = '\0';
}

const char* FindText(const char* text, const char* word)
{
    std::size_t wordLen = std::strlen(word);
    for (const char* p = text; *p != '\0'; p += CharLength(p, SIZE_MAX)) {
        if (std::strncmp(p, word, wordLen) == 0)
            return p;
    }
    return wordLen == 0 ? text : nullptr;
}

namespace {

// iconv with a replacement for what the target lacks or the source breaks.
std::string Convert(const char* to, const char* from, std::string_view in, const char* replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    std::string out;
    char buffer[256];
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, sizeof buffer - dstLeft);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // Skip one unusable input unit: a whole UTF-8 sequence, or one CP932 byte.
            std::size_t skip = 1;
            if (std::strcmp(from, "UTF-8") == 0) {
                while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80)
                    ++skip;
            }
            src += skip;
            srcLeft -= skip;
            out += replacement;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string ToSjis(std::string_view utf8)
{
    return Convert("CP932", "UTF-8", utf8, "?");
}

std::string ToUtf8(std::string_view sjis)
{
    return Convert("UTF-8", "CP932", sjis, "\xEF\xBF\xBD");
}

const char* SjisText(const char* utf8Literal)
{
    static std::mutex guard;
    static std::unordered_map<const char*, std::unique_ptr<std::string>> converted;
    std::lock_guard<std::mutex> lock(guard);
    auto& slot = converted[utf8Literal];
    if (!slot)
        slot = std::make_unique<std::string>(ToSjis(utf8Literal));
    return slot->c_str();
}

}  // namespace platform
