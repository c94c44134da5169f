// The face the almanac is drawn and printed with, for every side of the
// program: the window's toolkit and the toolkit-free PDF writer pick from the
// same list, so a page looks the same from either.
#pragma once

namespace platform {

// Monospace CJK faces in which a full-width character is exactly two cells
// wide, so the columns line up; the first installed one is used.
constexpr const char* kAlmanacFaces[] = {
    "IPAGothic", "VL Gothic", "Noto Sans Mono CJK JP", "TakaoGothic", "MS Gothic",
};

// The size of the almanac face on paper: 78 columns of half an em fit an A4
// or Letter page inside the margins with room to spare.
constexpr int kPrintPointSize = 12;

}  // namespace platform
