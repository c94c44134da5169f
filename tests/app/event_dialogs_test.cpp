// The event list and the event editor, driven through their handlers on
// dialogs built from their resources; message boxes are recorded and answered.
// Nested editors (opened from the list or the menu) are driven from inside
// their modal run.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "almanac/vesoma.h"
#include "app/app_globals.h"
#include "app/main_frame.h"
#include "app/my_window.h"
#include "app_fixture.h"
#include "events/dialog/event_edit_dialog.h"
#include "events/dialog/event_list_dialog.h"
#include "events/events.h"
#include "platform/cell_surface.h"
#include "platform/sjis.h"
#include "platform/wx/wx_text.h"
#include "settings/status.h"

namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

std::string Utf8(const wxString& text)
{
    return text.utf8_string();
}

// What the user types: the field changes and knows it was edited.
void Type(wxTextCtrl* field, const char* utf8)
{
    field->ChangeValue(wxString::FromUTF8(utf8));
    field->MarkDirty();
}

// A click on a radio button or a check box, as the toolkit reports it.
void Click(wxRadioButton* radio)
{
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
    event.SetEventObject(radio);
    event.SetInt(1);
    radio->GetEventHandler()->ProcessEvent(event);
}

void Click(wxCheckBox* check)
{
    check->SetValue(!check->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, check->GetId());
    event.SetEventObject(check);
    event.SetInt(check->GetValue() ? 1 : 0);
    check->GetEventHandler()->ProcessEvent(event);
}

// The store's records as UTF-8 record lines, in store order.
std::vector<std::string> StoreLines()
{
    std::vector<std::string> lines;
    char line[nEventLineSize];
    for (int i = 0; Evs.SetEventList(i, line) == 1; ++i)
        lines.push_back(platform::ToUtf8(line));
    return lines;
}

std::vector<std::string> ListLines(const EventListDialog& dialog)
{
    std::vector<std::string> lines;
    for (unsigned i = 0; i < dialog.pList->GetCount(); ++i)
        lines.push_back(platform::ToUtf8(dialog.LineAt(static_cast<int>(i))));
    return lines;
}

int ListRow(const EventListDialog& dialog, const std::string& utf8Line)
{
    for (unsigned i = 0; i < dialog.pList->GetCount(); ++i) {
        if (platform::ToUtf8(dialog.LineAt(static_cast<int>(i))) == utf8Line)
            return static_cast<int>(i);
    }
    return -1;
}

// The editor that is running modally right now, or nullptr.
EventEditDialog* OpenEditor()
{
    for (wxWindow* window : wxTopLevelWindows) {
        auto* editor = dynamic_cast<EventEditDialog*>(window);
        if (editor && editor->IsModal())
            return editor;
    }
    return nullptr;
}

// Runs act on the editor once the next modal run has started; an editor that
// act left open is cancelled, so that no test can hang in it.
void WhenEditorOpens(std::function<void(EventEditDialog&)> act)
{
    wxTheApp->CallAfter([act] {
        EventEditDialog* editor = OpenEditor();
        ASSERT_NE(editor, nullptr);
        act(*editor);
        if (editor->IsModal())
            editor->CmCancel();
    });
}

class EventDialogTest : public AppTest {
protected:
    // Loads the store from an event file of these UTF-8 record lines.
    void LoadStore(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        WriteFile("VESOMA.CAL", text);
        char path[] = "VESOMA.CAL";
        ASSERT_EQ(Evs.LoadEvent(path), 1);
    }

    void SetUp() override
    {
        AppTest::SetUp();
        // The dialogs' positions are in dialog units of their owner.
        owner = new wxFrame(nullptr, wxID_ANY, "");
        owner->Show();
        Evs.bEdit = 0;
        LoadStore({});
    }

    void TearDown() override
    {
        owner->Destroy();
        AppTest::TearDown();
    }

    wxFrame* owner = nullptr;
};

// ---- The editor ------------------------------------------------------------

// Focusable controls in tab order: id, label (UTF-8, empty for edits), x, y in dialog units.
struct ControlPlace {
    int id;
    const char* label;
    int x;
    int y;
};

