// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/guide/Guide.h"

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/features/Features.h"
#include "core/state/CodeLetters.h"
#include "core/state/PlantCode.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace kuyu {

namespace {

constexpr OptionMask AllDigits = AllOptionDigits;

OptionMask digitBit(char32_t c) {
    return c >= U'1' && c <= U'9' ? static_cast<OptionMask>(1U << (c - U'0')) : OptionMask{0};
}

int selectionDigit(const Text& selection, int k) {
    const char32_t c = PlantCode(selection).at(static_cast<std::size_t>(k));
    return c >= U'1' && c <= U'9' ? static_cast<int>(c - U'0') : 0;
}

bool has(OptionMask m, int digit) {
    return ((m >> digit) & 1U) != 0;
}

// Is a plant with these disagreement counts listed in `mode`?
bool listedIn(int mode, int plainMisses, int aiMisses) {
    switch (mode) {
    case search::Fuzzy:
        return plainMisses <= 1;
    case search::Ai:
        return plainMisses == 0 || aiMisses == 0;
    default:
        return plainMisses == 0;
    }
}

const Text& label(const AppState& state, int k, int v) {
    return state.OptionLabel.at(static_cast<std::size_t>(k)).at(static_cast<std::size_t>(v));
}

Text digitWords(const AppState& state, int k, char32_t c) {
    const int v = CodeDigit(c);
    if (v >= 1 && v <= 9 && !label(state, k, v).empty()) {
        return label(state, k, v);
    }
    return Text(1, c);
}

// The digits of the value lists `lists` points to in words, each once.
Text listWords(const AppState& state, int k, const PlantCode& code, ValueLists lists) {
    Text out;
    OptionMask seen = 0;
    const ListSpan span = SpanOf(lists);
    for (int n = span.first; n <= span.last; ++n) {
        for (const char32_t c : code.valueList(n)) {
            const OptionMask bit = digitBit(c);
            if (bit == 0 || (seen & bit) != 0) {
                continue;
            }
            seen = static_cast<OptionMask>(seen | bit);
            if (!out.empty()) {
                out += U'･';
            }
            out += digitWords(state, k, c);
        }
    }
    return out.empty() ? Text(U"不定") : out;
}

// A value-list letter in words, or nothing when `c` is none.
std::optional<Text> listLetterWords(const AppState& state, int k, const PlantCode& code, char32_t c,
                                    bool secondary) {
    const CodeLetter letter = ReadCodeLetter(c);
    const ValueLists lists = secondary ? letter.secondaryLists : letter.primaryLists;
    if (lists == ValueLists::None) {
        return std::nullopt;
    }
    return listWords(state, k, code, lists);
}

Text primaryWords(const AppState& state, int k, const PlantCode& code) {
    const char32_t p = code.primary(k);
    switch (ReadCodeLetter(p).role) {
    case CodeRole::Unknown:
        return U"不明";
    case CodeRole::Variable:
        return U"不定";
    case CodeRole::Absent:
        return U"なし";
    default:
        break;
    }
    if (p == U' ') {
        return U"不明"; // a code cut short
    }
    if (auto words = listLetterWords(state, k, code, p, false)) {
        return *words;
    }
    return digitWords(state, k, p);
}

// The secondary state when it adds something: a digit or a value list.
std::optional<Text> secondaryWords(const AppState& state, int k, const PlantCode& code) {
    const char32_t q = code.secondary(k);
    if (auto words = listLetterWords(state, k, code, q, true)) {
        return words;
    }
    if (q >= U'1' && q <= U'9') {
        return digitWords(state, k, q);
    }
    return std::nullopt;
}

} // namespace

GuideIndex::GuideIndex(const AppState& state)
    : count_(std::max<int>(state.PlantCount, 0)), generation_(state.LoadGeneration) {
    const auto n = static_cast<std::size_t>(count_) * CategoryCount;
    plain_.resize(n);
    ai_.resize(n);
    for (int j = 1; j <= count_; ++j) {
        const PlantCode code(state.PlantCode[static_cast<std::size_t>(j)]);
        const auto sets = DigitMatcher::listSets(code);
        for (int k = 1; k <= CategoryCount; ++k) {
            plain_[slot(j, k)] = FirstPassDigits(code, k, sets);
            ai_[slot(j, k)] = AiPassDigits(code, k, sets);
        }
    }
}

