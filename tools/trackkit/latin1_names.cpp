#include "trackkit/latin1_names.h"

#include <cstdio>
#include <stdexcept>

namespace trackkit {
namespace {

std::string code_point_name(unsigned code) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", code);
  return text;
}

}  // namespace

std::string latin1_from_utf8(std::string_view utf8) {
  if (utf8.empty()) throw std::invalid_argument("the name is empty");
  std::string latin1;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    unsigned code = byte;
    std::size_t length = 1;
    if (byte >= 0x80) {
      // Only two-byte sequences can stay below U+0100; longer ones are outside anyway.
      length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
      bool well_formed = length > 0 && i + length <= utf8.size();
      code = byte & (0x7F >> length);
      for (std::size_t k = 1; well_formed && k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        well_formed = (next & 0xC0) == 0x80;
        code = (code << 6) | (next & 0x3F);
      }
      if (!well_formed) throw std::invalid_argument("the name is not UTF-8 text");
    }
    if (code > 0xFF)
      throw std::invalid_argument("the name holds \"" + std::string(utf8.substr(i, length)) + "\" (" +
                                  code_point_name(code) +
                                  "); the game shows only the characters of ISO 8859-1 (Latin-1)");
    if (code < 0x20 || (code >= 0x7F && code < 0xA0))
      throw std::invalid_argument("the name holds the control character " + code_point_name(code));
    latin1 += static_cast<char>(code);
    i += length;
  }
  return latin1;
}

std::string utf8_from_latin1(std::string_view latin1) {
  std::string utf8;
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

}  // namespace trackkit
