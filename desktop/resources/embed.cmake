# Writes the bytes of INPUT as a C++ array kHelpBookData into OUTPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "// Generated from the help book; do not edit.\n"
  "#include <cstddef>\n"
  "extern const unsigned char kHelpBookData[];\n"
  "extern const std::size_t kHelpBookSize;\n"
  "const unsigned char kHelpBookData[] = {\n${bytes}\n};\n"
  "const std::size_t kHelpBookSize = ${size};\n")
