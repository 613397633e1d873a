#pragma once
// Whether a line holds a number and nothing else. The game reads whatever number a line
// starts with and silently takes 0 when there is none, so a typo would go unnoticed.
#include <string_view>

namespace trackkit {

// An integer as the game reads it: leading white space, an optional sign, then decimal
// digits, or "$" and hex digits, or "%" and binary digits.
bool is_whole_number(std::string_view text);

// A decimal number: leading white space, an optional sign, digits with an optional
// point, an optional exponent.
bool is_decimal_number(std::string_view text);

}  // namespace trackkit
