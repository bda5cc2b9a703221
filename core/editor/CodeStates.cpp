// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editor/CodeStates.h"

#include "core/conditions/Conditions.h"
#include "core/state/AppState.h"
#include "core/state/CodeLetters.h"
#include "core/state/PlantCode.h"

#include <algorithm>
#include <array>

namespace kuyu::editor {

namespace {

constexpr std::size_t ListStart = 21; // value list n starts at 21 + 3(n - 1)
constexpr std::size_t ListLength = 3;
const Text EmptyList = U"000";

// Which value lists a code character refers to (bit n-1 for list n), read
// as a primary code: a list a secondary "H".."J" names is kept too.
unsigned listsOf(char32_t c) {
    const ListSpan span = SpanOf(ReadCodeLetter(c).primaryLists);
    unsigned bits = 0;
    for (int n = span.first; n <= span.last; ++n) {
        bits |= 1U << (n - 1);
    }
    return bits;
}

std::vector<int> digitsOf(TextView list) {
    std::vector<int> out;
    for (const char32_t c : list) {
        if (c >= U'1' && c <= U'9') {
            out.push_back(static_cast<int>(c - U'0'));
        }
    }
    return out;
}

// Lists referred to by the category characters of `code`, except `skip`.
unsigned listsInUse(const Text& code, std::size_t skip) {
    unsigned used = 0;
    for (std::size_t pos = 1; pos <= 2 * CategoryCount && pos <= code.size(); ++pos) {
        if (pos != skip) {
            used |= listsOf(code[pos - 1]);
        }
    }
    return used;
}

Text listText(const std::vector<int>& values, std::size_t from, std::size_t count) {
    Text out;
    for (std::size_t i = from; i < from + count && i < values.size(); ++i) {
        out += static_cast<char32_t>(U'0' + values[i]);
    }
    out.resize(ListLength, U'0');
    return out;
}

TextView listAt(const Text& code, int n) {
    return PlantCode(code).valueList(n);
}

void setList(Text& code, int n, const Text& list) {
    code.replace(ListStart - 1 + ListLength * static_cast<std::size_t>(n - 1), ListLength, list);
}

} // namespace

int ChoosableOptions(int k) {
    return Category(k).optionCount - 1;
}

Text NewPlantCode() {
    return Text(CodeLength, U'0');
}

CategoryState StateOf(const Text& code, char32_t c) {
    CategoryState s;
    const CodeLetter letter = ReadCodeLetter(c);
    switch (letter.role) {
    case CodeRole::Digit:
        s.kind = StateKind::Option;
        s.option = letter.digit;
        break;
    case CodeRole::Variable:
        s.kind = StateKind::Indefinite;
        break;
    case CodeRole::Absent:
        s.kind = StateKind::None;
        break;
    case CodeRole::SeveralValues:
    case CodeRole::Leaning: {
        s.kind = StateKind::Several;
        s.reading = letter.role == CodeRole::Leaning ? SeveralReading::AnyShownFirst
                                                     : SeveralReading::AnyShownIndefinite;
        const ListSpan span = SpanOf(letter.primaryLists);
        for (int n = span.first; n <= span.last; ++n) {
            const auto d = digitsOf(listAt(code, n));
            s.values.insert(s.values.end(), d.begin(), d.end());
        }
        break;
    }
    case CodeRole::Unknown:
    case CodeRole::Other:
        break;
    }
    return s;
}

Outcome WriteState(Text& code, std::size_t pos, int k, const CategoryState& state) {
    Text out = code;
    if (out.size() < CodeLength) {
        out.resize(CodeLength, U'0');
    } else if (out.size() > CodeLength) {
        out.resize(CodeLength);
    }
    const CategoryInfo& info = Category(k);
    const int most = info.optionCount;
    char32_t c = U'0';
    switch (state.kind) {
    case StateKind::Unknown:
        c = U'0';
        break;
    case StateKind::Indefinite:
        c = U'X';
        break;
    case StateKind::None:
        c = U'Y';
        break;
    case StateKind::Option:
        if (state.option < 1 || state.option > most) {
            return Outcome::failure(info.openerCaption + U"に" + decimal(state.option) +
                                    U"番の選択肢はありません");
        }
        c = static_cast<char32_t>(U'0' + state.option);
        break;
    case StateKind::Several: {
        const auto& v = state.values;
        const bool first = state.reading == SeveralReading::AnyShownFirst;
        const std::size_t room = first ? ListLength : 2 * ListLength;
        if (v.empty() || v.size() > room) {
            return Outcome::failure(first ? Text(U"先頭を示す複数の値は1〜3個です")
                                          : Text(U"複数の値は1〜6個です"));
        }
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (v[i] < 1 || v[i] >= most) {
                return Outcome::failure(info.openerCaption + U"に" + decimal(v[i]) +
                                        U"番の選択肢はありません");
            }
            if (std::count(v.begin(), v.end(), v[i]) > 1) {
                return Outcome::failure(U"同じ値が二度あります");
            }
        }
        const unsigned used = listsInUse(out, pos);
        if (v.size() > ListLength) {
            // Four to six values: lists 1 and 2 together.
            Text both = Text(listAt(out, 1)) + Text(listAt(out, 2));
            if (digitsOf(both) != v) {
                if (used & 3U) {
                    return Outcome::failure(
                        U"値の並び1と2がほかの項目で使われているため、4個以上の値は書けません");
                }
                setList(out, 1, listText(v, 0, ListLength));
                setList(out, 2, listText(v, ListLength, ListLength));
            }
            c = U'D';
            break;
        }
        int chosen = 0;
        for (int n = 1; n <= 3 && chosen == 0; ++n) {
            if (digitsOf(listAt(out, n)) == v) {
                chosen = n; // the same values already stand there
            }
        }
        for (int n = 1; n <= 3 && chosen == 0; ++n) {
            if (!(used & (1U << (n - 1)))) {
                chosen = n;
                setList(out, n, listText(v, 0, ListLength));
            }
        }
        if (chosen == 0) {
            return Outcome::failure(U"値の並び（3つ）がすべてほかの項目で使われています");
        }
        c = static_cast<char32_t>((first ? U'H' : U'A') + (chosen - 1));
        break;
    }
    }
    out[pos - 1] = c;
    ClearUnusedLists(out, code);
    code = std::move(out);
    return Outcome::success();
}

void ClearUnusedLists(Text& code, const Text& before) {
    const unsigned was = listsInUse(before, 0);
    const unsigned now = listsInUse(code, 0);
    for (int n = 1; n <= 3; ++n) {
        const unsigned bit = 1U << (n - 1);
        if ((was & bit) && !(now & bit) && code.size() >= CodeLength - 1) {
            setList(code, n, EmptyList);
        }
    }
}

} // namespace kuyu::editor
