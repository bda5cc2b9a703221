// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read-only view over a plant's 30-character code. Characters 2k-1 and 2k
// are the secondary and primary code of search category k (1..10); 21-23,
// 24-26 and 27-29 are the three value lists a list code (A..D, H..J) points
// into; 30 is the classification. Positions past the end read as a blank.

#include "core/text/Text.h"

namespace kuyu {

class PlantCode {
  public:
    explicit PlantCode(TextView code) : code_(code) {}

    char32_t primary(int k) const { return at(2 * static_cast<std::size_t>(k)); }
    char32_t secondary(int k) const { return at(2 * static_cast<std::size_t>(k) - 1); }
    // Value list n (1..3), three characters.
    TextView valueList(int n) const {
        const std::size_t from = 21 + 3 * static_cast<std::size_t>(n - 1);
        return from <= code_.size() ? code_.substr(from - 1, 3) : TextView();
    }
    char32_t classification() const { return at(30); }
    // Character `pos1` (1-based).
    char32_t at(std::size_t pos1) const {
        return pos1 >= 1 && pos1 <= code_.size() ? code_[pos1 - 1] : U' ';
    }

  private:
    TextView code_;
};

// A plant's key: the first eight characters of its name, trailing blanks
// removed. Pictures, notes and list lines name a plant by it.
inline Text PlantKey(TextView name) {
    TextView key = name.substr(0, 8);
    while (!key.empty() && key.back() == U' ') {
        key.remove_suffix(1);
    }
    return Text(key);
}

} // namespace kuyu
