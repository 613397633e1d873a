# Writes INPUT as a byte array into the C++ file OUTPUT (kBuiltinFont, kBuiltinFontSize).
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "#include <cstddef>\nnamespace platform {\nextern const unsigned char kBuiltinFont[] = {\n${bytes}};\nextern const std::size_t kBuiltinFontSize = sizeof(kBuiltinFont);\n}  // namespace platform\n")
