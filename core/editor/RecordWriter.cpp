// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editor/RecordWriter.h"

#include "core/Errors.h"
#include "core/database/Database.h"

namespace kuyu::editor {

namespace {

bool isLineEnd(char32_t c) {
    return c == U'\r' || c == U'\n';
}

TextView lineEndText(LineEnd e) {
    switch (e) {
    case LineEnd::Lf:
        return U"\n";
    case LineEnd::Cr:
        return U"\r";
    case LineEnd::CrLf:
        break;
    }
    return U"\r\n";
}

} // namespace

FileLayout LayoutOf(TextView text) {
    FileLayout layout;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\n') {
            layout.lineEnd = LineEnd::Lf;
            break;
        }
        if (text[i] == U'\r') {
            layout.lineEnd =
                i + 1 < text.size() && text[i + 1] == U'\n' ? LineEnd::CrLf : LineEnd::Cr;
            break;
        }
    }
    layout.finalLineEnd = text.empty() || isLineEnd(text.back());
    return layout;
}

std::optional<Text> WriteField(TextView value) {
    bool needsQuotes = !value.empty() && value.front() == U' ';
    bool hasQuote = false;
    for (const char32_t c : value) {
        needsQuotes = needsQuotes || c == U',' || isLineEnd(c);
        hasQuote = hasQuote || c == U'"';
    }
    if (!needsQuotes) {
        // A quote inside a bare field is data; at its start it opens quoting.
        if (!value.empty() && value.front() == U'"') {
            return std::nullopt;
        }
        return Text(value);
    }
    if (hasQuote) {
        return std::nullopt;
    }
    Text out;
    out.reserve(value.size() + 2);
    out += U'"';
    out += value;
    out += U'"';
    return out;
}

Text FieldProblem(TextView value) {
    if (!WriteField(value)) {
        return U"「\"」は、先頭や、「,」・改行・先頭の空白と同じ欄には書けません";
    }
    return CharacterProblem(value);
}

Text CharacterProblem(TextView text) {
    if (const auto c = firstCharNotInCp932(text)) {
        return U"「" + Text(1, *c) + U"」はシフトJISのファイルに書けない文字です";
    }
    return {};
}

std::optional<Text> WriteRecords(const std::vector<Record>& records, FileLayout layout) {
    const TextView eol = lineEndText(layout.lineEnd);
    Text out;
    for (std::size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        for (std::size_t f = 0; f < record.size(); ++f) {
            auto field = WriteField(record[f]);
            if (!field) {
                return std::nullopt;
            }
            if (f > 0) {
                out += U',';
            }
            out += *field;
        }
        const bool last = r + 1 == records.size();
        if (!last || layout.finalLineEnd || record.empty() || record.back().empty()) {
            out += eol;
        }
    }
    return out;
}

std::vector<Record> ReadRecords(const Text& text, std::size_t fieldCount) {
    FieldReader in(text);
    std::vector<Record> out;
    try {
        while (!in.atEnd()) {
            Record r;
            for (std::size_t f = 0; f < fieldCount; ++f) {
                r.push_back(in.readField());
            }
            out.push_back(std::move(r));
        }
    } catch (const RunTimeError&) {
        // a partial record at the end
    }
    return out;
}

} // namespace kuyu::editor
