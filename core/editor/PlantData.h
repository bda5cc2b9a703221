// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plant data editor's model: the plants of one data folder (KUYU.DAT and
// SNAME.DAT) as a table a person edits, with undo and redo, live checks,
// the files attached to each plant, and saving that never loses data.
//
// A person never types a code: every category's state is chosen from the
// options and the special states, and the 30-character code is built from
// them. Nothing on disk changes before save(): attached files, notes and the
// renames that follow a renamed plant are kept as pending work until then.

#include "core/text/Text.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kuyu::editor {

// What one code character of a category says.
enum class StateKind {
    Option,     // one option, "1".."8"
    Unknown,    // 不明, "0"
    Indefinite, // 不定, "X"
    None,       // なし, "Y": the plant has no such feature
    Several,    // several options, kept in a value list
};

// How the search reads several values.
enum class SeveralReading {
    // Any of the values agrees; pages show 不定 ("A".."C", or "D" for four
    // to six values held in the first two lists).
    AnyShownIndefinite,
    // Any of the values agrees; pages show the first value with a mark
    // ("H".."J"; at most three values).
    AnyShownFirst,
};

struct CategoryState {
    StateKind kind = StateKind::Unknown;
    int option = 0;          // Option: 1 .. the category's options without 不明
    std::vector<int> values; // Several: option numbers in the order shown
    SeveralReading reading = SeveralReading::AnyShownIndefinite;

    bool operator==(const CategoryState&) const = default;
};

// The files a plant may have beside the database.
enum class FileSlot {
    Picture,  // 植物図: key + picture extension
    CloseUp1, // ＵＰ1: first seven characters + "Q" + picture extension
    CloseUp2, // ＵＰ2: first seven characters + "R" + picture extension
    Note,     // メモ: key + ".txt", CP932
    Video,    // 動画: key + ".avi"
};
constexpr int FileSlotCount = 5;

// The result of an edit or a file operation. `message` says in the program's
// words why it was refused (empty when ok).
struct Outcome {
    bool ok = true;
    Text message;
    static Outcome success() { return {}; }
    static Outcome failure(Text why) { return {false, std::move(why)}; }
};

// One live-check finding about one plant (or about the data as a whole when
// `plant` is -1). The same findings `kuyu-cli check` reports.
struct Warning {
    int plant = -1;      // row, 0-based
    std::string kind;    // "duplicate-key", "indistinguishable", "no-picture",
                         // "unknown-plant", "code-character", ...
    Text message;        // in the program's words
    int otherPlant = -1; // the plant it clashes with, when there is one
    int category = 0;    // the category to change (1..10), when there is one
};

struct Plant {
    Text name;   // half-width katakana
    Text family; // without 科
    Text code;   // 30 characters, built from the states
    std::vector<Text> aliases;

    bool operator==(const Plant&) const = default;
};

// The disk state of a data file when it was read, to see a change made by
// someone else before overwriting it.
struct FileFingerprint {
    bool exists = false;
    std::int64_t size = 0;
    std::int64_t mtimeNs = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileFingerprint&) const = default;
};

// The names a plant's files have in the data folder, by the rules the
// lookup finds them with. `extension` with its dot (".JPG"); ignored for the
// note and the video.
Text AttachmentFileName(const Text& plantName, FileSlot slot, const Text& extension = U".JPG");

// A state in words, as the plant list shows it: the option's label, 不明,
// 不定, なし, or the labels of several values joined by "・".
Text StateWords(int k, const CategoryState& state);

class PlantData {
  public:
    // An empty table (no folder).
    PlantData();
    ~PlantData();
    PlantData(PlantData&&) noexcept;
    PlantData& operator=(PlantData&&) noexcept;

    // Reads KUYU.DAT (`databasePath`) and SNAME.DAT beside it. A database
    // the loader would refuse is not opened: the message says why.
    static std::optional<PlantData> open(const Text& databasePath, Text& why);
    // The data as the files hold it, without reading a folder (an import).
    // Writing goes to `databasePath` and SNAME.DAT beside it on save().
    static PlantData fromTables(const Text& databasePath, std::vector<Plant> plants);

    // A new database: makes `folder` if needed, an empty KUYU.DAT and
    // SNAME.DAT, and copies the ten category illustrations from
    // `illustrationFolder` (the bundled sample). Refuses a folder that
    // already holds a KUYU.DAT.
    static std::optional<PlantData> create(const Text& folder, const Text& illustrationFolder,
                                           Text& why);

    const Text& databasePath() const;
    const Text& folder() const; // with "/" at the end

    // --- the table ---
    int count() const;
    const Plant& plant(int row) const;

    // The state of category k (1..10); secondary is nullopt when the plant
    // has no separate secondary state (its secondary code equals the
    // primary one).
    CategoryState primary(int row, int k) const;
    std::optional<CategoryState> secondary(int row, int k) const;
    int classification(int row) const; // 1..5, 0 when none

    // --- edits: each is one step of undo; a refused edit changes nothing ---
    int addPlant(); // a new row with 不明 everywhere; returns its row
    Outcome removePlant(int row);
    Outcome setName(int row, const Text& name); // converted to half-width katakana
    Outcome setFamily(int row, const Text& family);
    Outcome setClassification(int row, int classification);
    Outcome setPrimary(int row, int k, const CategoryState& state);
    Outcome setSecondary(int row, int k, const std::optional<CategoryState>& state);
    Outcome setAliases(int row, const std::vector<Text>& aliases);
    // Every plant and alias at once (a spreadsheet read in), as one step.
    // Aliases naming no plant are dropped.
    Outcome replaceAll(const std::vector<Plant>& plants);

    // --- files (done on save) ---
    // A picture, close-up or video: `sourcePath` is copied on save under
    // AttachmentFileName (its extension is kept; a picture's other
    // extensions are put aside as ".bak" so the lookup finds the new one).
    Outcome attachFile(int row, FileSlot slot, const Text& sourcePath);
    // The same from bytes made by the window (a photo turned upright and
    // scaled, saved as JPEG).
    Outcome attachBytes(int row, FileSlot slot, std::string bytes, const Text& extension);
    // The note, refused when a character has no CP932 form.
    Outcome setNote(int row, const Text& note);
    // The note as it will be saved (pending text, else the file's text).
    Text note(int row) const;
    // Whether the plant has the file (on disk, or pending).
    bool hasFile(int row, FileSlot slot) const;

    // --- undo ---
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    bool modified() const; // differs from what was read or last saved

    // --- checks ---
    std::vector<Warning> warnings() const;
    std::vector<Warning> warnings(int row) const;

    // --- saving ---
    // True when KUYU.DAT or SNAME.DAT changed on disk since read or saved.
    bool changedOnDisk() const;
    // Writes both files in CP932 through a temporary file in the folder,
    // checks that the loader reads them back to this table, keeps the
    // previous files as KUYU.DAT.bak and SNAME.DAT.bak, renames into place,
    // then does the pending file work. On failure the old files stay.
    Outcome save();

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

} // namespace kuyu::editor
