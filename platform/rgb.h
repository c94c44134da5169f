#pragma once

namespace platform {

// A text colour as red, green, blue.
struct Rgb {
    int red;
    int green;
    int blue;
};

constexpr bool operator==(const Rgb& a, const Rgb& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

}  // namespace platform
