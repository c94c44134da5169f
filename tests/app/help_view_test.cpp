// The help book's pages as the viewer lays them out: every line inside the
// view, broken only where Japanese typesetting lets a line end.
#include <string>

#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>
#include <wx/splitter.h>
#include <wx/utils.h>

#include "desktop/resources/help.h"
#include "tests/support/app_fixture.h"

namespace {

using PictureTest = AppTest;

// At the narrowest width the viewer is made for and a common one; the text as written but for blanks
// (the source's line ends between Japanese characters show none); the search still finds words whole.
TEST_F(PictureTest, HelpPagesWrapInsideTheViewAtAnyWidth)
{
    const wxString noStart = wxString::FromUTF8("、。）」』ぁぃぅぇぉっゃゅょァィゥェォッャュョー");
    const wxString noEnd = wxString::FromUTF8("（「『");
    const auto blankless = [](wxString text) {
        text.Replace(" ", "");
        return text.utf8_string();
    };
    ASSERT_TRUE(resources::ShowHelpUsage(nullptr));
    wxHtmlHelpFrame* frame = OpenWindows<wxHtmlHelpFrame>().at(0);
    wxHtmlHelpWindow* help = frame->GetHelpWindow();
    wxHtmlWindow* view = help->GetHtmlWindow();
    auto* written = new wxHtmlWindow(help);  // a plain HTML window: the pages as written
    written->Hide();
    for (const int width : {400, 700}) {
        frame->SetSize(width + 400, 720);
        for (int i = 0; i < 50 && view->GetClientSize().x != width; ++i) {
            wxMilliSleep(20);  // the display server resizes the frame, then the divider moves
            PumpEvents();
            if (help->GetSize().x == frame->GetClientSize().x)
                help->GetSplitterWindow()->SetSashPosition(help->GetSplitterWindow()->GetSashPosition() +
                                                           view->GetClientSize().x - width);
        }
        ASSERT_EQ(view->GetClientSize().x, width);
        const wxHtmlHelpDataItems& pages = help->GetData()->GetContentsArray();
        for (size_t i = 0; i < pages.size(); ++i) {
            const wxHtmlHelpDataItem* page = &pages[i];
            SCOPED_TRACE(page->page.utf8_string() + " at " + std::to_string(width));
            ASSERT_TRUE(view->LoadPage(page->GetFullPath()) && written->LoadPage(page->GetFullPath()));
            EXPECT_EQ(blankless(view->ToText()), blankless(written->ToText()));
            const wxHtmlCell* before = nullptr;  // the word before on the line
            for (wxHtmlTerminalCellsInterator cell(view->GetInternalRepresentation()->GetFirstTerminal(),
                                                   nullptr);
                 cell; ++cell) {
                const wxString word = cell->ConvertToText(nullptr),
                               last = before ? before->ConvertToText(nullptr) : "";
                EXPECT_LE(cell->GetAbsPos().x + cell->GetWidth(), width) << word.utf8_string();
                if (!word.empty() && !last.Strip().empty() && before->GetParent() == cell->GetParent() &&
                    cell->GetPosX() <= before->GetPosX()) {  // the line wrapped before this word
                    EXPECT_EQ(noStart.Find(word[0]), wxNOT_FOUND) << word.utf8_string() << " starts a line";
                    EXPECT_EQ(noEnd.Find(last.Strip().Last()), wxNOT_FOUND)
                        << last.utf8_string() << " ends a line";
                }
                before = word.empty() ? before : *cell;
            }
            wxHtmlContainerCell* laid = view->GetInternalRepresentation();
            wxHtmlRenderingInfo painting;
            if (page->page == "index.html" || page->page == "table.html")
                SavePicture(Render(wxSize(width, laid->GetHeight()),
                                   [&](wxDC& dc) { laid->Draw(dc, 0, 0, 0, laid->GetHeight(), painting); }),
                            "help_" + page->page.BeforeFirst('.').utf8_string() + "_" +
                                std::to_string(width) + ".png");
        }
    }
    EXPECT_TRUE(help->KeywordSearch(wxString::FromUTF8("二十四節気")));
    resources::QuitHelp();
}

}  // namespace
