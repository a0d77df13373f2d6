// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers as the windows show them, and texts read back as numbers.
// Nothing here depends on the user's locale: "." is always the decimal
// point and no digit grouping is ever written or read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// The one number-to-text conversion: at most 15 significant digits, no "0"
// before the point of a fraction (.5, -.25), exponent form ("1E-05",
// "1.5E+20", at least two exponent digits) when the decimal exponent is
// below -4 or 15 and above; zero is "0". Infinities and NaN, which no
// window shows, read "inf", "-inf" and "nan".
std::string NumberText(double value);

// The same rules for single-precision values, with 7 significant digits and
// exponent form from 1E+07 (the mouse read-outs of the drawing canvases).
std::string SingleNumberText(float value);

// The padded form: one blank in front of a value that is not negative.
std::string PaddedNumberText(double value);

// Both readers below first read full-width digits and signs as ASCII
// (FromFullWidth): "１２" is 12, "－．５" is -0.5.
//
// value(text): blanks, tabs and line feeds are ignored wherever they stand;
// then the longest leading part that forms a decimal number (sign, digits,
// one ".", an exponent "E"/"e" with optional sign and digits) is read; a
// text with no leading number reads as 0. Never fails; a number beyond the
// double range reads as an infinity of its sign, which callers report as
// "数据过大".
double LeadingValue(std::string_view text);

// The text as LeadingValue reads it: full-width forms as ASCII, blanks,
// tabs and line feeds dropped wherever they stand.
std::string PackedNumberText(std::string_view text);

// The unsigned decimal number at the start of `text`: digits with at most
// one ".", then an exponent "E"/"e" with optional sign, taken only when
// digits follow it. Length 0 when no number starts there. A number beyond
// the double range has `overflow` set (value infinity); one too small for
// it reads as 0.
struct DecimalPrefix {
    std::size_t length = 0;
    double value = 0;
    bool overflow = false;
};
DecimalPrefix ReadDecimalPrefix(std::string_view text);

// Strict reading of the whole text: optional blanks, an optional sign,
// digits with at most one point, an optional exponent, optional blanks.
// Anything else, an empty text, or a value beyond the double range fails.
std::optional<double> StrictValue(std::string_view text);

// Conversion to a 16- or 32-bit integer: nearest integer, halves to the even
// neighbour; nullopt (an overflow) outside the integer's range or for NaN.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);

// Result formatting: restores the leading zero the conversion leaves out
// (.5 -> 0.5, -.5 -> -0.5) and trims the blanks at both ends. A text that
// contains a capital "E" is only trimmed. Apply it only to texts made by
// NumberText (0.5 would become 00.5).
std::string FormatResult(std::string_view text);

}  // namespace numora
