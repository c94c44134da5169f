#include "desktop/app/remembered_place.h"

#include <wx/display.h>

#include "core/almanac/vesoma.h"
#include "core/settings/status.h"
#include "core/settings/window_place.h"
#include "desktop/app/app_globals.h"
#include "desktop/app/my_window.h"

namespace {

void FromWx(const wxRect& r, int* rect)
{
    rect[0] = r.x;
    rect[1] = r.y;
    rect[2] = r.width;
    rect[3] = r.height;
}

}  // namespace

void RestorePlace(TMyWindow& window)
{
    wxWindow* frame = window.GetParent();
    WindowPlace place = ReadWindowPlace(window.szIniFile, window.szSection);
    if (!place.bGeometry)
        FromWx(frame->GetRect(), place.rect);
    int screen[4];
    FromWx(wxDisplay(frame).GetClientArea(), screen);
    ClampIntoScreen(place.rect, screen);
    frame->SetSize(place.rect[0], place.rect[1], place.rect[2], place.rect[3]);
    // The views draw from the month table, which the month window's first
    // paint has not built yet.
    kc.SetCalender(ActDate);
    if (place.bDayWindow && !CStatus::bChildCreate)
        window.CmVesomaCreate();
    if (place.bRokyoWindow && !CStatus::bRokyoCreate)
        window.CmVesomaRokyo();
}

void RememberPlace(const TMyWindow& window)
{
    WindowPlace place;
    FromWx(window.GetParent()->GetRect(), place.rect);
    place.bDayWindow = CStatus::bChildCreate != 0;
    place.bRokyoWindow = CStatus::bRokyoCreate != 0;
    // A profile that cannot be written only costs the next start its place.
    WriteWindowPlace(window.szIniFile, window.szSection, place);
}
