#include "core/almanac/text_attr.h"

#include "platform/sjis.h"

GetTextAttr::GetTextAttr(const platform::DrawSurface& surface, int* size)
{
    GetFontSize(surface, size);
}

void GetTextAttr::GetFontSize(const platform::DrawSurface& surface, int* size) const
{
    const platform::FontMetrics font = surface.GetFontMetrics();
    size[0] = font.averageCharWidth;
    size[1] = font.height + font.externalLeading;
}

void GetTextAttr::GetTextFont(const platform::DrawSurface& surface, LogFont* font) const
{
    const platform::FontMetrics metrics = surface.GetFontMetrics();
    *font = LogFont{};
    platform::CopyCut(font->lfFaceName, surface.GetFaceName().c_str(), sizeof font->lfFaceName - 1);
    font->lfWidth = metrics.averageCharWidth;
    font->lfHeight = metrics.height - metrics.externalLeading;
    font->lfWeight = metrics.weight;
    font->lfItalic = metrics.italic ? 1 : 0;
    font->lfUnderline = metrics.underlined ? 1 : 0;
    font->lfStrikeOut = metrics.struckOut ? 1 : 0;
}

int GetPrinterRaito(const platform::DrawSurface& surface)
{
    return surface.GetDpiX() / 10;
}

void GetPageOrigin(const platform::DrawSurface& page, int* origin)
{
    const int r = GetPrinterRaito(page);
    origin[0] = -4 * r;
    origin[1] = -6 * r;
}
