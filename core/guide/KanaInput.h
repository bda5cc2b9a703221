// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a Japanese input method types, made into the half-width katakana the
// plant names are written in.

#include "core/text/Text.h"

namespace kuyu {

// Hiragana and full-width katakana become half-width katakana, voiced and
// semi-voiced kana as the kana followed by the separate mark "ﾞ" or "ﾟ",
// the long vowel "ー" as "ｰ"; the full-width space and the Japanese
// punctuation become their half-width forms. Everything else is kept.
Text ToHalfWidthKana(TextView text);

} // namespace kuyu
