#include "platform/profile.h"

#include <climits>
#include <cstring>
#include <vector>

#include <unistd.h>

#include "platform/file_io.h"
#include "platform/sjis.h"

namespace platform {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string Trim(const std::string& s)
{
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Case-insensitive for ASCII letters only; the second byte of a double-byte
// character is compared as it is, since it may look like a letter.
bool SameName(const std::string& a, const char* b)
{
    std::size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (std::size_t i = 0; i < n;) {
        std::size_t len = CharLength(a.c_str() + i, n - i);
        if (len == 0)
            return false;
        if (len == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
        i += len;
    }
    return true;
}

struct Line {
    std::string text;  // without the line end
    bool isSection = false;
    bool isKey = false;
    std::string name;  // section or key name
    std::string value;
};

Line ParseLine(const std::string& text)
{
    Line line;
    line.text = text;
    std::string body = Trim(text);
    if (body.empty() || body[0] == ';')
        return line;
    if (body[0] == '[') {
        const char* close = FindText(body.c_str() + 1, "]");
        std::size_t end = close ? static_cast<std::size_t>(close - body.c_str()) : body.size();
        line.isSection = true;
        line.name = Trim(body.substr(1, end - 1));
        return line;
    }
    std::size_t eq = body.find('=');  // '=' is never the second byte of a CP932 character
    if (eq == std::string::npos)
        return line;
    line.isKey = true;
    line.name = Trim(body.substr(0, eq));
    line.value = Trim(body.substr(eq + 1));
    if (line.value.size() >= 2 && (line.value.front() == '"' || line.value.front() == '\'') &&
        line.value.back() == line.value.front())
        line.value = line.value.substr(1, line.value.size() - 2);
    return line;
}

struct Profile {
    std::vector<Line> lines;
    std::string lineEnd = "\r\n";
};

// The largest profile read: far more than any settings need.
constexpr std::size_t kProfileLimit = std::size_t{1} << 20;

Profile Parse(const std::string& all)
{
    Profile profile;
    if (all.find('\n') != std::string::npos && all.find("\r\n") == std::string::npos)
        profile.lineEnd = "\n";
    std::size_t at = 0;
    while (at < all.size()) {
        std::size_t nl = all.find('\n', at);
        std::size_t end = nl == std::string::npos ? all.size() : nl;
        std::string text = all.substr(at, end - at);
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        profile.lines.push_back(ParseLine(text));
        at = end + 1;
    }
    return profile;
}

// The profile as read; a file that is missing or cannot be read (not a
// regular file, too large, no permission) gives the defaults.
Profile Load(const std::string& file)
{
    std::string all;
    return ReadRegularFile(file.c_str(), kProfileLimit, all) == ReadResult::Read ? Parse(all) : Profile{};
}

// Index of the key line of section/key, or -1; sectionEnd receives the index
// after the last non-blank line of the section (-1 when there is no section).
long Find(const Profile& profile, const char* section, const char* key, long* sectionEnd)
{
    bool inSection = false;
    long found = -1;
    long end = -1;
    for (std::size_t i = 0; i < profile.lines.size(); ++i) {
        const Line& line = profile.lines[i];
        if (line.isSection) {
            inSection = SameName(line.name, section);
            if (inSection && end < 0)
                end = static_cast<long>(i) + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!Trim(line.text).empty())
            end = static_cast<long>(i) + 1;
        if (found < 0 && line.isKey && SameName(line.name, key))
            found = static_cast<long>(i);
    }
    if (sectionEnd)
        *sectionEnd = end;
    return found;
}

}  // namespace

std::string ReadProfileString(const std::string& file, const char* section, const char* key, const char* def)
{
    Profile profile = Load(file);
    long at = Find(profile, section, key, nullptr);
    return at < 0 ? std::string(def) : profile.lines[static_cast<std::size_t>(at)].value;
}

int ReadProfileInt(const std::string& file, const char* section, const char* key, int def)
{
    std::string text = ReadProfileString(file, section, key, "");
    if (text.empty())
        return def;
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+')
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

bool WriteProfileString(const std::string& file, const char* section, const char* key, const char* value)
{
    // Another program writing the profile holds its lock for a moment only.
    FileLock lock;
    std::string all;
    ReadResult read = ReadResult::Unreadable;
    for (int round = 0; round < 100; ++round) {
        read = ReadRegularFile(file.c_str(), kProfileLimit, all, nullptr, &lock);
        if (read != ReadResult::Read || lock.Held())
            break;
        ::usleep(20000);
    }
    // A profile that could not be read is never written over.
    if (read != ReadResult::Missing && (read != ReadResult::Read || !lock.Held()))
        return false;
    Profile profile = Parse(all);
    std::string entry = std::string(key) + "=" + value;
    long sectionEnd = -1;
    long at = Find(profile, section, key, &sectionEnd);
    if (at >= 0) {
        profile.lines[static_cast<std::size_t>(at)] = ParseLine(entry);
    } else if (sectionEnd >= 0) {
        profile.lines.insert(profile.lines.begin() + sectionEnd, ParseLine(entry));
    } else {
        if (!profile.lines.empty() && !Trim(profile.lines.back().text).empty())
            profile.lines.push_back(ParseLine(""));
        profile.lines.push_back(ParseLine(std::string("[") + section + "]"));
        profile.lines.push_back(ParseLine(entry));
    }
    std::string content;
    for (const Line& line : profile.lines)
        content += line.text + profile.lineEnd;
    return ReplaceFile(file.c_str(), (file + ".tmp").c_str(), nullptr, content);
}

}  // namespace platform
