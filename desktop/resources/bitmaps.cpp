// The tool-bar pictures and the icons, drawn for this program as XPM.
#include "desktop/resources/bitmaps.h"

#include <cstring>

namespace resources {

namespace {

const char* const print_xpm[] = {
    "22 20 6 1",
    ". c None",
    "G c #208040",
    "d c #808080",
    "g c #C0C0C0",
    "k c #000000",
    "w c #FFFFFF",
    "......................",
    "......kkkkkkkkkk......",
    "......kwwwwwwwwk......",
    "......kwddddddwk......",
    "......kwwwwwwwwk......",
    "......kwdddddwwk......",
    "..kkkkkkkkkkkkkkkkkk..",
    "..kggggggggggggggggk..",
    "..kgwwwwwwwwwggGGGgk..",
    "..kggggggggggggggggk..",
    "..kggggggggggggggggk..",
    "..kggggggggggggggggk..",
    "..kddddddddddddddddk..",
    "..kkkkkkkkkkkkkkkkkk..",
    ".....kwwwwwwwwwwk.....",
    ".....kwkkkkkkkkwk.....",
    ".....kwwwwwwwwwwk.....",
    ".....kwkkkkkkwwwk.....",
    ".....kwwwwwwwwwwk.....",
    ".....kkkkkkkkkkkk....."
};

const char* const next_month_xpm[] = {
    "22 20 6 1",
    ". c None",
    "b c #2040C0",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    "..kkkkkkkkkkkkkkkkkk..",
    "..krrrrrrrrrrrrrrrrk..",
    "..krrrrrrrrrrrrrrrrk..",
    "..kkkkkkkkkkkkkkkkkk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwbbbbbbbbbbbbbwk..",
    "..kwwwbbbbbbbbbbbwwk..",
    "..kwwwwbbbbbbbbbwwwk..",
    "..kwwwwwbbbbbbbwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwwbbbwwwwwwk..",
    "..kwwwwwwwwbwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwdwdwdwdwdwdwdwdk..",
    "..kkkkkkkkkkkkkkkkkk.."
};

const char* const previous_month_xpm[] = {
    "22 20 6 1",
    ". c None",
    "b c #2040C0",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    "..kkkkkkkkkkkkkkkkkk..",
    "..krrrrrrrrrrrrrrrrk..",
    "..krrrrrrrrrrrrrrrrk..",
    "..kkkkkkkkkkkkkkkkkk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwdwdwdwdwdwdwdwdk..",
    "..kwwwwwwwwbwwwwwwwk..",
    "..kwwwwwwwbbbwwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwbbbbbbbwwwwk..",
    "..kwwwwbbbbbbbbbwwwk..",
    "..kwwwbbbbbbbbbbbwwk..",
    "..kwwbbbbbbbbbbbbbwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwbbbbbwwwwwk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kkkkkkkkkkkkkkkkkk.."
};

const char* const choose_month_xpm[] = {
    "22 20 6 1",
    ". c None",
    "b c #2040C0",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    "..kkkkkkkkkkkkkkkkkk..",
    "..krrrrrrrrrrrrrrrrk..",
    "..krrrrrrrrrrrrrrrrk..",
    "..kkkkkkkkkkkkkkkkkk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwdwdwdwdwdwdwdwwk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwdwdwdwdwdwdwdwwk..",
    "..kwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwbbbbwwwwwwk..",
    "..kwdwdwdbbbkwdwdwwk..",
    "..kwwwwwwbbbkkwwwwwk..",
    "..kwwwwwwwwwkwkwwwwk..",
    "..kwdwdwdwdwkwwkdwwk..",
    "..kwwwwwwwwwkwwwkwwk..",
    "..kwwwwwwwwwkwkkkwwk..",
    "..kwwwwwwwwwkkwwwwwk..",
    "..kkkkkkkkkkkkkkkkkk.."
};

const char* const six_day_xpm[] = {
    "22 20 6 1",
    ". c None",
    "G c #208040",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    ".kkkkkkkkkkkkkkkkkkkk.",
    ".kGGGGGGGGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGGGGGGGGk.",
    ".kkkkkkkkkkkkkkkkkkkk.",
    ".kwwwwwwwwwwwwwwwwwwk.",
    ".kwkwkwkwkwkwkwkwwwwk.",
    ".kwrwdwdwdwdwdwrwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwk.",
    ".kwkwkwkwkwkwkwkwwwwk.",
    ".kwdwdwdwdwdwrwdwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwk.",
    ".kwkwkwkwkwkwkwkwwwwk.",
    ".kwdwdwdwdwrwdwdwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwk.",
    ".kwkwkwkwkwkwkwkwwwwk.",
    ".kwdwdwdwrwdwdwdwwwwk.",
    ".kkkkkkkkkkkkkkkkkkkk."
};

const char* const day_xpm[] = {
    "22 20 6 1",
    ". c None",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    "y c #F0D020",
    "....kkkkkkkkkkkkkk....",
    "....krrrrrrrrrrrrk....",
    "....krrrrrrrrrrrrk....",
    "....kkkkkkkkkkkkkk....",
    "....kwwwwwwwwwwwwk....",
    "....kwwwwyyyywwwwk....",
    "....kwwwyyyyyywwwk....",
    "....kwwyyyyyyyywwk....",
    "....kwwyyyyyyyywwk....",
    "....kwwwyyyyyywwwk....",
    "....kwwwwyyyywwwwk....",
    "....kwwwwwwwwwwwwk....",
    "....kwwwwwwwwwwwwk....",
    "....kwddddddddddwk....",
    "....kwwwwwwwwwwwwk....",
    "....kwddddddddwwwk....",
    "....kwwwwwwwwwwwwk....",
    "....kwdddddddddwwk....",
    "....kwwwwwwwwwwwwk....",
    "....kkkkkkkkkkkkkk...."
};

const char* const icon_main_xpm[] = {
    "32 32 5 1",
    ". c None",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    "................................",
    "........kk.....kk.....kk........",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...krrrrkkrrrrrkkrrrrrkkrrrrk...",
    "...krrrrkkrrrrrkkrrrrrkkrrrrk...",
    "...krrrrrrrrrrrrrrrrrrrrrrrrk...",
    "...krrrrrrrrrrrrrrrrrrrrrrrrk...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwdwwdwwdwwdwwdwwdwwdwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwdwwdwwdwwdwwdwwdwwdwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwrrrrwwwwwwwwwwk...",
    "...kwwdwwdwwdwrrrrdwwdwwdwwwk...",
    "...kwwwwwwwwwwrrrrwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwdwwdwwdwwdwwdwwdwwdwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwdwwdwwdwwdwwdwwdwwdwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "................................",
    "................................"
};

const char* const icon_rokyo_xpm[] = {
    "32 32 6 1",
    ". c None",
    "G c #208040",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    "................................",
    "........kk.....kk.....kk........",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...kGGGGkkGGGGGkkGGGGGkkGGGGk...",
    "...kGGGGkkGGGGGkkGGGGGkkGGGGk...",
    "...kGGGGGGGGGGGGGGGGGGGGGGGGk...",
    "...kGGGGGGGGGGGGGGGGGGGGGGGGk...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwrrwddwddwddwddwddwrrwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwddwddwddwddwddwrrwddwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwddwddwddwddwrrwddwddwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwkkwkkwkkwkkwkkwkkwkkwwk...",
    "...kwwddwddwddwrrwddwddwddwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "................................",
    "................................"
};

const char* const icon_reki_xpm[] = {
    "32 32 6 1",
    ". c None",
    "b c #2040C0",
    "d c #808080",
    "k c #000000",
    "r c #D02020",
    "w c #FFFFFF",
    "................................",
    "........kk.....kk.....kk........",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...kbbbbkkbbbbbkkbbbbbkkbbbbk...",
    "...kbbbbkkbbbbbkkbbbbbkkbbbbk...",
    "...kbbbbbbbbbbbbbbbbbbbbbbbbk...",
    "...kbbbbbbbbbbbbbbbbbbbbbbbbk...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwrrrrwwwwwwwwwwk...",
    "...kwwwwwwwwrrrrrrrrwwwwwwwwk...",
    "...kwwwwwwwwrrrrrrrrwwwwwwwwk...",
    "...kwwwwwwwrrrrrrrrrrwwwwwwwk...",
    "...kwwwwwwwrrrrrrrrrrwwwwwwwk...",
    "...kwwwwwwwrrrrrrrrrrwwwwwwwk...",
    "...kwwwwwwwrrrrrrrrrrwwwwwwwk...",
    "...kwwwwwwwwrrrrrrrrwwwwwwwwk...",
    "...kwwwwwwwwrrrrrrrrwwwwwwwwk...",
    "...kwwwwwwwwwwrrrrwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwddddddddddddddddddwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwddddddddddddddwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kwwwwwwwwwwwwwwwwwwwwwwwwk...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "................................",
    "................................"
};


struct ToolPicture {
    int id;
    const char* const* xpm;
};

constexpr ToolPicture kToolPictures[] = {
    {48, print_xpm},
    {513, next_month_xpm},
    {514, previous_month_xpm},
    {515, choose_month_xpm},
    {516, six_day_xpm},
    {517, day_xpm},
};

struct IconPicture {
    const char* name;
    const char* const* xpm;
};

constexpr IconPicture kIconPictures[] = {
    {"4096", icon_main_xpm},
    {"4100", icon_rokyo_xpm},
    {"reki", icon_reki_xpm},
};

}  // namespace

const char* const* ToolPictureXpm(int id)
{
    for (const ToolPicture& picture : kToolPictures) {
        if (picture.id == id)
            return picture.xpm;
    }
    return nullptr;
}

const char* const* IconPictureXpm(const char* name)
{
    for (const IconPicture& picture : kIconPictures) {
        if (std::strcmp(picture.name, name) == 0)
            return picture.xpm;
    }
    return nullptr;
}

}  // namespace resources
