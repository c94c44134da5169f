// The main window's commands that open the other views: the date dialog, the
// six-day-cycle window, the day window, and the today's-events window at
// start-up.
#include "core/almanac/rokyo_view.h"
#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/info_window.h"
#include "desktop/app/my_window.h"
#include "desktop/app/rokyo_window.h"
#include "desktop/app/vesoma_window.h"
#include "desktop/dialogs/set_date_dialog.h"
#include "platform/sjis.h"

void TMyWindow::CmVesomaDate()
{
    int date[3] = {ActDate[0], ActDate[1], ActDate[2]};
    if (RunSetDate(this, platform::SjisText("表示する月の設定"), date) == 1) {
        for (int i = 0; i < 3; ++i)
            ActDate[i] = date[i];
    }
    InvalidateAll();
}

void TMyWindow::CmVesomaRokyo()
{
    if (CStatus::bRokyoCreate == 0) {
        pRokyoWindow = new TRokyoWindow(this, RokyoCaption(ActDate[0], ActDate[1]).c_str());
        CStatus::bRokyoCreate = 1;
    } else {
        pRokyoWindow->Refresh();
    }
}

void TMyWindow::CmVesomaCreate()
{
    kc.SetDate(ActDate);
    if (CStatus::bChildCreate == 0) {
        pDayWindow = new TVesomaWindow(this, platform::SjisText("暦と運勢"));
        CStatus::bChildCreate = 1;
    } else {
        pDayWindow->Refresh();
    }
}

void TMyWindow::OpenInfoWindow()
{
    pInfoWindow = new TInfoWindow(this, "");
}
