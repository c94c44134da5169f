// The event editor and the settings dialog in everyday use.
#include <wx/html/helpfrm.h>
#include <wx/textctrl.h>

#include "desktop/dialogs/event_edit_dialog.h"
#include "desktop/dialogs/init_set_dialog.h"
#include "tests/support/app_fixture.h"

extern "C" void *gtk_window_get_group(GtkWidget*), *gtk_window_group_get_current_grab(void*);

// Help beside the editor takes input at once; the name keeps within a record's 61 bytes.
TEST_F(AppTest, TheEventEditorLeavesHelpUsableAndKeepsItsNameWithinARecord)
{
    WhenModal<EventEditDialog>([](EventEditDialog& editor) {
        wxTheApp->CallAfter(
            [] { OpenWindows<wxHtmlHelpFrame>().at(0)->Close(true); });  // ends a help holding the press
        Press(editor.FindWindow(771));
        const std::vector<wxHtmlHelpFrame*> help = OpenWindows<wxHtmlHelpFrame>();
        ASSERT_EQ(help.size(), 1u) << "the editor waited for the help to close";
        EXPECT_EQ(gtk_window_group_get_current_grab(gtk_window_get_group(help[0]->GetHandle())), nullptr);
        editor.pName->SetValue("a" + wxString(wxUniChar(0x9577), 32));  // 長
        EXPECT_EQ(editor.pName->GetValue(), "a" + wxString(wxUniChar(0x9577), 30));
    });
    SendCommand(StartProgram(), commands::kEventEdit);
}

TEST_F(AppTest, TheSettingsAskBeforeStartingANewEventFileAndOfferAFileChooser)
{
    TInitSetDialog dialog(Owner(), "InitSetBox");
    FillInitSet("VESOMA.CAL");  // missing, but not newly named: no question
    for (const char* name : {"VESOMA.CAL", "/dev/null", "NEW.CAL"}) {  // the answer, Ok, is not Yes
        dialog.EventFileEdit()->ChangeValue(name);
        EXPECT_EQ(dialog.TransferDataFromWindow(), name[0] != 'N') << name;
    }
    EXPECT_TRUE(messages.shown.size() == 1 && dialog.FindWindow(515));
}
