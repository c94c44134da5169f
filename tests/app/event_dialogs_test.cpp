// The event list and the event editor, driven through their handlers on
// dialogs built from their resources; nested editors from inside their modal run.
#include <cstring>
#include <tuple>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/html/helpfrm.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "desktop/dialogs/event_edit_dialog.h"
#include "desktop/dialogs/event_list_dialog.h"
#include "platform/cell_surface.h"
#include "tests/core/event_files.h"
#include "tests/support/app_fixture.h"

extern "C" void *gtk_window_get_group(GtkWidget*), *gtk_window_group_get_current_grab(void*);

namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;
using Ints = std::vector<int>;
using Lines = std::vector<std::string>;
using Boxes = std::vector<std::tuple<std::string, std::string, MbButtons, MbIcon>>;  // caption, text

// Store order differs from the list order; "Ａ" comes before "あ" in CP932
// but after it in Unicode.
const Lines kFile = {"1996/ 5/ 3,B", "****/12/25,あ", "****/**/第２火曜日,C", "****/12/25,Ａ"};
const Lines kListed = {"****/**/第２火曜日,C", "****/12/25,Ａ", "****/12/25,あ", "1996/ 5/ 3,B"};

// What the user types: each field changes and knows it was edited.
void Type(std::initializer_list<std::pair<wxTextCtrl*, const char*>> entries)
{
    for (const auto& [field, utf8] : entries) {
        field->ChangeValue(wxString::FromUTF8(utf8));
        field->MarkDirty();
    }
}

// Year, month, day, weekday rule and name as the editor shows them.
Lines Fields(const EventEditDialog& editor)
{
    Lines fields;
    for (const wxTextCtrl* field : {editor.pYear, editor.pMonth, editor.pDay, editor.pWeekText, editor.pName})
        fields.push_back(field->GetValue().utf8_string());
    return fields;
}

// The record lines of the store in store order, or of the list as it shows them.
Lines StoreLines()
{
    Lines lines;
    for (int i = 0; ListedLine(i) != "-"; ++i)
        lines.push_back(ListedLine(i));
    return lines;
}
Lines ListLines(const EventListDialog& list)
{
    Lines lines(list.pList->GetCount());
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i] = platform::ToUtf8(list.LineAt(static_cast<int>(i)));
    return lines;
}

// The message boxes that act showed, each answered so.
Boxes Answering(MbResult answer, const std::function<void()>& act)
{
    MessageRecorder recorder(answer);
    act();
    Boxes boxes;
    for (const auto& b : recorder.shown)
        boxes.emplace_back(platform::ToUtf8(b.caption), platform::ToUtf8(b.text), b.buttons, b.icon);
    return boxes;
}

// The grid line of day in the month of ActDate, as the month table draws it.
std::string GridLine(int day)
{
    kc.SetCalender(ActDate);
    platform::CellSurface surface(TMyWindow::kGridColumns, kc.nDays + TMyWindow::kHeaderLines, 8, 16);
    kc.DarwCalender(surface);
    return platform::ToUtf8(surface.TextAt(0, day + 1, TMyWindow::kGridColumns));
}

class EventDialogTest : public AppTest {
protected:
    // In dialog units from the owner; the resource size is the client area,
    // so the window's caption cuts off nothing.
    void ExpectPlaced(wxDialog& dialog, const wxSize& resourceSize)
    {
        EXPECT_EQ(dialog.GetPosition(), Owner()->ClientToScreen(dialog.ConvertDialogToPixels(wxPoint(8, 6))));
        EXPECT_EQ(dialog.GetClientSize(), dialog.ConvertDialogToPixels(resourceSize));
    }
    void SetUp() override
    {
        AppTest::SetUp();
        Evs.bEdit = 0;
        LoadStore({});
    }
    void LoadStore(const Lines& lines) { ASSERT_EQ(LoadBytes("VESOMA.CAL", CalLines(lines)), 1); }
    // The list of kFile, owner of the editors it opens; it goes with its owner.
    EventListDialog& OpenList()
    {
        LoadStore(kFile);
        auto* list = new EventListDialog(Owner(), "EventListBox", &Evs);
        list->Show();
        list->SetReturnCode(0);
        return *list;
    }
};

