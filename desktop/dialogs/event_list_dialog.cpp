#include "desktop/dialogs/event_list_dialog.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <wx/arrstr.h>
#include <wx/clntdata.h>
#include <wx/listbox.h>
#include <wx/xrc/xmlres.h>

#include "core/events/events.h"
#include "core/settings/init_info.h"
#include "desktop/dialogs/event_edit_dialog.h"
#include "desktop/platform/modal_dialog.h"
#include "desktop/platform/wx_text.h"
#include "desktop/resources/help.h"
#include "platform/message_box.h"
#include "platform/sjis.h"

using platform::SjisText;

namespace {

enum Control {
    kList = 776,
    kAdd = 769,
    kEdit = 770,
    kHelp = 771,
    kDelete = 772,
};

// The record line of a row as the store wrote it. The shown text is its
// conversion, which does not always convert back to the same bytes.
// The file line of the record goes with it, so that confirming the list
// writes an unchanged event back as the line it was read from.
class LineData : public wxClientData {
public:
    LineData(std::string text, int fileLine) : line(std::move(text)), nLine(fileLine) {}
    std::string line;
    int nLine;
};

}  // namespace

EventListDialog::EventListDialog(wxWindow* parent, const char* resourceName, Events* store) : events(store)
{
    if (!wxXmlResource::Get()->LoadDialog(this, parent, resourceName))
        return;
    PlaceDialog(*this, 8, 6);
    pList = dynamic_cast<wxListBox*>(FindWindow(kList));
    if (pList == nullptr || events == nullptr)
        return;

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmOk(); }, wxID_OK);
    // Esc and the close box arrive as this button too.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmCancel(); }, wxID_CANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmEventAdd(); }, kAdd);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmEventEdit(); }, kEdit);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmEventDelete(); }, kDelete);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CmEventHelp(); }, kHelp);
    Bind(wxEVT_UPDATE_UI, &EventListDialog::CmEventEditEnable, this, kEdit);
    Bind(wxEVT_UPDATE_UI, &EventListDialog::CmEventEditEnable, this, kDelete);
    SetupWindow();
}

int EventListDialog::Execute()
{
    if (pList == nullptr || events == nullptr)
        return 2;
    return ShowModal();
}

void EventListDialog::SetupWindow()
{
    AddList();
    nOpenCount = nListed;
}

std::string EventListDialog::LineAt(int index) const
{
    const auto* data = static_cast<const LineData*>(pList->GetClientObject(static_cast<unsigned>(index)));
    return data ? data->line : std::string();
}

int EventListDialog::FileLineAt(int index) const
{
    const auto* data = static_cast<const LineData*>(pList->GetClientObject(static_cast<unsigned>(index)));
    return data ? data->nLine : -1;
}

void EventListDialog::InsertSorted(const char* line, int fileLine)
{
    // std::string compares bytes as unsigned: the CP932 byte order. Equal
    // lines go after the ones already there.
    unsigned low = 0;
    unsigned high = pList->GetCount();
    while (low < high) {
        const unsigned middle = low + (high - low) / 2;
        if (LineAt(static_cast<int>(middle)).compare(line) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    pList->Insert(platform::WxFromSjis(line), low, new LineData(line, fileLine));
}

void EventListDialog::AddList()
{
    std::vector<std::pair<std::string, int>> added;
    char line[nEventLineSize];
    const EventRecords& records = Events::hMem;
    int index = nListed;
    for (; events->SetEventList(index, line) >= 0; ++index)
        added.emplace_back(line, records[static_cast<std::size_t>(index)].nLine);
    nListed = index;
    if (pList->GetCount() > 0) {
        for (const auto& [text, fileLine] : added)
            InsertSorted(text.c_str(), fileLine);
        return;
    }
    // The whole store at once: sorted here and handed to the list in one
    // call, which a long store needs to open without a wait.
    std::stable_sort(added.begin(), added.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    wxArrayString texts;
    texts.reserve(added.size());
    std::vector<wxClientData*> data;
    data.reserve(added.size());
    for (auto& [text, fileLine] : added) {
        texts.push_back(platform::WxFromSjis(text.c_str()));
        data.push_back(new LineData(std::move(text), fileLine));
    }
    if (!texts.empty())
        pList->Append(texts, data.data());
}

void EventListDialog::CmEventAdd()
{
    const int count = Events::nCount;
    events->bEdit = 0;
    EventEditDialog dialog(this, "EventEditBox", events);
    dialog.Execute();
    // Records registered with "次を登録" count even when the editor was cancelled.
    if (Events::nCount > count) {
        AddList();
        bModified = 1;
    }
}

void EventListDialog::CmEventEdit()
{
    const int selected = pList->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    char line[nEventLineSize];
    platform::CopyCut(line, LineAt(selected).c_str(), sizeof line - 1);
    events->SplitEvent(line);
    events->bEdit = 1;
    const int count = Events::nCount;
    EventEditDialog dialog(this, "EventEditBox", events);
    if (dialog.Execute() == 1 && Events::nCount > count) {
        // The old record stays in the store until the list is confirmed.
        pList->Delete(static_cast<unsigned>(selected));
        AddList();
        bModified = 1;
    }
}

void EventListDialog::CmEventDelete()
{
    const int selected = pList->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    const std::string question = LineAt(selected) + SjisText("\n－ 削除しますか？");
    if (platform::ShowMessageBox(question.c_str(), SjisText("イベント削除"), platform::MbButtons::YesNo,
                                 platform::MbIcon::Question) != platform::MbResult::Yes)
        return;
    pList->Delete(static_cast<unsigned>(selected));
    bModified = 1;
}

void EventListDialog::CmEventEditEnable(wxUpdateUIEvent& event)
{
    event.Enable(pList->GetSelection() != wxNOT_FOUND);
}

void EventListDialog::CmOk()
{
    if (bModified == 1) {
        Events::nCount = 0;
        const int rows = static_cast<int>(pList->GetCount());
        for (int row = 0; row < rows; ++row) {
            char line[nEventLineSize];
            platform::CopyCut(line, LineAt(row).c_str(), sizeof line - 1);
            if (line[0] == '\0')
                continue;
            events->SplitEvent(line);
            events->CheckEventDate();
            // A store that cannot grow keeps what was added so far; nothing is reported.
            if (events->AddEvent(FileLineAt(row)) != 1)
                break;
        }
    }
    CloseDialog(*this, 1);
}

void EventListDialog::CmCancel()
{
    if (bModified == 1 &&
        platform::ShowMessageBox(SjisText("イベントは変更されています。\n登録しなくてもよいですか？"),
                                 SjisText("イベント登録"), platform::MbButtons::YesNo,
                                 platform::MbIcon::Question) != platform::MbResult::Yes)
        return;
    Events::nCount = nOpenCount;
    CloseDialog(*this, 2);
}

void EventListDialog::CmEventHelp()
{
    resources::ShowHelpContext(this, szHelpFile, resources::HelpEventList);
}
