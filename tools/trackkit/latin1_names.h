#pragma once
// Display names between the command line (UTF-8) and maps.txt, where the game reads one
// byte per character (ISO 8859-1).
#include <string>
#include <string_view>

namespace trackkit {

// Throws std::invalid_argument, saying which character does not fit, for text that is not
// UTF-8, holds a character above U+00FF or a control character, or is empty.
std::string latin1_from_utf8(std::string_view utf8);

std::string utf8_from_latin1(std::string_view latin1);

}  // namespace trackkit