void ExpectControls(wxDialog& dialog, const std::vector<ControlPlace>& expected)
{
    std::vector<int> order;
    for (wxWindow* child : dialog.GetChildren()) {
        if (child->IsShown() && child->AcceptsFocus())
            order.push_back(child->GetId());
    }
    std::vector<int> expectedOrder;
    for (const ControlPlace& control : expected) {
        expectedOrder.push_back(control.id);
        wxWindow* window = dialog.FindWindow(control.id);
        ASSERT_NE(window, nullptr) << control.id;
        EXPECT_EQ(window->GetPosition(), dialog.ConvertDialogToPixels(wxPoint(control.x, control.y))) << control.id;
        if (dynamic_cast<wxTextCtrl*>(window) == nullptr) {
            EXPECT_EQ(Utf8(window->GetLabel()), control.label) << control.id;
        }
    }
    EXPECT_EQ(order, expectedOrder);
}

TEST_F(EventDialogTest, TheResourcesHoldTheirControlsInTabOrder)
{
    EventEditDialog editor(owner, "EventEditBox", &Evs);
    EXPECT_EQ(Utf8(editor.GetTitle()), "イベントの登録");
    EXPECT_EQ(editor.GetPosition(), owner->ClientToScreen(editor.ConvertDialogToPixels(wxPoint(8, 6))));
    EXPECT_EQ(editor.GetClientSize(), editor.ConvertDialogToPixels(wxSize(265, 120)));
    ExpectControls(editor, {{327, "", 60, 8},        {328, "", 89, 8},         {788, "", 52, 26},
                            {326, "", 18, 8},        {787, "", 155, 8},        {wxID_CANCEL, "取消", 76, 44},
                            {wxID_OK, "了解", 26, 44}, {771, "ヘルプ", 136, 44}, {793, "次を登録", 216, 44},
                            {792, "曜日を指定", 205, 8}, {817, "毎週", 25, 82},    {818, "第１", 25, 92},
                            {819, "第２", 25, 102},   {820, "第３", 60, 82},    {821, "第４", 60, 92},
                            {822, "第５", 60, 102},   {802, "日曜", 105, 82},   {803, "月曜", 105, 92},
                            {804, "火曜", 105, 102},  {805, "水曜", 140, 82},   {806, "木曜", 140, 92},
                            {807, "金曜", 140, 102},  {808, "土曜", 175, 82}});
    EXPECT_EQ(Utf8(editor.pWeekGroup->GetLabel()), " 曜日指定 ");

    EventListDialog list(owner, "EventListBox", &Evs);
    EXPECT_EQ(Utf8(list.GetTitle()), "イベントの一覧");
    EXPECT_EQ(list.GetClientSize(), list.ConvertDialogToPixels(wxSize(265, 113)));
    ExpectControls(list, {{776, "", 12, 14},
                          {wxID_OK, "了解", 10, 90},
                          {wxID_CANCEL, "取消", 56, 90},
                          {769, "追加...", 110, 90},
                          {770, "変更...", 145, 90},
                          {772, "削除", 180, 90},
                          {771, "ヘルプ", 220, 90}});
}

