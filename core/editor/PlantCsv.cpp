// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editor/PlantCsv.h"

#include "core/conditions/Conditions.h"
#include "core/editor/RecordWriter.h"
#include "core/guide/KanaInput.h"
#include "core/state/AppState.h"
#include "core/state/CodeLetters.h"
#include "core/state/PlantCode.h"

#include <algorithm>
#include <map>

namespace kuyu::editor {

namespace {

const std::string Bom = "\xEF\xBB\xBF";
const Text NameColumn = U"植物名";
const Text FamilyColumn = U"科";
const Text ClassColumn = U"分類";
const Text SecondaryMark = U"（AI）";
const Text AliasColumn = U"別名";
const Text ListColumn = U"値の並び";
constexpr int FixedColumns = 3 + 2 * CategoryCount + 3;

const AppState& labels() {
    static const AppState s = [] {
        AppState state;
        FillOptionLabels(state);
        return state;
    }();
    return s;
}

Text label(int k, int option) {
    return labels().OptionLabel[static_cast<std::size_t>(k)][static_cast<std::size_t>(option)];
}

Text categoryName(int k) {
    Text name = label(k, 0);
    while (!name.empty() && name.back() == U' ') {
        name.pop_back(); // 分類 carries a trailing blank
    }
    return name;
}

std::vector<Text> header(std::size_t aliasColumns) {
    std::vector<Text> h{NameColumn, FamilyColumn, ClassColumn};
    for (int k = 1; k <= CategoryCount; ++k) {
        h.push_back(categoryName(k));
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        h.push_back(categoryName(k) + SecondaryMark);
    }
    for (int n = 1; n <= 3; ++n) {
        h.push_back(ListColumn + decimal(n));
    }
    for (std::size_t i = 0; i < std::max<std::size_t>(aliasColumns, 1); ++i) {
        h.push_back(AliasColumn);
    }
    return h;
}

Text raw(char32_t c) {
    return U"［" + Text(1, c) + U"］";
}

// The words of the list letters, in the order A..D, H..J.
const std::vector<std::pair<char32_t, Text>>& listWords() {
    static const std::vector<std::pair<char32_t, Text>> w{
        {U'A', U"値の並び1"},         {U'B', U"値の並び2"},         {U'C', U"値の並び3"},
        {U'D', U"値の並び1と2"},      {U'H', U"値の並び1（先頭）"}, {U'I', U"値の並び2（先頭）"},
        {U'J', U"値の並び3（先頭）"},
    };
    return w;
}

// The cell of category k's code character `c`.
Text stateCell(int k, char32_t c) {
    const CodeLetter letter = ReadCodeLetter(c);
    switch (letter.role) {
    case CodeRole::Unknown:
        return U"不明";
    case CodeRole::Variable:
        return U"不定";
    case CodeRole::Absent:
        return U"なし";
    case CodeRole::Digit: {
        const Text l = label(k, letter.digit);
        if (l.empty() || l == U"不明" || l == U"不定" || l == U"なし") {
            // The last option reads 不明 like "0" does: say which one.
            return l.empty() ? raw(c) : l + U"（" + decimal(letter.digit) + U"）";
        }
        return l;
    }
    default:
        break;
    }
    for (const auto& [ch, words] : listWords()) {
        if (ch == c) {
            return words;
        }
    }
    return raw(c);
}

std::optional<char32_t> rawCell(const Text& cell) {
    if (cell.size() == 3 && cell.front() == U'［' && cell.back() == U'］') {
        return cell[1];
    }
    return std::nullopt;
}

// The code character of a state cell, or nullopt (why says why).
std::optional<char32_t> parseState(int k, const Text& cell, Text& why) {
    if (auto c = rawCell(cell)) {
        return c;
    }
    if (cell == U"不明") {
        return U'0';
    }
    if (cell == U"不定") {
        return U'X';
    }
    if (cell == U"なし") {
        return U'Y';
    }
    for (const auto& [ch, words] : listWords()) {
        if (cell == words) {
            return ch;
        }
    }
    const int count = Category(k).optionCount;
    Text options;
    for (int n = 1; n <= count; ++n) {
        const Text written = stateCell(k, static_cast<char32_t>(U'0' + n));
        if (cell == written) {
            return static_cast<char32_t>(U'0' + n);
        }
        options += (n > 1 ? U"、" : U"") + written;
    }
    why = U"「" + cell + U"」は" + categoryName(k) + U"の選択肢にありません（" + options +
          U"、不明、不定、なし、値の並び…）";
    return std::nullopt;
}

// RFC 4180 fields: quotes doubled inside quoted fields; rows end at CR LF
// or LF outside quotes.
std::vector<std::vector<Text>> parseCsv(const Text& text) {
    std::vector<std::vector<Text>> rows;
    std::vector<Text> row;
    Text field;
    bool quoted = false;
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (quoted) {
            if (c == U'"') {
                if (i + 1 < text.size() && text[i + 1] == U'"') {
                    field += U'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == U'"') {
            quoted = true;
            any = true;
        } else if (c == U',') {
            row.push_back(std::move(field));
            field.clear();
            any = true;
        } else if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') {
                ++i;
            }
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

Text csvField(const Text& value) {
    const bool quote = value.find_first_of(U",\"\r\n") != Text::npos || value.starts_with(U' ') ||
                       value.ends_with(U' ');
    if (!quote) {
        return value;
    }
    Text out = U"\"";
    for (const char32_t c : value) {
        out += c;
        if (c == U'"') {
            out += U'"';
        }
    }
    return out + U"\"";
}

} // namespace

std::string ExportCsv(const PlantData& data) {
    std::size_t aliasColumns = 0;
    for (int i = 0; i < data.count(); ++i) {
        aliasColumns = std::max(aliasColumns, data.plant(i).aliases.size());
    }
    // Rows of one name share their aliases: they are written on the first.
    std::map<Text, int> firstOfName;
    for (int i = data.count() - 1; i >= 0; --i) {
        firstOfName[data.plant(i).name] = i;
    }
    Text out;
    const auto line = [&out](const std::vector<Text>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out += (i ? U"," : U"") + csvField(cells[i]);
        }
        out += U"\r\n";
    };
    line(header(aliasColumns));
    for (int i = 0; i < data.count(); ++i) {
        const Plant& p = data.plant(i);
        const PlantCode code(p.code);
        std::vector<Text> cells{p.name, p.family};
        const char32_t cls = code.classification();
        if (cls >= U'1' && cls <= U'5') {
            cells.push_back(label(ClassCategory, static_cast<int>(cls - U'0')));
        } else if (cls == U'0') {
            cells.push_back(U"不明");
        } else if (cls == U' ') {
            cells.push_back(U"");
        } else {
            cells.push_back(raw(cls));
        }
        for (int k = 1; k <= CategoryCount; ++k) {
            cells.push_back(stateCell(k, code.primary(k)));
        }
        for (int k = 1; k <= CategoryCount; ++k) {
            cells.push_back(code.secondary(k) == code.primary(k) ? Text()
                                                                 : stateCell(k, code.secondary(k)));
        }
        for (int n = 1; n <= 3; ++n) {
            Text list(code.valueList(n));
            list.resize(3, U' ');
            cells.push_back(list);
        }
        std::vector<Text> aliases = firstOfName[p.name] == i ? p.aliases : std::vector<Text>{};
        aliases.resize(std::max<std::size_t>(aliasColumns, 1));
        cells.insert(cells.end(), aliases.begin(), aliases.end());
        line(cells);
    }
    return Bom + toUtf8(out);
}

CsvImport ImportCsv(std::string_view bytes) {
    CsvImport result;
    const auto problem = [&result](int row, int column, const Text& columnName, const Text& what) {
        Text where = row > 0 ? decimal(row) + U"行目" : Text();
        if (column > 0) {
            where += U" " + decimal(column) + U"列（" + columnName + U"）";
        }
        result.problems.push_back({row, column, where.empty() ? what : where + U": " + what});
    };
    if (bytes.size() > MaxCsvBytes) {
        problem(0, 0, {}, U"ファイルが大きすぎます（" + decimal(MaxCsvBytes >> 20) + U"MBまで）");
        return result;
    }
    if (bytes.starts_with(Bom)) {
        bytes.remove_prefix(Bom.size());
    }
    const Text text = fromUtf8(bytes);
    if (toUtf8(text) != bytes) {
        problem(0, 0, {}, U"UTF-8 の文字として読めないところがあります");
        return result;
    }
    const auto rows = parseCsv(text);
    if (rows.empty()) {
        problem(1, 0, {}, U"見出しの行がありません");
        return result;
    }
    const std::vector<Text>& head = rows.front();
    const std::vector<Text> expected = header(0);
    for (int c = 0; c < FixedColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (i >= head.size() || head[i] != expected[i]) {
            problem(1, c + 1, expected[i],
                    U"見出しは「" + expected[i] + U"」のはずです（「" +
                        (i < head.size() ? head[i] : Text()) + U"」）");
        }
    }
    for (std::size_t i = FixedColumns; i < head.size(); ++i) {
        if (!head[i].empty() && head[i] != AliasColumn) {
            problem(1, static_cast<int>(i + 1), head[i],
                    U"この見出しの列は読めません（別名の列は「別名」）");
        }
    }
    if (!result.problems.empty()) {
        return result;
    }
    std::size_t aliasCount = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const int line = static_cast<int>(r + 1);
        std::vector<Text> cells = rows[r];
        if (std::all_of(cells.begin(), cells.end(), [](const Text& c) { return c.empty(); })) {
            continue; // a spreadsheet's empty row
        }
        if (cells.size() < FixedColumns) {
            problem(line, 0, {},
                    U"列が" + decimal(static_cast<long>(cells.size())) + U"個しかありません（" +
                        decimal(FixedColumns) + U"個以上）");
            continue;
        }
        const std::size_t before = result.problems.size();
        const auto checkText = [&](int column, const Text& value) {
            if (Text why = FieldProblem(value); !why.empty()) {
                problem(line, column,
                        column <= static_cast<int>(head.size())
                            ? head[static_cast<std::size_t>(column - 1)]
                            : AliasColumn,
                        why);
            }
        };
        Plant p;
        p.name = toCp932Forms(ToHalfWidthKana(cells[0]));
        if (p.name.empty()) {
            problem(line, 1, NameColumn, U"植物名が空です");
        }
        checkText(1, p.name);
        p.family = toCp932Forms(ToHalfWidthKana(cells[1]));
        checkText(2, p.family);
        Text code(CodeLength, U'0');
        for (int k = 1; k <= CategoryCount; ++k) {
            const int column = 3 + k;
            Text why;
            const auto c = parseState(k, cells[static_cast<std::size_t>(column - 1)], why);
            if (!c) {
                problem(line, column, categoryName(k), why);
                continue;
            }
            code[2 * static_cast<std::size_t>(k) - 1] = *c;
            code[2 * static_cast<std::size_t>(k) - 2] = *c;
        }
        for (int k = 1; k <= CategoryCount; ++k) {
            const int column = 3 + CategoryCount + k;
            const Text& cell = cells[static_cast<std::size_t>(column - 1)];
            if (cell.empty()) {
                continue; // the same as the primary state
            }
            Text why;
            const auto c = parseState(k, cell, why);
            if (!c) {
                problem(line, column, categoryName(k) + SecondaryMark, why);
                continue;
            }
            code[2 * static_cast<std::size_t>(k) - 2] = *c;
        }
        for (int n = 1; n <= 3; ++n) {
            const int column = 3 + 2 * CategoryCount + n;
            Text list = cells[static_cast<std::size_t>(column - 1)];
            const bool digits = std::all_of(list.begin(), list.end(),
                                            [](char32_t c) { return c >= U'0' && c <= U'9'; });
            // A spreadsheet reads "045" as the number 45 and "000" as 0.
            if (digits && list.size() < 3) {
                list.insert(0, 3 - list.size(), U'0');
            }
            const bool ok =
                list.size() == 3 && std::all_of(list.begin(), list.end(), [](char32_t c) {
                    return (c >= U'0' && c <= U'9') || c == U' ';
                });
            if (!ok) {
                problem(line, column, ListColumn + decimal(n),
                        U"「" + cells[static_cast<std::size_t>(column - 1)] +
                            U"」: 値の並びは3桁の数字です");
                continue;
            }
            code.replace(20 + 3 * static_cast<std::size_t>(n - 1), 3, list);
        }
        const Text& cls = cells[2];
        if (cls.empty()) {
            code[29] = U' ';
        } else if (cls == U"不明") {
            code[29] = U'0';
        } else if (auto c = rawCell(cls)) {
            code[29] = *c;
        } else {
            bool found = false;
            for (int n = 1; n <= 5 && !found; ++n) {
                if (cls == label(ClassCategory, n)) {
                    code[29] = static_cast<char32_t>(U'0' + n);
                    found = true;
                }
            }
            if (!found) {
                problem(line, 3, ClassColumn, U"「" + cls + U"」は分類にありません");
            }
        }
        for (std::size_t i = FixedColumns; i < cells.size(); ++i) {
            Text alias = toCp932Forms(ToHalfWidthKana(cells[i]));
            if (alias.empty()) {
                continue;
            }
            checkText(static_cast<int>(i + 1), alias);
            p.aliases.push_back(std::move(alias));
        }
        aliasCount += p.aliases.size();
        p.code = std::move(code);
        if (result.problems.size() == before) {
            result.plants.push_back(std::move(p));
        }
    }
    if (result.plants.size() > static_cast<std::size_t>(PlantCapacity)) {
        problem(0, 0, {}, U"植物が" + decimal(PlantCapacity) + U"件を超えています");
    }
    if (aliasCount > static_cast<std::size_t>(PlantCapacity)) {
        problem(0, 0, {}, U"別名が" + decimal(PlantCapacity) + U"件を超えています");
    }
    return result;
}

} // namespace kuyu::editor