GuideCounts CountRemaining(const GuideIndex& index, const GuideQuery& query) {
    GuideCounts out;
    const int mode =
        (query.mode == search::Fuzzy || query.mode == search::Ai) ? query.mode : search::Plain;
    std::array<int, CategoryCount + 1> chosen{};
    std::array<OptionMask, CategoryCount + 1> realOptions{};
    for (int k = 1; k <= CategoryCount; ++k) {
        chosen[static_cast<std::size_t>(k)] = selectionDigit(query.selection, k);
        const int last = Category(k).optionCount;
        // Options 1..last-1; the last one, 不明, sets no condition.
        realOptions[static_cast<std::size_t>(k)] =
            static_cast<OptionMask>(AllDigits & ((1U << last) - 1U));
        auto& c = out.categories[static_cast<std::size_t>(k - 1)];
        c.category = k;
        c.chosen = chosen[static_cast<std::size_t>(k)];
        c.counts.assign(static_cast<std::size_t>(last), 0);
    }

    const bool filtered = !query.namePass.empty();
    std::array<unsigned char, CategoryCount + 1> missPlain{};
    std::array<unsigned char, CategoryCount + 1> missAi{};
    for (int j = 1; j <= index.plantCount(); ++j) {
        if (filtered && (static_cast<std::size_t>(j) >= query.namePass.size() ||
                         !query.namePass[static_cast<std::size_t>(j)])) {
            continue;
        }
        int plainMisses = 0;
        int aiMisses = 0;
        for (int k = 1; k <= CategoryCount; ++k) {
            const int s = chosen[static_cast<std::size_t>(k)];
            const auto kk = static_cast<std::size_t>(k);
            missPlain[kk] = s != 0 && !has(index.plainMask(j, k), s);
            missAi[kk] = s != 0 && !has(index.aiMask(j, k), s);
            plainMisses += missPlain[kk];
            aiMisses += missAi[kk];
        }
        if (listedIn(mode, plainMisses, aiMisses)) {
            ++out.total;
        }
        for (int k = 1; k <= CategoryCount; ++k) {
            const auto kk = static_cast<std::size_t>(k);
            const int dk = plainMisses - missPlain[kk];
            const int ak = aiMisses - missAi[kk];
            const bool withoutCondition = listedIn(mode, dk, ak);
            if (!withoutCondition) {
                continue; // a further condition never brings a plant back
            }
            OptionMask m = 0;
            switch (mode) {
            case search::Fuzzy:
                m = dk == 0 ? AllDigits : index.plainMask(j, k);
                break;
            case search::Ai:
                m = static_cast<OptionMask>((dk == 0 ? index.plainMask(j, k) : 0) |
                                            (ak == 0 ? index.aiMask(j, k) : 0));
                break;
            default:
                m = index.plainMask(j, k);
                break;
            }
            m = static_cast<OptionMask>(m & realOptions[kk]);
            auto& c = out.categories[kk - 1];
            c.counts.back() += 1;
            if (m == 0) {
                ++c.noOption;
            }
            while (m != 0) {
                const int v = std::countr_zero(static_cast<unsigned>(m));
                ++c.counts[static_cast<std::size_t>(v - 1)];
                m = static_cast<OptionMask>(m & (m - 1U));
            }
        }
    }
    for (auto& c : out.categories) {
        const std::int64_t left = c.counts.back();
        std::int64_t sum = c.noOption * left;
        for (std::size_t v = 0; v + 1 < c.counts.size(); ++v) {
            sum += static_cast<std::int64_t>(c.counts[v]) * c.counts[v];
        }
        c.splitSum = sum;
    }
    return out;
}

std::vector<int> RankCategories(const GuideCounts& counts) {
    std::vector<const CategoryCounts*> unset;
    for (const auto& c : counts.categories) {
        if (c.chosen == 0) {
            unset.push_back(&c);
        }
    }
    // Unset categories all start from the same total, so the sums compare
    // as the expectations do, without rounding.
    std::stable_sort(unset.begin(), unset.end(),
                     [](const auto* a, const auto* b) { return a->splitSum < b->splitSum; });
    std::vector<int> order;
    order.reserve(unset.size());
    for (const auto* c : unset) {
        order.push_back(c->category);
    }
    return order;
}