TEST_F(EventDialogTest, NewDateEventRegistersOnOk)
{
    EventEditDialog dialog(owner, "EventEditBox", &Evs);
    Type(dialog.pMonth, "12");
    Type(dialog.pDay, "25");
    Type(dialog.pName, "クリスマス");
    dialog.CmOk();

    EXPECT_EQ(dialog.GetReturnCode(), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(StoreLines(), std::vector<std::string>{"****/12/25,クリスマス"});
    EXPECT_EQ(Evs.hMem[0].nWeekCode, -1);
    EXPECT_EQ(Evs.bChanged, 1);
    EXPECT_EQ(Evs.bModify, 1);
}

TEST_F(EventDialogTest, RadiosBuildTheWeekdayRuleAndOkRegistersIt)
{
    EventEditDialog dialog(owner, "EventEditBox", &Evs);
    EXPECT_FALSE(dialog.pWeekText->IsEnabled());
    EXPECT_FALSE(dialog.pNumRadio[2]->IsEnabled());
    int rule[2];
    EXPECT_EQ(dialog.CheckWeek(rule), 0) << "no ordinal and no weekday chosen at first";
    EXPECT_EQ(rule[0], -1);
    EXPECT_EQ(rule[1], -1);

    Click(dialog.pWeekCheck);
    EXPECT_TRUE(dialog.pWeekText->IsEnabled());
    EXPECT_TRUE(dialog.pDayRadio[6]->IsEnabled());
    Click(dialog.pNumRadio[2]);
    EXPECT_EQ(Utf8(dialog.pWeekText->GetValue()), "") << "one group alone builds no rule";
    Click(dialog.pDayRadio[2]);
    EXPECT_EQ(Utf8(dialog.pWeekText->GetValue()), "第２火曜日");
    Click(dialog.pDayRadio[3]);
    EXPECT_EQ(Utf8(dialog.pWeekText->GetValue()), "第２水曜日");
    Click(dialog.pDayRadio[2]);
    Type(dialog.pName, "定例会");
    dialog.CmOk();

    EXPECT_EQ(dialog.GetReturnCode(), 1);
    ASSERT_EQ(Events::nCount, 1);
    const EventRecord& record = Evs.hMem[0];
    EXPECT_EQ(record.nYear, 0);
    EXPECT_EQ(record.nMonth, 0);
    EXPECT_EQ(record.nWeekCode, 66);
    EXPECT_EQ(StoreLines(), std::vector<std::string>{"****/**/第２火曜日,定例会"});

    // Leaving week mode greys the weekday controls again.
    Click(dialog.pWeekCheck);
    EXPECT_FALSE(dialog.pWeekText->IsEnabled());
    EXPECT_FALSE(dialog.pDayRadio[2]->IsEnabled());
}

TEST_F(EventDialogTest, WeekdayRuleWithBothRadiosMakesTheDayAWildcard)
{
    EventEditDialog dialog(owner, "EventEditBox", &Evs);
    Type(dialog.pYear, "2001");
    Type(dialog.pDay, "15");
    Click(dialog.pWeekCheck);
    Click(dialog.pNumRadio[0]);
    Click(dialog.pDayRadio[5]);
    Type(dialog.pName, "金曜");
    dialog.CmOk();
    EXPECT_EQ(StoreLines(), std::vector<std::string>{"2001/**/毎週金曜日,金曜"});
}

TEST_F(EventDialogTest, RefusedEntriesKeepTheDialogOpenWithTheirFields)
{
    EventEditDialog dialog(owner, "EventEditBox", &Evs);
    dialog.SetReturnCode(0);
    auto expectRefused = [&](const char* text) {
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.LastText(), text);
        EXPECT_EQ(messages.LastCaption(), "イベント登録");
        EXPECT_EQ(messages.shown.back().icon, MbIcon::Exclamation);
        EXPECT_EQ(messages.shown.back().buttons, MbButtons::Ok);
        EXPECT_EQ(dialog.bRefused, 1);
        EXPECT_EQ(dialog.GetReturnCode(), 0) << "the dialog stays open";
        EXPECT_EQ(Events::nCount, 0);
    };

    Type(dialog.pMonth, "5");
    Type(dialog.pDay, "32");
    Type(dialog.pName, "会議");
    dialog.CmOk();
    expectRefused("日付が不正です。");
    EXPECT_EQ(Utf8(dialog.pDay->GetValue()), "32");

    Type(dialog.pDay, "31");
    Type(dialog.pName, "");
    dialog.CmOk();
    expectRefused("イベント名がありません。");

    Type(dialog.pName, "会議,打合せ");
    dialog.CmEventNext();
    expectRefused("イベント名に「,」は使えません。");
    EXPECT_EQ(Utf8(dialog.pName->GetValue()), "会議,打合せ");
    EXPECT_EQ(Utf8(dialog.pMonth->GetValue()), "5");
    EXPECT_EQ(messages.shown.size(), 3u);

    Type(dialog.pName, "会議");
    dialog.CmOk();
    EXPECT_EQ(dialog.bRefused, 0);
    EXPECT_EQ(dialog.GetReturnCode(), 1);
    EXPECT_EQ(StoreLines(), std::vector<std::string>{"****/ 5/31,会議"});
}

