// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in the core is UTF-32: one element is one character, so every length
// and position counts characters, as the data files and screens expect.
// Files on disk are CP932 (the Windows Japanese code page); we convert at the
// edge and nowhere else.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kuyu {

using Text = std::u32string;
using TextView = std::u32string_view;

// UTF-8 <-> UTF-32. Malformed UTF-8 becomes U+FFFD.
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);

// CP932 <-> UTF-32. Bytes that do not decode become U+FFFD (one per byte).
Text decodeCp932(std::string_view bytes);
// nullopt when a character has no CP932 form.
std::optional<std::string> encodeCp932(TextView text);

// The first character of `text` that a CP932 file cannot hold as it is: one
// with no CP932 form, or one whose bytes read back as another character.
// nullopt when every character can.
std::optional<char32_t> firstCharNotInCp932(TextView text);
// Characters that CP932 holds in another form of the same character become
// that form: the wave dash 〜 (what input methods on Linux type) becomes ～,
// and likewise ‖ −  — ¢ £ ¬ become ∥ － ― ￠ ￡ ￢. Saved and read back, the
// text is then the same. ¥ and ‾ stay: CP932 holds them only as \ and ~.
Text toCp932Forms(TextView text);

// A text file's bytes: a UTF-8 byte-order mark means UTF-8 (the mark is
// dropped); anything else is CP932.
Text decodeFileText(std::string_view bytes);

// Characters 1-based, clamped like the old string functions (Mid, Left, Right).
Text mid(TextView text, std::size_t start1, std::size_t count = std::u32string::npos);
Text left(TextView text, std::size_t count);
Text right(TextView text, std::size_t count);

// Decimal text of a number with a blank in place of a plus sign: 7 -> " 7",
// -3 -> "-3". This is how numbers are written into captions.
Text numberWithSign(long value);
// Plain decimal digits: 7 -> "7".
Text decimal(long value);

// ASCII letters in upper case, everything else as it is: names on Windows
// media are found and sorted without regard to ASCII letter case.
inline char32_t upperAscii(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - 32 : c;
}
Text upperAscii(TextView text);
// `text` ends with `suffix`, ASCII letters compared without regard to case.
bool endsWithIgnoringAsciiCase(TextView text, TextView suffix);

// A is half-width katakana (U+FF61..U+FF9F).
inline bool isHalfWidthKatakana(char32_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

} // namespace kuyu
