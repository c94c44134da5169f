// The XPM data of the tool-bar pictures and the icons.
#pragma once

namespace resources {

// XPM of the tool-bar picture of a command of the tool bar, or nullptr.
const char* const* ToolPictureXpm(int id);

// XPM of the icon resource name ("4096", "4100", "reki"), or nullptr.
const char* const* IconPictureXpm(const char* name);

}  // namespace resources