TEST_F(EventDialogTest, LongNamesAreCutAtACharacterBoundary)
{
    const std::string ascii(62, 'a');
    std::string wide;
    for (int i = 0; i < 31; ++i)
        wide += "あ";

    EventEditDialog dialog(owner, "EventEditBox", &Evs);
    Type(dialog.pDay, "1");
    Type(dialog.pName, ascii.c_str());
    dialog.CmEventNext();
    Type(dialog.pDay, "2");
    Type(dialog.pName, wide.c_str());
    dialog.CmEventNext();

    ASSERT_EQ(Events::nCount, 2);
    EXPECT_EQ(std::string(Evs.hMem[0].szEvent), ascii.substr(0, 61));
    EXPECT_EQ(std::strlen(Evs.hMem[1].szEvent), 60u);
    EXPECT_EQ(platform::ToUtf8(Evs.hMem[1].szEvent), wide.substr(0, 30 * std::string("あ").size()));
}

TEST_F(EventDialogTest, NextTwiceThenCancelKeepsBothRecords)
{
    EventEditDialog dialog(owner, "EventEditBox", &Evs);
    Type(dialog.pYear, "2001");
    Type(dialog.pMonth, "6");
    Type(dialog.pDay, "1");
    Type(dialog.pName, "一");
    dialog.CmEventNext();
    for (wxTextCtrl* field : {dialog.pYear, dialog.pMonth, dialog.pDay, dialog.pWeekText, dialog.pName}) {
        EXPECT_EQ(Utf8(field->GetValue()), "");
        EXPECT_FALSE(field->IsModified()) << "cleared fields are no change of the user";
    }
    EXPECT_EQ(dialog.CheckModified(), 0);
    Type(dialog.pMonth, "7");
    Type(dialog.pDay, "2");
    Type(dialog.pName, "二");
    dialog.CmEventNext();
    dialog.CmCancel();

    EXPECT_EQ(dialog.GetReturnCode(), 2);
    EXPECT_EQ(StoreLines(), (std::vector<std::string>{"2001/ 6/ 1,一", "****/ 7/ 2,二"}));
}

TEST_F(EventDialogTest, OkOrNextWithoutChangesRegistersNothing)
{
    LoadStore({"2001/ 5/ 3,憲法記念日"});
    EventEditDialog dialog(owner, "EventEditBox", &Evs);
    dialog.CmEventNext();
    dialog.CmOk();
    EXPECT_EQ(dialog.GetReturnCode(), 1);
    EXPECT_EQ(Events::nCount, 1);
    EXPECT_EQ(Evs.bChanged, 0);
    EXPECT_EQ(Evs.bModify, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EventDialogTest, EditingFillsTheFieldsFromTheWorkingRecord)
{
    char line[] = "****/**/第２火曜日,定例会";
    std::string sjis = platform::ToSjis(line);
    Evs.SplitEvent(sjis.data());
    Evs.bEdit = 1;
    EventEditDialog dialog(owner, "EventEditBox", &Evs);

    EXPECT_EQ(Evs.bEdit, 0);
    EXPECT_EQ(Utf8(dialog.pYear->GetValue()), "****");
    EXPECT_EQ(Utf8(dialog.pMonth->GetValue()), "**");
    EXPECT_EQ(Utf8(dialog.pDay->GetValue()), "");
    EXPECT_EQ(Utf8(dialog.pWeekText->GetValue()), "第２火曜日");
    EXPECT_EQ(Utf8(dialog.pName->GetValue()), "定例会");
    EXPECT_TRUE(dialog.pWeekCheck->GetValue());
    EXPECT_TRUE(dialog.pNumRadio[2]->GetValue());
    EXPECT_TRUE(dialog.pDayRadio[2]->GetValue());
    EXPECT_TRUE(dialog.pWeekText->IsEnabled());
    EXPECT_FALSE(dialog.pNextButton->IsEnabled());
    for (wxTextCtrl* field : {dialog.pYear, dialog.pMonth, dialog.pDay, dialog.pWeekText, dialog.pName})
        EXPECT_FALSE(field->IsModified());

    Click(dialog.pDayRadio[3]);
    EXPECT_EQ(Utf8(dialog.pWeekText->GetValue()), "第２水曜日");
}

// ---- The list --------------------------------------------------------------

class EventListTest : public EventDialogTest {
protected:
    // Store order differs from the list order; "Ａ" comes before "あ" in
    // CP932 but after it in Unicode.
    const std::vector<std::string> kFile = {"1996/ 5/ 3,B", "****/12/25,あ", "****/**/第２火曜日,C",
                                            "****/12/25,Ａ"};
    const std::vector<std::string> kListed = {"****/**/第２火曜日,C", "****/12/25,Ａ", "****/12/25,あ",
                                              "1996/ 5/ 3,B"};

    void SetUp() override
    {
        EventDialogTest::SetUp();
        LoadStore(kFile);
    }

    static bool Enabled(EventListDialog& dialog, int id)
    {
        wxUpdateUIEvent event(id);
        dialog.CmEventEditEnable(event);
        return event.GetEnabled();
    }
};

TEST_F(EventListTest, ListsTheStoreInCp932OrderAndOkKeepsItUnchanged)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    EXPECT_EQ(ListLines(dialog), kListed);
    EXPECT_EQ(Utf8(dialog.pList->GetString(1)), "****/12/25,Ａ");
    EXPECT_EQ(dialog.nOpenCount, 4);
    dialog.CmOk();
    EXPECT_EQ(dialog.GetReturnCode(), 1);
    EXPECT_EQ(StoreLines(), kFile);
    EXPECT_EQ(Evs.bModify, 0);
}

