#include "desktop/resources/help_line_breaks.h"

#include <algorithm>

#include <wx/html/htmlcell.h>
#include <wx/html/htmlfilt.h>
#include <wx/html/htmlproc.h>
#include <wx/html/htmlwin.h>
#include <wx/html/htmprint.h>
#include <wx/html/winpars.h>
#include <wx/sstream.h>

namespace resources {

namespace {

// The program runs in the "C" locale: the sets are decoded from UTF-8 once.
const wxString& NoBreakBefore()
{
    static const wxString set = wxString::FromUTF8(
        "、。，．・：；？！゛゜ヽヾゝゞ々〻ー‐―〜～…‥）〕］｝〉》」』】〙〗〟’”｠｡､｣･ｰﾞﾟ％"
        "ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿｧｨｩｪｫｬｭｮｯ");
    return set;
}

const wxString& NoBreakAfter()
{
    static const wxString set = wxString::FromUTF8("（〔［｛〈《「『【〘〖〝‘“｟｢");
    return set;
}

bool IsFullWidthAlnum(wxUniChar c)
{
    return (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A);
}

// Characters set in Japanese text as characters of their own: kana, kanji,
// Japanese punctuation and the full-width and half-width forms, and the
// symbols that go with them.
bool IsJapanese(wxUniChar c)
{
    const unsigned v = c.GetValue();
    return v == 0x2015 || (v >= 0x2018 && v <= 0x201D) || v == 0x2025 || v == 0x2026 || v == 0x203B ||
           (v >= 0x2190 && v <= 0x21FF) || (v >= 0x2460 && v <= 0x27BF) || (v >= 0x2E80 && v <= 0x2FDF) ||
           (v >= 0x3000 && v <= 0x9FFF) || (v >= 0xF900 && v <= 0xFAFF) || (v >= 0xFE30 && v <= 0xFE4F) ||
           (v >= 0xFF01 && v <= 0xFFEF);
}

bool MayBreakBetween(wxUniChar before, wxUniChar after)
{
    return IsJapanese(before) && IsJapanese(after) && NoBreakAfter().Find(before) == wxNOT_FOUND &&
           NoBreakBefore().Find(after) == wxNOT_FOUND &&
           !(IsFullWidthAlnum(before) && IsFullWidthAlnum(after));
}

// Tags inside a line of text: a break may fall on either side of them.
bool IsInline(const wxString& name)
{
    static const wxString inlineTags =
        " a abbr b big cite code em font i kbd q s samp small span strike strong sub sup tt u var wbr ";
    return inlineTags.Find(" " + name + " ") != wxNOT_FOUND;
}

// Elements whose text is never broken: it is not running text, or its lines are set as written.
bool IsUnbroken(const wxString& name)
{
    return name == "pre" || name == "script" || name == "style" || name == "textarea";
}

// The end of the markup that starts at start ('<'): after a comment's "-->" or
// the tag's '>' outside quotes; the page's end when it is not closed.
size_t MarkupEnd(const wxString& page, size_t start)
{
    if (page.compare(start, 4, "<!--") == 0) {
        const size_t close = page.find("-->", start + 4);
        return close == wxString::npos ? page.length() : close + 3;
    }
    wxUniChar quote = 0;
    for (size_t i = start + 1; i < page.length(); ++i) {
        const wxUniChar c = page[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return page.length();
}

// The lower-case element name of a tag ("/p" for an end tag); "" for comments.
wxString TagName(const wxString& tag)
{
    size_t end = 1;
    if (end < tag.length() && tag[end] == '/')
        ++end;
    while (end < tag.length() && wxIsalnum(tag[end]))
        ++end;
    return tag.substr(1, end - 1).Lower();
}

// Where the character reference that starts at start ('&') ends, or start
// when there is none.
size_t EntityEnd(const wxString& page, size_t start)
{
    size_t i = start + 1;
    while (i < page.length() && (wxIsalnum(page[i]) || page[i] == '#'))
        ++i;
    return i > start + 1 && i < page.length() && page[i] == ';' ? i + 1 : start;
}

// A place where a line may end. It has no size and draws nothing, and unlike
// other cells without a size it does not hold the cells beside it together.
class BreakCell : public wxHtmlCell {
public:
    bool IsLinebreakAllowed() const override { return true; }
};

class BreakHandler : public wxHtmlWinTagHandler {
public:
    wxString GetSupportedTags() override { return "WBR"; }
    bool HandleTag(const wxHtmlTag&) override
    {
        m_WParser->GetContainer()->InsertCell(new BreakCell);
        return false;
    }
};

class BreakModule : public wxHtmlTagsModule {
public:
    void FillHandlersTable(wxHtmlWinParser* parser) override { parser->AddTagHandler(new BreakHandler); }
};

// Every page the help viewer shows, with its line breaks.
class LineBreakProcessor : public wxHtmlProcessor {
public:
    wxString Process(const wxString& page) const override { return WithLineBreaks(page); }
};

// The pages of the built-in book with their line breaks when the viewer prints
// them; every other file is left to the toolkit's own reading.
class BookPageFilter : public wxHtmlFilter {
public:
    bool CanRead(const wxFSFile& file) const override
    {
        return file.GetLocation().StartsWith("memory:vesoma.htb") &&
               file.GetMimeType().StartsWith("text/html");
    }
    wxString ReadFile(const wxFSFile& file) const override
    {
        wxStringOutputStream page(nullptr, wxConvUTF8);  // the book's pages are UTF-8
        file.GetStream()->Read(page);
        return WithLineBreaks(page.GetString());
    }
};

}  // namespace

wxString WithLineBreaks(const wxString& page)
{
    wxString out;
    out.reserve(page.length() * 2);
    bool inBody = page.Lower().Find("<body") == wxNOT_FOUND;
    int unbroken = 0;          // depth of elements whose text stays whole
    wxUniChar previous = ' ';  // the text character before, across inline tags
    for (size_t i = 0; i < page.length();) {
        const wxUniChar c = page[i];
        size_t end = i + 1;
        if (c == '<') {
            end = MarkupEnd(page, i);
            const wxString name = TagName(page.substr(i, end - i));
            if (name == "body")
                inBody = true;
            else if (IsUnbroken(name))
                ++unbroken;
            else if (name.StartsWith("/") && IsUnbroken(name.substr(1)) && unbroken > 0)
                --unbroken;
            if (!IsInline(name))
                previous = ' ';
        } else if (c == '&' && EntityEnd(page, i) > i) {
            end = EntityEnd(page, i);
            previous = c;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            end = std::min(page.find_first_not_of(" \t\r\n", i), page.length());
            // A line end of the source between two Japanese characters is no
            // blank in Japanese text; the toolkit would show one.
            if (inBody && unbroken == 0 && page.find('\n', i) < end && end < page.length() &&
                IsJapanese(previous) && IsJapanese(page[end])) {
                if (MayBreakBetween(previous, page[end]))
                    out += "<wbr>";
                i = end;
                continue;
            }
            previous = ' ';
        } else {
            if (inBody && unbroken == 0 && MayBreakBetween(previous, c))
                out += "<wbr>";
            previous = c;
        }
        out.append(page, i, end - i);
        i = end;
    }
    return out;
}

void InstallHelpLineBreaks()
{
    static BreakModule module;  // the parsers only borrow it
    wxHtmlWinParser::AddModule(&module);
    wxHtmlPrintout::AddFilter(new BookPageFilter);  // the toolkit deletes it when it shuts down
}

void BreakLinesIn(wxHtmlWindow* window)
{
    window->AddProcessor(new LineBreakProcessor);  // the window deletes it
}

}  // namespace resources
