// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing records in the syntax the field reader reads: fields separated by
// commas, one record a line. A field is written bare when the reader gives it
// back as it is, and in double quotes when it holds a comma or a line end or
// starts with a blank; a field that neither way reads back (a double quote
// where quoting would be needed, or at its start) cannot be written.

#include "core/text/Text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kuyu::editor {

enum class LineEnd { CrLf, Lf, Cr };

// How a data file ends its lines, so a saved file keeps its form.
struct FileLayout {
    LineEnd lineEnd = LineEnd::CrLf;
    bool finalLineEnd = true;
    bool operator==(const FileLayout&) const = default;
};

// The layout of a file's decoded text: the first line end found decides
// (CR LF for a file without one); a non-empty file without a line end at
// its end keeps none.
FileLayout LayoutOf(TextView text);

// The field as written, or nullopt when no writing reads back as `value`.
std::optional<Text> WriteField(TextView value);

// What keeps `value` from being saved, in the program's words (empty when it
// can be): a double quote the reader would take for the field's end, or a
// character CP932 cannot hold.
Text FieldProblem(TextView value);
// The part of it about characters: what keeps `text` (a field or a note)
// out of a CP932 file, empty when nothing does.
Text CharacterProblem(TextView text);

using Record = std::vector<Text>;

// The records as file text. Throws nothing; returns nullopt when a field
// cannot be written (FieldProblem says why). An empty last field is always
// followed by a line end, as the reader needs one to see it.
std::optional<Text> WriteRecords(const std::vector<Record>& records, FileLayout layout);

// Records of `fieldCount` fields as the reader reads them from `text`, up to
// a partial record at the end (dropped).
std::vector<Record> ReadRecords(const Text& text, std::size_t fieldCount);

} // namespace kuyu::editor
