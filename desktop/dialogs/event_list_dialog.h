// The event list "EventListBox": every stored event as its record line, in
// the byte order of the CP932 lines, with adding, changing and deleting.
// While it is open the list is the set of events: the store only grows, and
// "了解" rebuilds the store from the list while "取消" cuts it back.
#pragma once

#include <string>

#include <wx/dialog.h>

class Events;
class wxListBox;
class wxUpdateUIEvent;

class EventListDialog : public wxDialog {
public:
    // Loads the dialog resource (normally "EventListBox") and lists the store.
    EventListDialog(wxWindow* parent, const char* resourceName, Events* events);

    // Runs the dialog modally: 1 for "了解", 2 for "取消", the close box or
    // Esc (and when the resource could not be loaded).
    int Execute();

    void CmOk();
    void CmCancel();
    void CmEventDelete();
    void CmEventEdit();
    void CmEventEditEnable(wxUpdateUIEvent& event);
    void CmEventAdd();
    void CmEventHelp();

    void SetupWindow();
    // Appends the lines of the records added to the store since the last call.
    void AddList();

    // The CP932 record line of list row index.
    std::string LineAt(int index) const;

    Events* events = nullptr;
    wxListBox* pList = nullptr;  // 776
    int bModified = 0;           // the list differs from the store as it was at opening
    int nListed = 0;             // store records appended to the list so far
    int nOpenCount = 0;          // the store's record count at opening

private:
    void InsertSorted(const char* line, int fileLine);
    // The event file line of the record listed in row index, -1 for none.
    int FileLineAt(int index) const;
};
