// Line breaks between Japanese characters in the help book's pages.
//
// The toolkit's HTML window ends lines only at blanks, and Japanese text has
// none, so a paragraph would run on as one line. The pages stay plain HTML:
// when the viewer shows (or prints) a page, a <wbr> goes between each two
// Japanese characters where Japanese typesetting lets a line end, and <wbr>
// becomes a place where the window may end a line. The files in the book stay
// as written, so the viewer's search, which reads them with every tag turned
// into a blank, still finds words across those places.
#pragma once

#include <wx/html/htmlwin.h>
#include <wx/string.h>

namespace resources {

// The page with a <wbr> at every place in its body's text where a line may
// end between two Japanese characters: never before closing brackets and
// punctuation (、。）」 and the like), small kana or the long-vowel mark, never
// after opening brackets; nothing inside tags, entities, the head, <pre>,
// <script> and <style>. A line end of the source between two Japanese
// characters goes, as Japanese typesetting has it (the toolkit would show a
// blank there), and leaves a <wbr> where a line may end. Nothing else changes.
wxString WithLineBreaks(const wxString& page);

// Makes <wbr> a place where a line may end, in every HTML window and
// printout, and has the help book's pages printed with their line breaks.
// Call once before the first HTML window is made.
void InstallHelpLineBreaks();

// Has window show every page with its line breaks.
void BreakLinesIn(wxHtmlWindow* window);

}  // namespace resources
