// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/guide/KanaInput.h"

#include <array>

namespace kuyu {

namespace {

// Full-width katakana U+30A1 (small a) .. U+30FC (long vowel).
constexpr char32_t FirstKatakana = 0x30A1;
const std::array<const char32_t*, 92> Katakana = {
    U"ｧ",  U"ｱ",  U"ｨ",  U"ｲ",  U"ｩ",  U"ｳ",  U"ｪ",  U"ｴ",  U"ｫ",  U"ｵ",  U"ｶ", U"ｶﾞ",
    U"ｷ",  U"ｷﾞ", U"ｸ",  U"ｸﾞ", U"ｹ",  U"ｹﾞ", U"ｺ",  U"ｺﾞ", U"ｻ",  U"ｻﾞ", U"ｼ", U"ｼﾞ",
    U"ｽ",  U"ｽﾞ", U"ｾ",  U"ｾﾞ", U"ｿ",  U"ｿﾞ", U"ﾀ",  U"ﾀﾞ", U"ﾁ",  U"ﾁﾞ", U"ｯ", U"ﾂ",
    U"ﾂﾞ", U"ﾃ",  U"ﾃﾞ", U"ﾄ",  U"ﾄﾞ", U"ﾅ",  U"ﾆ",  U"ﾇ",  U"ﾈ",  U"ﾉ",  U"ﾊ", U"ﾊﾞ",
    U"ﾊﾟ", U"ﾋ",  U"ﾋﾞ", U"ﾋﾟ", U"ﾌ",  U"ﾌﾞ", U"ﾌﾟ", U"ﾍ",  U"ﾍﾞ", U"ﾍﾟ", U"ﾎ", U"ﾎﾞ",
    U"ﾎﾟ", U"ﾏ",  U"ﾐ",  U"ﾑ",  U"ﾒ",  U"ﾓ",  U"ｬ",  U"ﾔ",  U"ｭ",  U"ﾕ",  U"ｮ", U"ﾖ",
    U"ﾗ",  U"ﾘ",  U"ﾙ",  U"ﾚ",  U"ﾛ",  U"ﾜ",  U"ﾜ",  U"ｲ",  U"ｴ",  U"ｦ",  U"ﾝ", U"ｳﾞ",
    U"ｶ",  U"ｹ",  U"ﾜﾞ", U"ｲﾞ", U"ｴﾞ", U"ｦﾞ", U"･",  U"ｰ",
};

// Hiragana U+3041..U+3096 sit 0x60 below their katakana.
constexpr char32_t FirstHiragana = 0x3041;
constexpr char32_t LastHiragana = 0x3096;
constexpr char32_t HiraganaToKatakana = 0x60;

} // namespace

Text ToHalfWidthKana(TextView text) {
    Text out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c >= FirstHiragana && c <= LastHiragana) {
            c += HiraganaToKatakana;
        }
        if (c >= FirstKatakana && c < FirstKatakana + Katakana.size()) {
            out += Katakana[c - FirstKatakana];
            continue;
        }
        switch (c) {
        case 0x3000: // ideographic space
            out += U' ';
            break;
        case 0x3001:
            out += U'\uFF64'; // ､
            break;
        case 0x3002:
            out += U'\uFF61'; // ｡
            break;
        case 0x300C:
            out += U'\uFF62'; // ｢
            break;
        case 0x300D:
            out += U'\uFF63'; // ｣
            break;
        case 0x3099: // combining voiced mark
        case 0x309B:
            out += U'\uFF9E';
            break;
        case 0x309A: // combining semi-voiced mark
        case 0x309C:
            out += U'\uFF9F';
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

} // namespace kuyu
