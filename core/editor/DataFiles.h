// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving KUYU.DAT and SNAME.DAT so that nothing is ever lost: each file is
// written in CP932 to a temporary file in its own folder, read back through
// the loader and compared, the previous file kept as NAME.bak, and only then
// renamed into place. Any failure leaves the files as they were.

#include "core/editor/PlantData.h"
#include "core/editor/RecordWriter.h"

#include <functional>
#include <string>

namespace kuyu::editor {

struct DataTables {
    std::vector<Record> plants;  // name, code, family
    std::vector<Record> aliases; // alias, plant name
    bool operator==(const DataTables&) const = default;
};

// One file to write: where (native bytes of its path) and in what form.
struct DataFileTarget {
    std::string native;
    FileLayout layout;
};

// Size, modification time and content hash of a file; exists = false when
// it cannot be read.
FileFingerprint FingerprintOf(const std::string& native);

// Writes the plant table to `database` and the aliases to `aliases` (skipped
// when aliases.native is empty). Success, or why not in the program's words.
Outcome WriteDataFiles(const DataFileTarget& database, const DataFileTarget& aliases,
                       const DataTables& tables);

// The steps a save may fail at, for tests that make one fail.
// ReadBack: a non-zero answer makes the file read back differ from the table.
enum class SaveStep { WriteTemporary, ReadBack, Backup, RenameDatabase, RenameAliases };
// Called before each step with the file it concerns; a non-zero errno makes
// that step fail as if the system had said so. Empty to stop.
void SetSaveFaultForTests(std::function<int(SaveStep, const std::string&)> fault);

// The Japanese words for a failed write with `errnoValue`.
Text WriteFailureReason(int errnoValue);

} // namespace kuyu::editor