TEST_F(EventListTest, ChangeAndDeleteNeedASelection)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    EXPECT_FALSE(Enabled(dialog, 770));
    EXPECT_FALSE(Enabled(dialog, 772));
    dialog.CmEventDelete();
    dialog.CmEventEdit();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.bModified, 0);

    dialog.pList->SetSelection(0);
    EXPECT_TRUE(Enabled(dialog, 770));
    EXPECT_TRUE(Enabled(dialog, 772));
}

TEST_F(EventListTest, DeleteThenOkRebuildsTheStoreInListOrder)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    dialog.pList->SetSelection(ListRow(dialog, "****/12/25,あ"));
    {
        MessageRecorder yes(MbResult::Yes);
        dialog.CmEventDelete();
        ASSERT_EQ(yes.shown.size(), 1u);
        EXPECT_EQ(yes.LastText(), "****/12/25,あ\n－ 削除しますか？");
        EXPECT_EQ(yes.LastCaption(), "イベント削除");
        EXPECT_EQ(yes.shown.back().buttons, MbButtons::YesNo);
        EXPECT_EQ(yes.shown.back().icon, MbIcon::Question);
    }
    EXPECT_EQ(dialog.bModified, 1);
    EXPECT_EQ(Events::nCount, 4) << "deleting touches only the list";
    dialog.CmOk();

    EXPECT_EQ(StoreLines(), (std::vector<std::string>{"****/**/第２火曜日,C", "****/12/25,Ａ", "1996/ 5/ 3,B"}));
    EXPECT_EQ(Evs.bModify, 1);
}

TEST_F(EventListTest, DeleteThenCancelAsksAndRestoresTheStore)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    dialog.SetReturnCode(0);
    dialog.pList->SetSelection(0);
    dialog.CmEventDelete();  // answered with something else than Yes
    EXPECT_EQ(ListLines(dialog), kListed);
    EXPECT_EQ(dialog.bModified, 0);
    {
        MessageRecorder yes(MbResult::Yes);
        dialog.CmEventDelete();
    }
    {
        MessageRecorder no(MbResult::No);
        dialog.CmCancel();
        ASSERT_EQ(no.shown.size(), 1u);
        EXPECT_EQ(no.LastText(), "イベントは変更されています。\n登録しなくてもよいですか？");
        EXPECT_EQ(no.LastCaption(), "イベント登録");
        EXPECT_EQ(no.shown.back().buttons, MbButtons::YesNo);
    }
    EXPECT_EQ(dialog.GetReturnCode(), 0) << "No keeps the dialog open";
    EXPECT_EQ(ListLines(dialog).size(), 3u) << "with the line still deleted";
    {
        MessageRecorder yes(MbResult::Yes);
        dialog.CmCancel();
    }
    EXPECT_EQ(dialog.GetReturnCode(), 2);
    EXPECT_EQ(StoreLines(), kFile);
}

