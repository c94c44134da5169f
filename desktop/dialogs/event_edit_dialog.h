// The event editor "EventEditBox": one event entered as year, month, day, an
// optional weekday rule and a name, checked and appended to the store at once.
// It opens empty, or with the record the event list put into the store's
// working record (bEdit = 1).
#pragma once

#include <wx/dialog.h>

class Events;
class wxButton;
class wxCheckBox;
class wxRadioButton;
class wxStaticBox;
class wxTextCtrl;

class EventEditDialog : public wxDialog {
public:
    // Loads the dialog resource (normally "EventEditBox") and fills the fields.
    EventEditDialog(wxWindow* parent, const char* resourceName, Events* events);

    // Runs the dialog modally: 1 when closed by "了解", 2 by "取消", the close
    // box or Esc (and when the resource could not be loaded).
    int Execute();

    void CmOk();
    void CmCancel();
    void CmEventNext();
    void CmEventHelp();
    void CmCheckWeek();
    void CmNumGroup(unsigned id);
    void CmDayGroup(unsigned id);

    void SetupWindow();
    void EnableWeek();
    void CheckGroup();
    // 1 when there is nothing to register or the entry was registered; 0 when
    // it was refused with a message and the dialog stays as it is.
    int CanRegist();
    // Only the user's own typing counts: texts the dialog puts into its
    // fields do not.
    int CheckModified();
    // Keeps the name field within the bytes a record stores, cut at a
    // character boundary, so that the user sees what will be kept.
    void LimitName();
    // out[0]: index of the checked ordinal radio or -1; out[1]: of the checked
    // weekday radio or -1. 1 when both are checked.
    int CheckWeek(int* out);

    Events* events = nullptr;
    int nNumCode = 0;    // ordinal * 32 of the chosen ordinal radio
    int nDayOfWeek = 0;  // 0-6 of the chosen weekday radio
    int bWeekMode = 0;   // "曜日を指定" is checked
    int bNumChosen = 0;
    int bDayChosen = 0;
    int bRefused = 0;
    int bWeekTextBuilt = 0;  // the rule text was built from the radios since set-up

    wxTextCtrl* pYear = nullptr;        // 326
    wxTextCtrl* pMonth = nullptr;       // 327
    wxTextCtrl* pDay = nullptr;         // 328
    wxTextCtrl* pWeekText = nullptr;    // 787
    wxTextCtrl* pName = nullptr;        // 788
    wxRadioButton* pDayRadio[7] = {};   // 802-808, 日曜-土曜
    wxRadioButton* pNumRadio[6] = {};   // 817-822, 毎週, 第１-第５
    wxCheckBox* pWeekCheck = nullptr;   // 792
    wxStaticBox* pWeekGroup = nullptr;  // 800
    wxStaticBox* pNumGroup = nullptr;   // 816
    wxStaticBox* pDayGroup = nullptr;   // 801
    wxButton* pNextButton = nullptr;    // 793

private:
    bool IsLoaded() const;
};
