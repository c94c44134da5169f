#include "desktop/app/screen_cell.h"

#include <wx/dcscreen.h>

#include "core/almanac/text_attr.h"
#include "desktop/platform/almanac_font.h"
#include "desktop/platform/wx_draw_surface.h"

wxSize MeasureCell(wxDC& dc)
{
    platform::WxDrawSurface surface(dc);
    int size[2];
    GetTextAttr(surface, size);
    return wxSize(size[0], size[1]);
}

wxSize ScreenCell()
{
    wxScreenDC screen;
    screen.SetFont(platform::AlmanacScreenFont());
    return MeasureCell(screen);
}