TEST_F(EventListTest, ChangedEventReplacesItsLineOnOk)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    dialog.Show();  // the owner of the editor, as in its modal run
    dialog.pList->SetSelection(ListRow(dialog, "1996/ 5/ 3,B"));
    WhenEditorOpens([](EventEditDialog& editor) {
        EXPECT_EQ(Utf8(editor.pName->GetValue()), "B");
        EXPECT_EQ(Utf8(editor.pDay->GetValue()), " 3");
        Type(editor.pDay, "4");
        editor.CmOk();
    });
    dialog.CmEventEdit();

    EXPECT_EQ(dialog.bModified, 1);
    EXPECT_EQ(ListRow(dialog, "1996/ 5/ 3,B"), -1);
    EXPECT_EQ(ListRow(dialog, "1996/ 5/ 4,B"), 3);
    EXPECT_EQ(Events::nCount, 5) << "the old record stays until the list is confirmed";
    dialog.CmOk();
    EXPECT_EQ(StoreLines(), (std::vector<std::string>{"****/**/第２火曜日,C", "****/12/25,Ａ", "****/12/25,あ",
                                                      "1996/ 5/ 4,B"}));
}

TEST_F(EventListTest, ChangedEventIsDroppedOnCancel)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    dialog.Show();  // the owner of the editor, as in its modal run
    dialog.pList->SetSelection(ListRow(dialog, "****/12/25,Ａ"));
    WhenEditorOpens([](EventEditDialog& editor) {
        Type(editor.pName, "Ｚ");
        editor.CmOk();
    });
    dialog.CmEventEdit();
    ASSERT_NE(ListRow(dialog, "****/12/25,Ｚ"), -1);
    MessageRecorder yes(MbResult::Yes);
    dialog.CmCancel();

    EXPECT_EQ(dialog.GetReturnCode(), 2);
    EXPECT_EQ(StoreLines(), kFile);
}

TEST_F(EventListTest, UntouchedChangesRegisterOnlyWeekdayRules)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    dialog.Show();  // the owner of the editor, as in its modal run
    dialog.pList->SetSelection(ListRow(dialog, "1996/ 5/ 3,B"));
    WhenEditorOpens([](EventEditDialog& editor) { editor.CmOk(); });
    dialog.CmEventEdit();
    EXPECT_EQ(Events::nCount, 4);
    EXPECT_EQ(dialog.bModified, 0);
    EXPECT_EQ(ListLines(dialog), kListed);

    // The checked weekday box of a rule counts as a change: the same line comes back.
    dialog.pList->SetSelection(ListRow(dialog, "****/**/第２火曜日,C"));
    WhenEditorOpens([](EventEditDialog& editor) { editor.CmOk(); });
    dialog.CmEventEdit();
    EXPECT_EQ(Events::nCount, 5);
    EXPECT_EQ(dialog.bModified, 1);
    EXPECT_EQ(ListLines(dialog), kListed);
}

