// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plant database (KUYU.DAT), the alias file (SNAME.DAT) and their loading.

#include "core/Message.h"
#include "core/state/AppState.h"
#include "core/text/Text.h"

#include <memory>
#include <optional>
#include <vector>

namespace kuyu {

// The alias file's name, looked for in the data folder, then in the current
// folder.
inline const Text AliasFileName = U"SNAME.DAT";

// The largest KUYU.DAT or SNAME.DAT the program reads. 2000 records of any
// sensible length fit many times over. A larger file is refused before it is
// read (error 7, out of memory): a video or disc image chosen by mistake
// would otherwise be pulled into memory whole, four times over once decoded.
inline constexpr std::size_t MaxDataFileBytes = std::size_t{32} << 20;

// Sequential-input field reader over decoded file text. Fields end at a comma
// or a line end (CR LF, a lone CR or a lone LF); blanks before a field are
// skipped; a field that starts with a double quote runs to the closing quote.
class FieldReader {
  public:
    explicit FieldReader(Text content);
    // End of file, tested before a record only.
    bool atEnd() const;
    // The next field; throws RunTimeError(62) when the input is exhausted.
    Text readField();
    // Characters consumed so far (for reporting where a record starts).
    std::size_t position() const { return pos_; }

  private:
    Text text_;
    std::size_t pos_ = 0;
};

// "D:/PLANTS/KUYU.DAT" -> "D:/PLANTS/"; "A:KUYU.DAT" -> "A:"; "KUYU.DAT" -> "".
// "\" counts as a separator as well as "/".
Text DataFolderOf(const Text& path);

// Start-up load from the command-line text (on Linux: the arguments joined by
// single blanks; empty for none). Sets DataFilePath, DataFolder, the plant
// table and PlantCount, then clears the scores and CategoryChosen. Returns
// the message to show, or nullopt when the load went well.
std::optional<Message> StartUpLoad(AppState& state, const Text& commandLine);

// Reload from `path` (the file the user chose). On success `folder` becomes
// DataFolder (the chosen file's folder with "/" at the end). The table in use
// is replaced only when the whole file has been read. Returns the message to
// show: the success notice or "ファイルがロードできません".
Message LoadDataFile(AppState& state, const Text& path, const Text& folder);

// The alias file of each name search: DataFolder + "SNAME.DAT", else
// "SNAME.DAT" in the current directory; at most 2000 records; a file that
// cannot be opened or read counts as absent.
struct AliasTable {
    std::vector<Text> Alias;     // rows 1..count (row 0 unused)
    std::vector<Text> PlantName; // rows 1..count
    int count = 0;
};
AliasTable ReadAliases(const AppState& state);
// The same table without copying it. The parsed file is kept and read again
// only when its size, modification time, change time or identity differ, so
// the answer is the one a fresh reading would give.
std::shared_ptr<const AliasTable> SharedAliases(const AppState& state);

// An alias file that is there but gives no aliases: a folder, a file that
// may not be opened, one over the size limit or one whose reading fails.
struct AliasTrouble {
    Text path; // as looked for: DataFolder + "SNAME.DAT", or "SNAME.DAT"
    int error = 0;
    // The data folder's file could not be opened and the current folder's
    // SNAME.DAT is read instead.
    bool otherUsed = false;
    bool operator==(const AliasTrouble&) const = default;
};

// Whether a file that FileExists answered `status` for is there all the
// same, so that not reading it is trouble rather than absence: a folder or a
// file that may not be opened is there, a missing file or folder is not.
bool AliasFileThere(const Text& path, int status);

// The trouble the name searches meet with the alias file now, by the rule
// above (the same files SharedAliases reads), or nullopt when the file read
// is read whole or there is none.
std::optional<AliasTrouble> FindAliasTrouble(const AppState& state);

// "<path>を読めません（エラー番号75のエラーです）。別名は使われません", or,
// when the current folder's file is used, "。カレントフォルダのSNAME.DATを使います".
Text AliasTroubleText(const AliasTrouble& trouble);

// Tells of each trouble once in a run, as the alias file is read afresh on
// every name search: the notice for the trouble met now unless the same
// trouble (file and error number) was told before.
class AliasTroubleNotices {
  public:
    std::optional<Message> next(const AppState& state);

  private:
    std::vector<AliasTrouble> told_;
};

} // namespace kuyu
