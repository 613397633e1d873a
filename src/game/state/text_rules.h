#pragma once
// How the game turns text into numbers and numbers into text. Texts are sequences of
// 16-bit code units; files hold one byte per unit.
#include <string>
#include <string_view>

// Integer from a line: leading white space, one optional sign, "%" for binary or "$"
// for hex digits, digits up to the first misfit, 32-bit wrap-around; no digits give 0.
int text_to_int(std::u16string_view text);

// Float from a line: each unit narrowed to its low byte, then a decimal number with a
// point (never the locale's separator) and an optional exponent, read in double and
// rounded to float; reading stops at the first misfit; no number gives 0.
float text_to_float(std::u16string_view text);

// Plain decimal digits with a leading minus sign for negative values.
std::u16string int_to_text(int value);

// The float widened to double and written as by "%#.9g", exponent of at least three digits.
std::u16string float_to_text(float value);

// A time with DNP digits after the point, cut (not rounded) and padded with spaces.
std::u16string GetFloat(float Value, int DNP);

// At least two characters: "0" before any value below 10 (so -1 gives "0-1").
std::u16string ZahlZweistellig(int zahl);

// Bytes as code units and back (low byte only): for file names and messages.
std::u16string latin1(std::string_view bytes);
std::string low_bytes(std::u16string_view text);