TEST_F(EventListTest, AddingWithNextTwiceThenCancelListsBothAndOpensEmptyAfterAChange)
{
    EventListDialog dialog(owner, "EventListBox", &Evs);
    dialog.Show();  // the owner of the editor, as in its modal run
    dialog.pList->SetSelection(ListRow(dialog, "1996/ 5/ 3,B"));
    WhenEditorOpens([](EventEditDialog& editor) {
        Type(editor.pName, "B2");
        editor.CmOk();
    });
    dialog.CmEventEdit();

    WhenEditorOpens([](EventEditDialog& editor) {
        for (wxTextCtrl* field : {editor.pYear, editor.pMonth, editor.pDay, editor.pWeekText, editor.pName})
            EXPECT_EQ(Utf8(field->GetValue()), "") << "a new event after a change opens empty";
        EXPECT_FALSE(editor.pWeekCheck->GetValue());
        EXPECT_TRUE(editor.pNextButton->IsEnabled());
        Type(editor.pMonth, "1");
        Type(editor.pDay, "1");
        Type(editor.pName, "元日");
        editor.CmEventNext();
        Type(editor.pMonth, "2");
        Type(editor.pDay, "3");
        Type(editor.pName, "節分");
        editor.CmEventNext();
        editor.CmCancel();
    });
    dialog.CmEventAdd();

    EXPECT_NE(ListRow(dialog, "****/ 1/ 1,元日"), -1);
    EXPECT_NE(ListRow(dialog, "****/ 2/ 3,節分"), -1);
    EXPECT_EQ(dialog.pList->GetCount(), 6u);
    dialog.CmOk();
    EXPECT_EQ(StoreLines(), (std::vector<std::string>{"****/ 1/ 1,元日", "****/ 2/ 3,節分", "****/**/第２火曜日,C",
                                                      "****/12/25,Ａ", "****/12/25,あ", "1996/ 5/ 3,B2"}));
}

// ---- From the menu to the month grid and back from the file ------------------

// The grid line of day in the month of ActDate, as the month table draws it.
std::string GridLine(int day)
{
    kc.SetCalender(ActDate);
    platform::CellSurface surface(TMyWindow::kGridColumns, kc.nDays + TMyWindow::kHeaderLines, 8, 16);
    kc.DarwCalender(surface);
    return platform::ToUtf8(surface.TextAt(0, day + 1, TMyWindow::kGridColumns));
}

TEST_F(EventDialogTest, EventsEnteredInTheDialogsShowInTheGridAndSurviveARestart)
{
    TMainFrame* frame = StartProgram();
    ASSERT_NE(frame, nullptr);
    TMyWindow* window = frame->Client();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(TMyWindow::HasHandler(776));
    EXPECT_TRUE(TMyWindow::HasHandler(777));
    PumpEvents();

    // A new event from the menu.
    window->CellSet(3);
    WhenEditorOpens([](EventEditDialog& editor) {
        Type(editor.pDay, "25");
        Type(editor.pName, "歯医者");
        editor.CmOk();
    });
    SendCommand(frame, 777);
    EXPECT_EQ(window->bSelect, 0) << "the month is repainted";
    EXPECT_NE(GridLine(25).find("歯医者"), std::string::npos);

    // One more through the list.
    wxTheApp->CallAfter([] {
        EventListDialog* list = nullptr;
        for (wxWindow* top : wxTopLevelWindows) {
            if (auto* found = dynamic_cast<EventListDialog*>(top); found && found->IsModal())
                list = found;
        }
        ASSERT_NE(list, nullptr);
        WhenEditorOpens([](EventEditDialog& editor) {
            Click(editor.pWeekCheck);
            Click(editor.pNumRadio[3]);
            Click(editor.pDayRadio[2]);
            Type(editor.pName, "燃えないゴミ");
            editor.CmOk();
        });
        list->CmEventAdd();
        list->CmOk();
    });
    SendCommand(frame, 776);
    ASSERT_EQ(Events::nCount, 2);
    // 15 May 2001 is the third Tuesday.
    EXPECT_NE(GridLine(15).find("燃えないゴミ"), std::string::npos);
    EXPECT_EQ(GridLine(8).find("燃えないゴミ"), std::string::npos);

    SendCommand(frame, 778);
    EXPECT_EQ(Evs.bModify, 0);
    frame->Close(true);
    PumpEvents();
    EXPECT_TRUE(messages.shown.empty()) << "saved: no question at the end";

    StartProgram();
    ASSERT_EQ(Events::nCount, 2);
    EXPECT_NE(GridLine(25).find("歯医者"), std::string::npos);
    EXPECT_NE(GridLine(15).find("燃えないゴミ"), std::string::npos);
}

}  // namespace
