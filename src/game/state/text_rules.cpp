#include "game/state/text_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace {

bool is_space(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }

bool is_space(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

bool is_decimal_digit(char byte) { return byte >= '0' && byte <= '9'; }

// Value of a digit in bases up to 16, or -1; units above 255 are never digits.
int digit_value(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return unit - u'0';
  if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
  if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
  return -1;
}

size_t skip_digits(const std::string& bytes, size_t pos) {
  while (pos < bytes.size() && is_decimal_digit(bytes[pos])) ++pos;
  return pos;
}

// End of the unsigned decimal number starting at `begin` (digits with an optional point
// and exponent); `begin` itself if no digit is there. An "e" without digits is left out.
size_t number_end(const std::string& bytes, size_t begin) {
  size_t pos = skip_digits(bytes, begin);
  bool has_digits = pos > begin;
  if (pos < bytes.size() && bytes[pos] == '.') {
    const size_t fraction_begin = pos + 1;
    pos = skip_digits(bytes, fraction_begin);
    has_digits = has_digits || pos > fraction_begin;
  }
  if (!has_digits) return begin;
  if (pos < bytes.size() && (bytes[pos] == 'e' || bytes[pos] == 'E')) {
    size_t exponent_begin = pos + 1;
    if (exponent_begin < bytes.size() && (bytes[exponent_begin] == '+' || bytes[exponent_begin] == '-'))
      ++exponent_begin;
    const size_t exponent_end = skip_digits(bytes, exponent_begin);
    if (exponent_end > exponent_begin) pos = exponent_end;
  }
  return pos;
}

// For a number beyond the range of double: true if it is too large, false if too small.
// Decided by the decimal exponent of its leading non-zero digit.
bool beyond_double_is_large(std::string_view number) {
  const size_t e = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, e);
  long long exponent = 0;
  if (e < number.size()) {
    size_t pos = e + 1;
    const bool negative = number[pos] == '-';
    if (number[pos] == '+' || number[pos] == '-') ++pos;
    for (; pos < number.size(); ++pos) exponent = std::min(exponent * 10 + (number[pos] - '0'), 1000000000LL);
    if (negative) exponent = -exponent;
  }
  const long long point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
  const long long lead = static_cast<long long>(mantissa.find_first_of("123456789"));
  return exponent + (lead < point ? point - lead - 1 : point - lead) > 0;
}

// The digits of a double as "%#.9g" writes them, with a two-digit exponent.
std::string nine_digits(double value) {
  char buffer[64];
  const auto scientific = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 8);
  const std::string text(buffer, scientific.ptr);
  const size_t e = text.find('e');
  int exponent = 0;
  std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
  if (text[e + 1] == '-') exponent = -exponent;
  if (exponent < -4 || exponent > 8) return text;
  const auto fixed = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 8 - exponent);
  std::string plain(buffer, fixed.ptr);
  if (plain.find('.') == std::string::npos) plain += '.';
  return plain;
}

std::string float_to_bytes(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  std::string text = nine_digits(value);
  const size_t e = text.find('e');
  if (e == std::string::npos) return text;
  const size_t exponent_digits = text.size() - (e + 2);
  if (exponent_digits < 3) text.insert(e + 2, 3 - exponent_digits, '0');
  return text;
}

}  // namespace

int text_to_int(std::u16string_view text) {
  size_t pos = 0;
  while (pos < text.size() && is_space(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
    negative = text[pos] == u'-';
    ++pos;
  }
  int base = 10;
  if (pos < text.size() && text[pos] == u'%') {
    base = 2;
    ++pos;
  } else if (pos < text.size() && text[pos] == u'$') {
    base = 16;
    ++pos;
  }
  // Unsigned arithmetic gives the 32-bit wrap-around without overflow.
  uint32_t value = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = digit_value(text[pos]);
    if (digit < 0 || digit >= base) break;
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

float text_to_float(std::u16string_view text) {
  const std::string bytes = low_bytes(text);
  size_t pos = 0;
  while (pos < bytes.size() && is_space(bytes[pos])) ++pos;
  bool negative = false;
  if (pos < bytes.size() && (bytes[pos] == '+' || bytes[pos] == '-')) {
    negative = bytes[pos] == '-';
    ++pos;
  }
  const size_t end = number_end(bytes, pos);
  if (end == pos) return 0.0f;
  // from_chars ignores the locale and rounds correctly; the sign is applied afterwards
  // because it does not accept "+".
  double value = 0.0;
  const auto result = std::from_chars(bytes.data() + pos, bytes.data() + end, value);
  if (result.ec == std::errc::result_out_of_range)
    value = beyond_double_is_large(std::string_view(bytes).substr(pos, end - pos)) ? HUGE_VAL : 0.0;
  return static_cast<float>(negative ? -value : value);
}

std::u16string int_to_text(int value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return latin1(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

std::u16string float_to_text(float value) { return latin1(float_to_bytes(value)); }

// The HUD calls this every frame: the short byte text and the cut result stay within
// the strings' own small buffers, so no memory is allocated.
std::u16string GetFloat(float Value, int DNP) {
  const std::string text = float_to_bytes(Value);
  // "inf" and "nan" have no point; they are cut and padded as if it followed them.
  const long long point = static_cast<long long>(std::min(text.find('.'), text.size()));
  std::u16string Back(static_cast<size_t>(std::max(0LL, point + DNP + 1)), u' ');
  for (size_t n = 0; n < Back.size() && n < text.size(); ++n)
    Back[n] = static_cast<char16_t>(static_cast<unsigned char>(text[n]));
  return Back;
}

std::u16string ZahlZweistellig(int zahl) { return zahl < 10 ? u"0" + int_to_text(zahl) : int_to_text(zahl); }

std::u16string latin1(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(byte));
  return text;
}

std::string low_bytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const char16_t unit : text) bytes += static_cast<char>(unit & 0xFF);
  return bytes;
}