double ExpectedRemaining(const GuideCounts& counts, int category) {
    const auto& c = counts.categories.at(static_cast<std::size_t>(category - 1));
    const int left = c.counts.back();
    return left == 0 ? 0.0 : static_cast<double>(c.splitSum) / left;
}

Text PlantStateWords(const AppState& state, int row, int category) {
    if (row < 1 || row > state.PlantCount || category < 1 || category > CategoryCount) {
        return {};
    }
    const PlantCode code(state.PlantCode[static_cast<std::size_t>(row)]);
    Text words = primaryWords(state, category, code);
    if (auto more = secondaryWords(state, category, code); more && *more != words) {
        words += U"（または ";
        words += *more;
        words += U"）";
    }
    return words;
}

WhyOut ExplainPlant(const AppState& state, const GuideIndex& index, int row,
                    const GuideQuery& query) {
    WhyOut w;
    if (row < 1 || row > index.plantCount()) {
        return w;
    }
    w.row = row;
    int plainMisses = 0;
    int aiMisses = 0;
    for (int k = 1; k <= CategoryCount; ++k) {
        const int s = selectionDigit(query.selection, k);
        if (s == 0) {
            continue;
        }
        const bool aiAgrees = has(index.aiMask(row, k), s);
        aiMisses += aiAgrees ? 0 : 1;
        if (has(index.plainMask(row, k), s)) {
            continue;
        }
        ++plainMisses;
        w.differences.push_back(
            {k, s, label(state, k, s), PlantStateWords(state, row, k), aiAgrees});
    }
    w.nameMatches =
        query.namePass.empty() || (static_cast<std::size_t>(row) < query.namePass.size() &&
                                   query.namePass[static_cast<std::size_t>(row)]);
    w.keptPlain = w.nameMatches && listedIn(search::Plain, plainMisses, aiMisses);
    w.keptFuzzy = w.nameMatches && listedIn(search::Fuzzy, plainMisses, aiMisses);
    w.keptAi = w.nameMatches && listedIn(search::Ai, plainMisses, aiMisses);
    return w;
}

std::vector<CompareRow> ComparePlants(const AppState& state, int rowA, int rowB) {
    std::vector<CompareRow> rows;
    auto add = [&rows](int k, Text name, Text a, Text b) {
        const bool differ = a != b;
        rows.push_back({k, std::move(name), std::move(a), std::move(b), differ});
    };
    for (int k = 1; k <= CategoryCount; ++k) {
        add(k, label(state, k, 0), PlantStateWords(state, rowA, k),
            PlantStateWords(state, rowB, k));
    }
    auto classification = [&state](int row) -> Text {
        if (row < 1 || row > state.PlantCount) {
            return {};
        }
        const int g =
            CodeDigit(PlantCode(state.PlantCode[static_cast<std::size_t>(row)]).classification());
        return g >= 1 && g <= 9 ? label(state, ClassCategory, g) : Text(U"不明");
    };
    Text className = label(state, ClassCategory, 0);
    while (!className.empty() && className.back() == U' ') {
        className.pop_back();
    }
    add(ClassCategory, className, classification(rowA), classification(rowB));
    auto family = [&state](int row) -> Text {
        if (row < 1 || row > state.PlantCount) {
            return {};
        }
        return state.PlantFamily[static_cast<std::size_t>(row)] + U"科";
    };
    add(ClassCategory + 1, U"科", family(rowA), family(rowB));
    return rows;
}

int FindPlantForGuide(const AppState& state, const Text& name) {
    if (name.empty()) {
        return 0;
    }
    // Of two records of one name the later is the plant, as the windows and
    // the feature texts open it by its key.
    auto lastNamed = [&state](const Text& plant) {
        for (int j = state.PlantCount; j >= 1; --j) {
            if (state.PlantName[static_cast<std::size_t>(j)] == plant) {
                return j;
            }
        }
        return 0;
    };
    if (const int row = lastNamed(name); row != 0) {
        return row;
    }
    if (const int row = FindPlantByKey(state, name); row != 0) {
        return row;
    }
    const auto aliases = SharedAliases(state);
    for (int e = 1; e <= aliases->count; ++e) {
        if (aliases->Alias[static_cast<std::size_t>(e)] == name) {
            if (const int row = lastNamed(aliases->PlantName[static_cast<std::size_t>(e)]);
                row != 0) {
                return row;
            }
        }
    }
    return 0;
}

} // namespace kuyu
