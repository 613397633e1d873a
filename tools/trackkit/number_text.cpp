#include "trackkit/number_text.h"

#include <cctype>

namespace trackkit {
namespace {

bool is_digit_of(char c, int base) {
  if (base == 2) return c == '0' || c == '1';
  if (base == 16) return std::isxdigit(static_cast<unsigned char>(c)) != 0;
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Skips leading white space and one sign.
std::string_view after_sign(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  return text;
}

// Removes the digits of `base` at the front and tells how many there were.
std::size_t take_digits(std::string_view& text, int base) {
  std::size_t count = 0;
  while (count < text.size() && is_digit_of(text[count], base)) ++count;
  text.remove_prefix(count);
  return count;
}

}  // namespace

bool is_whole_number(std::string_view text) {
  text = after_sign(text);
  int base = 10;
  if (!text.empty() && (text.front() == '$' || text.front() == '%')) {
    base = text.front() == '$' ? 16 : 2;
    text.remove_prefix(1);
  }
  return take_digits(text, base) > 0 && text.empty();
}

bool is_decimal_number(std::string_view text) {
  text = after_sign(text);
  std::size_t digits = take_digits(text, 10);
  if (!text.empty() && text.front() == '.') {
    text.remove_prefix(1);
    digits += take_digits(text, 10);
  }
  if (digits == 0) return false;
  if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    if (take_digits(text, 10) == 0) return false;
  }
  return text.empty();
}

}  // namespace trackkit