TEST_F(EventDialogTest, OkRegistersADateOrAWeekdayRuleOnOneLine)
{
    struct Case {
        const char *year, *day;
        int ordinal, weekday;  // radio indexes, -1: no weekday rule
        const char *name, *line;
    };
    for (const Case& c :
         {Case{"", "25", -1, -1, "Ｘ", "****/12/25,Ｘ"}, Case{"", "", 2, 2, "Ｘ", "****/12/第２火曜日,Ｘ"},
          // The typed day gives way to the rule.
          Case{"2001", "15", 0, 5, "Ｘ", "2001/12/毎週金曜日,Ｘ"},
          // A pasted line break or tab becomes a blank: the record stays one line.
          Case{"", "25", -1, -1, "A\r\nB\tC", "****/12/25,A  B C"}}) {
        SCOPED_TRACE(c.line);
        LoadStore({});
        EventEditDialog dialog(Owner(), "EventEditBox", &Evs);
        ExpectPlaced(dialog, wxSize(265, 120));
        int rule[2];
        EXPECT_EQ(dialog.CheckWeek(rule), 0) << "no ordinal and no weekday chosen at first";
        EXPECT_FALSE(dialog.pWeekText->IsEnabled() || dialog.pNumRadio[2]->IsEnabled());
        Type({{dialog.pYear, c.year}, {dialog.pMonth, "12"}, {dialog.pDay, c.day}, {dialog.pName, c.name}});
        if (c.ordinal >= 0) {
            Press(dialog.pWeekCheck);
            Press(dialog.pNumRadio[c.ordinal]);
            EXPECT_EQ(dialog.pWeekText->GetValue().utf8_string(), "") << "one group alone builds no rule";
            Press(dialog.pDayRadio[c.weekday]);
        }
        dialog.CmOk();
        EXPECT_EQ(StoreLines(), Lines{c.line});
        EXPECT_EQ((Ints{dialog.GetReturnCode(), Evs.hMem[0].nDay, Evs.bChanged, Evs.bModify}),
                  (Ints{1, c.ordinal < 0 ? 25 : 0, 1, 1}));
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EventDialogTest, EditingARuleFillsTheFieldsAndRadioChangesRewriteIt)
{
    std::string line = platform::ToSjis("****/**/第２火曜日,定例会");
    Evs.SplitEvent(line.data());
    Evs.bEdit = 1;
    EventEditDialog dialog(Owner(), "EventEditBox", &Evs);
    EXPECT_EQ(Evs.bEdit, 0);
    EXPECT_EQ(Fields(dialog), (Lines{"****", "**", "", "第２火曜日", "定例会"}));
    EXPECT_TRUE(dialog.pWeekCheck->GetValue() && dialog.pNumRadio[2]->GetValue() &&
                dialog.pDayRadio[2]->GetValue() && dialog.pWeekText->IsEnabled());
    EXPECT_FALSE(dialog.pNextButton->IsEnabled()) << "a changed record replaces one line";
    Press(dialog.pDayRadio[3]);
    EXPECT_EQ(dialog.pWeekText->GetValue().utf8_string(), "第２水曜日");
    Press(dialog.pNumRadio[0]);
    EXPECT_EQ(dialog.pWeekText->GetValue().utf8_string(), "毎週水曜日");
    Press(dialog.pWeekCheck);  // unchecked
    EXPECT_FALSE(dialog.pWeekText->IsEnabled() || dialog.pDayRadio[2]->IsEnabled());
}

TEST_F(EventDialogTest, RefusedEntriesKeepTheDialogOpenWithTheirFields)
{
    struct Case {
        const char *day, *name;
        void (EventEditDialog::*press)();
        const char* message;
    };
    EventEditDialog dialog(Owner(), "EventEditBox", &Evs);
    dialog.SetReturnCode(0);
    for (const Case& c :
         {Case{"32", "会議", &EventEditDialog::CmOk, "日付が不正です。"},
          Case{"31", "", &EventEditDialog::CmOk, "イベント名がありません。"},
          Case{"31", "会議,打合せ", &EventEditDialog::CmEventNext, "イベント名に「,」は使えません。"}}) {
        SCOPED_TRACE(c.message);
        Type({{dialog.pMonth, "5"}, {dialog.pDay, c.day}, {dialog.pName, c.name}});
        const Lines typed = Fields(dialog);
        EXPECT_EQ(Answering(MbResult::Ok, [&] { (dialog.*c.press)(); }),
                  (Boxes{{"イベント登録", c.message, MbButtons::Ok, MbIcon::Exclamation}}));
        EXPECT_EQ(Fields(dialog), typed);
        EXPECT_EQ((Ints{dialog.bRefused, dialog.GetReturnCode(), Events::nCount}), (Ints{1, 0, 0}));
    }
    Type({{dialog.pName, "会議"}});
    dialog.CmOk();
    EXPECT_EQ((Ints{dialog.bRefused, dialog.GetReturnCode()}), (Ints{0, 1}));
    EXPECT_EQ(StoreLines(), Lines{"****/ 5/31,会議"});
}

// "次を登録" registers and clears the fields; a name is cut to 61 bytes, never
// inside a double-byte character.
TEST_F(EventDialogTest, NextRegistersEachCutNameUntilCancelAndUntouchedFieldsRegisterNothing)
{
    const std::string ascii(62, 'a');
    const std::string wide =
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほま";  // 31 characters
    LoadStore({"2001/ 5/ 3,憲法記念日"});
    EventEditDialog dialog(Owner(), "EventEditBox", &Evs);
    dialog.CmEventNext();  // nothing typed yet
    Type({{dialog.pYear, "2001"}, {dialog.pMonth, "6"}, {dialog.pDay, "1"}, {dialog.pName, ascii.c_str()}});
    dialog.CmEventNext();
    EXPECT_EQ(Fields(dialog), Lines(5));
    EXPECT_EQ(dialog.CheckModified(), 0) << "cleared fields are no change of the user";
    Type({{dialog.pMonth, "7"}, {dialog.pDay, "2"}, {dialog.pName, wide.c_str()}});
    dialog.CmEventNext();
    dialog.CmCancel();
    EXPECT_EQ(dialog.GetReturnCode(), 2);
    EXPECT_EQ(StoreLines(), (Lines{"2001/ 5/ 3,憲法記念日", "2001/ 6/ 1," + ascii.substr(0, 61),
                                   "****/ 7/ 2," + wide.substr(0, 30 * 3)}));  // three UTF-8 bytes each
    EXPECT_EQ(std::strlen(Evs.hMem[2].szEvent), 60u) << "no lead byte left over";

    LoadStore({"2001/ 5/ 3,憲法記念日"});
    EventEditDialog untouched(Owner(), "EventEditBox", &Evs);
    untouched.CmOk();
    EXPECT_EQ((Ints{untouched.GetReturnCode(), Events::nCount, Evs.bChanged, Evs.bModify}),
              (Ints{1, 1, 0, 0}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EventDialogTest, TheListShowsTheStoreInCp932OrderKeepsItWithoutChangesAndListsWhatNextAdded)
{
    EventListDialog& list = OpenList();
    ExpectPlaced(list, wxSize(265, 113));
    EXPECT_EQ(ListLines(list), kListed);
    EXPECT_EQ(list.pList->GetString(1).utf8_string(), kListed[1]);
    // Change and delete need a selection; a shown list box may have picked one itself.
    for (const int selection : {int(wxNOT_FOUND), 0}) {
        list.pList->SetSelection(selection);
        list.UpdateWindowUI(wxUPDATE_UI_RECURSE);
        EXPECT_EQ((std::vector<bool>{list.FindWindow(770)->IsEnabled(), list.FindWindow(772)->IsEnabled()}),
                  std::vector<bool>(2, selection == 0));
    }
    list.pList->SetSelection(wxNOT_FOUND);
    list.CmEventDelete();
    list.CmEventEdit();
    list.CmOk();
    EXPECT_EQ(StoreLines(), kFile);
    EXPECT_EQ((Ints{list.GetReturnCode(), Evs.bModify}), (Ints{1, 0}));
    EXPECT_TRUE(messages.shown.empty());

    EventListDialog& adding = OpenList();
    adding.pList->SetSelection(0);  // a weekday rule: its checked box counts as a change
    WhenModal<EventEditDialog>([](EventEditDialog& editor) { editor.CmOk(); });
    adding.CmEventEdit();
    EXPECT_EQ((Ints{Events::nCount, adding.bModified}), (Ints{5, 1}));
    EXPECT_EQ(ListLines(adding), kListed) << "the same line came back";
    WhenModal<EventEditDialog>([](EventEditDialog& editor) {
        EXPECT_EQ(Fields(editor), Lines(5));
        EXPECT_FALSE(editor.pWeekCheck->GetValue() || editor.pWeekText->IsEnabled());
        EXPECT_TRUE(editor.pNextButton->IsEnabled());
        Type({{editor.pMonth, "1"}, {editor.pDay, "1"}, {editor.pName, "元日"}});
        editor.CmEventNext();
        Type({{editor.pMonth, "2"}, {editor.pDay, "3"}, {editor.pName, "節分"}});
        editor.CmEventNext();
    });
    adding.CmEventAdd();
    Lines expected = kListed;
    expected.insert(expected.begin(), {"****/ 1/ 1,元日", "****/ 2/ 3,節分"});
    EXPECT_EQ(ListLines(adding), expected);
    adding.CmOk();
    EXPECT_EQ(StoreLines(), expected);
}

TEST_F(EventDialogTest, ChangeAndDeleteInTheListRebuildTheStoreOnOkAndAreDroppedOnCancel)
{
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "OK" : "Cancel");
        EventListDialog& list = OpenList();
        list.pList->SetSelection(3);  // 1996/ 5/ 3,B
        WhenModal<EventEditDialog>([](EventEditDialog& editor) { editor.CmOk(); });
        list.CmEventEdit();
        EXPECT_EQ((Ints{Events::nCount, list.bModified}), (Ints{4, 0}))
            << "an untouched date registers nothing";
        WhenModal<EventEditDialog>([](EventEditDialog& editor) {
            EXPECT_EQ(Fields(editor), (Lines{"1996", " 5", " 3", "", "B"}));
            Type({{editor.pDay, "4"}});
            editor.CmOk();
        });
        list.CmEventEdit();
        const Lines changed = {"****/**/第２火曜日,C", "****/12/25,Ａ", "****/12/25,あ", "1996/ 5/ 4,B"};
        EXPECT_EQ(ListLines(list), changed);
        EXPECT_EQ(Events::nCount, 5) << "the old record stays until the list is confirmed";
        list.pList->SetSelection(2);  // ****/12/25,あ
        Answering(MbResult::No, [&] { list.CmEventDelete(); });
        EXPECT_EQ(ListLines(list), changed) << "No keeps the line";
        EXPECT_EQ(Answering(MbResult::Yes, [&] { list.CmEventDelete(); }),
                  (Boxes{{"イベント削除", "****/12/25,あ\n－ 削除しますか？", MbButtons::YesNo,
                          MbIcon::Question}}));
        const Lines kept = {"****/**/第２火曜日,C", "****/12/25,Ａ", "1996/ 5/ 4,B"};
        EXPECT_EQ(ListLines(list), kept);
        EXPECT_EQ(Events::nCount, 5) << "deleting touches only the list";
        if (confirm) {
            list.CmOk();
            EXPECT_EQ(StoreLines(), kept);
            EXPECT_EQ(Evs.bModify, 1);
            continue;
        }
        EXPECT_EQ(Answering(MbResult::No, [&] { list.CmCancel(); }),
                  (Boxes{{"イベント登録", "イベントは変更されています。\n登録しなくてもよいですか？",
                          MbButtons::YesNo, MbIcon::Question}}));
        EXPECT_EQ(list.GetReturnCode(), 0) << "No keeps the list open";
        EXPECT_EQ(ListLines(list), kept);
        Answering(MbResult::Yes, [&] { list.CmCancel(); });
        EXPECT_EQ(list.GetReturnCode(), 2);
        EXPECT_EQ(StoreLines(), kFile);
    }
}

// Saving writes the file the events came from, even when the settings name
// another one from the next start on.
TEST_F(EventDialogTest, EventsEnteredInTheDialogsShowInTheGridAndAreSavedInListOrder)
{
    WriteFile("VESOMA.CAL", "****/12/25,クリスマス\r\n");
    TMainFrame* frame = StartProgram();
    PumpEvents();
    frame->Client()->CellSet(3);
    WhenModal<EventEditDialog>([](EventEditDialog& editor) {
        Type({{editor.pDay, "25"}, {editor.pName, "歯医者"}});
        editor.CmOk();
    });
    SendCommand(frame, commands::kEventEdit);
    EXPECT_EQ(frame->Client()->bSelect, 0) << "the month is repainted";
    EXPECT_NE(GridLine(25).find("歯医者"), std::string::npos);
    WhenModal<EventListDialog>([](EventListDialog& list) {
        WhenModal<EventEditDialog>([](EventEditDialog& editor) {
            Press(editor.pWeekCheck);
            Press(editor.pNumRadio[3]);
            Press(editor.pDayRadio[2]);
            Type({{editor.pName, "燃えないゴミ"}});
            editor.CmOk();
        });
        list.CmEventAdd();
        list.CmOk();
    });
    SendCommand(frame, commands::kEventList);
    ASSERT_EQ(Events::nCount, 3);
    // 15 May 2001 is the third Tuesday.
    EXPECT_NE(GridLine(15).find("燃えないゴミ"), std::string::npos);
    EXPECT_EQ(GridLine(8).find("燃えないゴミ"), std::string::npos);

    std::strcpy(frame->Client()->szEventFile, "OTHER.CAL");
    SendCommand(frame, commands::kEventSave);
    EXPECT_EQ(Evs.bModify, 0);
    EXPECT_FALSE(std::filesystem::exists(workDir / "OTHER.CAL"));
    // The list's OK rebuilt the store in list order.
    EXPECT_EQ(platform::ToUtf8(ReadBytes("VESOMA.CAL")),
              "****/**/25,歯医者\r\n****/**/第３火曜日,燃えないゴミ\r\n****/12/25,クリスマス\r\n");
    frame->Close(true);
    PumpEvents();
    EXPECT_TRUE(messages.shown.empty()) << "saved: no question at the end";
}

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

}  // namespace
