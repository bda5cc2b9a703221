// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editor/PlantData.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
#include "core/database/DataCheck.h"
#include "core/database/Database.h"
#include "core/editor/CodeStates.h"
#include "core/editor/DataFiles.h"
#include "core/files/Files.h"
#include "core/guide/KanaInput.h"
#include "core/images/PictureLookup.h"
#include "core/state/AppState.h"
#include "core/state/PlantCode.h"
#include "core/text/NoteText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <deque>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace kuyu::editor {

namespace {

const Text DatabaseName = U"KUYU.DAT";
// The largest note read back into the editor.
constexpr std::size_t MaxNoteBytes = std::size_t{4} << 20;
// Steps kept for undo; the oldest go first.
constexpr std::size_t UndoDepth = 1000;

Text trimRight(Text t) {
    while (!t.empty() && t.back() == U' ') {
        t.pop_back();
    }
    return t;
}

Text baseOf(const Text& name, FileSlot slot) {
    switch (slot) {
    case FileSlot::CloseUp1:
        return trimRight(left(name, 7)) + U"Q";
    case FileSlot::CloseUp2:
        return trimRight(left(name, 7)) + U"R";
    default:
        return PlantKey(name);
    }
}

bool isPictureSlot(FileSlot slot) {
    return slot == FileSlot::Picture || slot == FileSlot::CloseUp1 || slot == FileSlot::CloseUp2;
}

Text fixedExtension(FileSlot slot) {
    return slot == FileSlot::Note ? Text(U".txt") : Text(U".avi");
}

std::size_t slotIndex(FileSlot slot) {
    return static_cast<std::size_t>(slot);
}

Text extensionOf(const Text& path) {
    const auto dot = path.rfind(U'.');
    const auto slash = path.find_last_of(U"/\\");
    if (dot == Text::npos || (slash != Text::npos && slash > dot)) {
        return {};
    }
    return path.substr(dot);
}

// Files of the data folder named `base` + one of the slot's extensions, as
// on disk (native bytes).
std::vector<std::string> filesOf(const Text& folder, const Text& base, FileSlot slot) {
    std::vector<Text> candidates;
    if (isPictureSlot(slot)) {
        for (const Text& c : pictureCandidates(base, folder, PictureSet::Plant)) {
            if (c.starts_with(folder)) {
                candidates.push_back(c);
            }
        }
    } else {
        candidates.push_back(folder + base + fixedExtension(slot));
    }
    std::vector<std::string> out;
    for (const Text& c : candidates) {
        if (auto native = resolvePath(c)) {
            if (std::find(out.begin(), out.end(), *native) == out.end()) {
                out.push_back(*native);
            }
        }
    }
    return out;
}

// A pending file: bytes made by the window, or a file to copy.
struct PendingFile {
    Text sourcePath;
    std::string bytes;
    Text extension;
    bool operator==(const PendingFile&) const = default;
};

struct Row {
    std::uint64_t id = 0;
    Text name;
    Text code;
    Text family;
    std::array<std::optional<PendingFile>, FileSlotCount> files;
    std::optional<Text> note;
    bool operator==(const Row&) const = default;
};

using AliasRecords = std::vector<Record>; // alias, plant name

// One undo step: a row replaced, inserted (no before) or removed (no
// after), or every row at once; and the alias records when they changed.
struct Step {
    std::optional<std::vector<Row>> rowsBefore, rowsAfter; // every row
    int row = -1;
    std::optional<Row> before, after;
    std::optional<AliasRecords> aliasesBefore, aliasesAfter;
};

Text errnoWords(int e) {
    return WriteFailureReason(e);
}

// Writes `bytes` to `target` through a temporary file renamed into place.
int writeFileAtomically(const std::string& target, std::string_view bytes) {
    std::string tmp = target + ".tmpXXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        return errno;
    }
    ::fchmod(fd, 0644);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int e = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            return e;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        return e;
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        return e;
    }
    return 0;
}

// The note text as saved: CP932, every line ended by CR LF.
std::optional<std::string> noteBytes(const Text& note) {
    Text out;
    for (std::size_t i = 0; i < note.size(); ++i) {
        const char32_t c = note[i];
        if (c == U'\r') {
            out += U"\r\n";
            if (i + 1 < note.size() && note[i + 1] == U'\n') {
                ++i;
            }
        } else if (c == U'\n') {
            out += U"\r\n";
        } else {
            out += c;
        }
    }
    return encodeCp932(out);
}

} // namespace

Text AttachmentFileName(const Text& plantName, FileSlot slot, const Text& extension) {
    return baseOf(plantName, slot) + (isPictureSlot(slot) ? extension : fixedExtension(slot));
}

Text StateWords(int k, const CategoryState& state) {
    AppState labels;
    static const auto table = [] {
        AppState s;
        FillOptionLabels(s);
        return s.OptionLabel;
    }();
    const auto label = [&](int option) {
        return option >= 1 && option <= 9
                   ? table[static_cast<std::size_t>(k)][static_cast<std::size_t>(option)]
                   : decimal(option);
    };
    switch (state.kind) {
    case StateKind::Option:
        return label(state.option);
    case StateKind::Unknown:
        return U"不明";
    case StateKind::Indefinite:
        return U"不定";
    case StateKind::None:
        return U"なし";
    case StateKind::Several:
        break;
    }
    Text out;
    for (const int v : state.values) {
        if (!out.empty()) {
            out += U"・";
        }
        out += label(v);
    }
    return out;
}

struct PlantData::Impl {
    Text databasePath;
    Text folder;
    DataFileTarget database;
    DataFileTarget aliases;
    bool aliasFileExisted = false;
    FileFingerprint databaseStamp, aliasStamp;

    std::vector<Row> rows;
    AliasRecords aliasRecords;
    std::vector<Plant> plants; // rows as the window reads them
    std::uint64_t nextId = 1;
    // The name each row's files have on disk (absent for a new row).
    std::map<std::uint64_t, Text> diskNames;

    std::deque<Step> undo;
    std::size_t done = 0;                 // steps of `undo` in effect
    std::optional<std::size_t> clean = 0; // `done` when last read or saved

    Row newRow() {
        Row r;
        r.id = nextId++;
        r.code = NewPlantCode();
        return r;
    }

    void rebuild() {
        std::map<Text, std::vector<Text>> byPlant;
        for (const Record& a : aliasRecords) {
            byPlant[a[1]].push_back(a[0]);
        }
        plants.clear();
        plants.reserve(rows.size());
        for (const Row& r : rows) {
            Plant p{r.name, r.family, r.code, {}};
            if (auto it = byPlant.find(r.name); it != byPlant.end()) {
                p.aliases = it->second;
            }
            plants.push_back(std::move(p));
        }
    }

    void apply(const Step& s, bool forward) {
        const auto& rowsTo = forward ? s.rowsAfter : s.rowsBefore;
        const auto& from = forward ? s.before : s.after;
        const auto& to = forward ? s.after : s.before;
        if (rowsTo) {
            rows = *rowsTo;
        } else if (from && to) {
            rows[static_cast<std::size_t>(s.row)] = *to;
        } else if (to) {
            rows.insert(rows.begin() + s.row, *to);
        } else if (from) {
            rows.erase(rows.begin() + s.row);
        }
        if (const auto& a = forward ? s.aliasesAfter : s.aliasesBefore) {
            aliasRecords = *a;
        }
        rebuild();
    }

    void push(Step s) {
        undo.erase(undo.begin() + static_cast<std::ptrdiff_t>(done), undo.end());
        if (clean && *clean > done) {
            clean.reset();
        }
        apply(s, true);
        undo.push_back(std::move(s));
        ++done;
        if (undo.size() > UndoDepth) {
            undo.pop_front();
            --done;
            if (clean) {
                clean = *clean == 0 ? std::optional<std::size_t>() : *clean - 1;
            }
        }
    }

    bool validRow(int row) const { return row >= 0 && row < static_cast<int>(rows.size()); }

    // Another row than `row` is called `name`.
    bool nameShared(int row, const Text& name) const {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (static_cast<int>(i) != row && rows[i].name == name) {
                return true;
            }
        }
        return false;
    }

    Outcome replaceRow(int row, Row after, std::optional<AliasRecords> aliases = std::nullopt) {
        Step s;
        s.row = row;
        s.before = rows[static_cast<std::size_t>(row)];
        if (*s.before == after && (!aliases || *aliases == aliasRecords)) {
            return Outcome::success(); // nothing changes: no step
        }
        s.after = std::move(after);
        if (aliases) {
            s.aliasesBefore = aliasRecords;
            s.aliasesAfter = std::move(aliases);
        }
        push(std::move(s));
        return Outcome::success();
    }

    DataTables tables() const {
        DataTables t;
        for (const Row& r : rows) {
            t.plants.push_back({r.name, r.code, r.family});
        }
        t.aliases = aliasRecords;
        return t;
    }

    Outcome saveFiles();
};

PlantData::PlantData() : impl_(std::make_unique<Impl>()) {}
PlantData::~PlantData() = default;
PlantData::PlantData(PlantData&&) noexcept = default;
PlantData& PlantData::operator=(PlantData&&) noexcept = default;

namespace {

// Where the files of `databasePath` are, before anything is read.
void placeFiles(PlantData::Impl& d, const Text& databasePath) {
    d.databasePath = databasePath;
    d.folder = DataFolderOf(databasePath);
    if (d.folder.empty() || d.folder.back() == U':') {
        d.folder = currentDirectoryWithSlash();
        d.databasePath = d.folder + databasePath;
    } else if (d.folder.back() == U'\\') {
        d.folder.back() = U'/';
    }
    const auto native = resolvePath(d.databasePath);
    d.database.native = native ? *native : toUtf8(d.databasePath);
    const auto aliasNative = resolvePath(d.folder + AliasFileName);
    d.aliasFileExisted = aliasNative.has_value();
    if (aliasNative) {
        d.aliases.native = *aliasNative;
    } else {
        const auto slash = d.database.native.rfind('/');
        d.aliases.native =
            (slash == std::string::npos ? std::string() : d.database.native.substr(0, slash + 1)) +
            "SNAME.DAT";
    }
}

} // namespace

std::optional<PlantData> PlantData::open(const Text& databasePath, Text& why) {
    PlantData data;
    Impl& d = *data.impl_;
    placeFiles(d, databasePath);
    // Refused exactly when the program's start-up load refuses it.
    AppState probe;
    if (const auto failure = StartUpLoad(probe, pathFromNative(d.database.native))) {
        why = failure->text;
        return std::nullopt;
    }
    try {
        const Text text =
            decodeFileText(readWholeFile(pathFromNative(d.database.native), MaxDataFileBytes));
        d.database.layout = LayoutOf(text);
        for (Record& r : ReadRecords(text, 3)) {
            Row row;
            row.id = d.nextId++;
            row.name = std::move(r[0]);
            row.code = std::move(r[1]);
            row.family = std::move(r[2]);
            d.diskNames[row.id] = row.name;
            d.rows.push_back(std::move(row));
        }
        if (d.aliasFileExisted) {
            std::string bytes;
            try {
                bytes = readWholeFile(pathFromNative(d.aliases.native), MaxDataFileBytes);
            } catch (const RunTimeError& e) {
                why = AliasFileName + U": " + errorNumberText(e.number());
                return std::nullopt;
            }
            const Text aliasText = decodeFileText(bytes);
            d.aliases.layout = LayoutOf(aliasText);
            d.aliasRecords = ReadRecords(aliasText, 2);
            if (d.aliasRecords.size() > static_cast<std::size_t>(PlantCapacity)) {
                why = AliasFileName + U"の別名が" + decimal(PlantCapacity) +
                      U"件を超えています。このままでは保存で失われるため開けません";
                return std::nullopt;
            }
        }
    } catch (const RunTimeError& e) {
        why = errorNumberText(e.number());
        return std::nullopt;
    }
    d.databaseStamp = FingerprintOf(d.database.native);
    d.aliasStamp = FingerprintOf(d.aliases.native);
    d.rebuild();
    return data;
}

PlantData PlantData::fromTables(const Text& databasePath, std::vector<Plant> plants) {
    PlantData data;
    placeFiles(*data.impl_, databasePath);
    data.replaceAll(plants);
    data.impl_->undo.clear();
    data.impl_->done = 0;
    data.impl_->clean.reset(); // nothing of it is on disk yet
    return data;
}

std::optional<PlantData> PlantData::create(const Text& folder, const Text& illustrationFolder,
                                           Text& why) {
    Text dir = folder;
    if (dir.empty()) {
        why = U"フォルダを選んでください";
        return std::nullopt;
    }
    if (dir.back() != U'/') {
        dir += U'/';
    }
    Text from = illustrationFolder;
    if (!from.empty() && from.back() != U'/') {
        from += U'/';
    }
    // Every illustration is found before anything is made.
    std::vector<Text> illustrations;
    for (int k = 1; k <= CategoryCount; ++k) {
        const Text& base = Category(k).illustration;
        for (const Text& name : pictureCandidates(base, U"", PictureSet::Illustration)) {
            if (FileExists(from + name) == -1) {
                illustrations.push_back(name);
                break;
            }
        }
        if (illustrations.size() != static_cast<std::size_t>(k)) {
            why = U"見本の絵「" + base + U"」が" + from + U"にみつかりません";
            return std::nullopt;
        }
    }
    std::error_code ec;
    const std::string native = toUtf8(dir);
    std::filesystem::create_directories(native, ec);
    if (ec) {
        why = U"フォルダを作れませんでした（" + errnoWords(ec.value()) + U"）";
        return std::nullopt;
    }
    if (resolvePath(dir + DatabaseName)) {
        why = U"このフォルダにはもう KUYU.DAT があります";
        return std::nullopt;
    }
    // A folder that has its own illustration of a category keeps it: it is
    // neither overwritten nor hidden by one of another kind found first.
    std::erase_if(illustrations, [&](const Text& name) {
        const Text base = name.substr(0, name.rfind(U'.'));
        for (const Text& own : pictureCandidates(base, U"", PictureSet::Illustration)) {
            if (FileExists(dir + own) == -1) {
                return true;
            }
        }
        return false;
    });
    for (const Text& name : illustrations) {
        try {
            const std::string bytes = readWholeFile(from + name, MaxDataFileBytes);
            if (const int e = writeFileAtomically(native + toUtf8(name), bytes)) {
                why = U"絵「" + name + U"」を写せませんでした（" + errnoWords(e) + U"）";
                return std::nullopt;
            }
        } catch (const RunTimeError& e) {
            why = U"絵「" + name + U"」を読めませんでした（" + errorNumberText(e.number()) + U"）";
            return std::nullopt;
        }
    }
    DataFileTarget database{native + "KUYU.DAT", {}};
    DataFileTarget aliases{native + "SNAME.DAT", {}};
    if (Outcome o = WriteDataFiles(database, aliases, {}); !o.ok) {
        why = o.message;
        return std::nullopt;
    }
    return open(dir + DatabaseName, why);
}

const Text& PlantData::databasePath() const {
    return impl_->databasePath;
}
const Text& PlantData::folder() const {
    return impl_->folder;
}
int PlantData::count() const {
    return static_cast<int>(impl_->plants.size());
}
const Plant& PlantData::plant(int row) const {
    return impl_->plants.at(static_cast<std::size_t>(row));
}

CategoryState PlantData::primary(int row, int k) const {
    const Text& code = plant(row).code;
    return StateOf(code, PlantCode(code).primary(k));
}

std::optional<CategoryState> PlantData::secondary(int row, int k) const {
    const PlantCode code(plant(row).code);
    if (code.secondary(k) == code.primary(k)) {
        return std::nullopt;
    }
    return StateOf(plant(row).code, code.secondary(k));
}

int PlantData::classification(int row) const {
    const char32_t c = PlantCode(plant(row).code).classification();
    return c >= U'1' && c <= U'9' ? static_cast<int>(c - U'0') : 0;
}

int PlantData::addPlant() {
    Step s;
    s.row = static_cast<int>(impl_->rows.size());
    s.after = impl_->newRow();
    impl_->push(std::move(s));
    return count() - 1;
}

Outcome PlantData::removePlant(int row) {
    Impl& d = *impl_;
    if (!d.validRow(row)) {
        return Outcome::failure(U"その植物はありません");
    }
    Step s;
    s.row = row;
    s.before = d.rows[static_cast<std::size_t>(row)];
    const Text& name = s.before->name;
    if (!d.nameShared(row, name)) {
        AliasRecords kept;
        for (const Record& a : d.aliasRecords) {
            if (a[1] != name) {
                kept.push_back(a);
            }
        }
        if (kept.size() != d.aliasRecords.size()) {
            s.aliasesBefore = d.aliasRecords;
            s.aliasesAfter = std::move(kept);
        }
    }
    d.push(std::move(s));
    return Outcome::success();
}

Outcome PlantData::setName(int row, const Text& typed) {
    Impl& d = *impl_;
    if (!d.validRow(row)) {
        return Outcome::failure(U"その植物はありません");
    }
    const Text name = toCp932Forms(ToHalfWidthKana(typed));
    if (name.empty()) {
        return Outcome::failure(U"植物名が空です");
    }
    if (Text why = FieldProblem(name); !why.empty()) {
        return Outcome::failure(why);
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    const Text old = after.name;
    after.name = name;
    std::optional<AliasRecords> aliases;
    if (!old.empty() && !d.nameShared(row, old)) {
        // Its aliases follow the plant.
        aliases = d.aliasRecords;
        for (Record& a : *aliases) {
            if (a[1] == old) {
                a[1] = name;
            }
        }
    }
    return d.replaceRow(row, std::move(after), std::move(aliases));
}

Outcome PlantData::setFamily(int row, const Text& typed) {
    Impl& d = *impl_;
    if (!d.validRow(row)) {
        return Outcome::failure(U"その植物はありません");
    }
    Text family = toCp932Forms(ToHalfWidthKana(typed));
    if (family.ends_with(U"科")) {
        family.pop_back(); // every display adds it
    }
    if (Text why = FieldProblem(family); !why.empty()) {
        return Outcome::failure(why);
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    after.family = std::move(family);
    return d.replaceRow(row, std::move(after));
}

Outcome PlantData::setClassification(int row, int classification) {
    Impl& d = *impl_;
    if (!d.validRow(row)) {
        return Outcome::failure(U"その植物はありません");
    }
    if (classification < 0 || classification > 5) {
        return Outcome::failure(U"分類は1〜5のどれかです");
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    after.code.resize(CodeLength, U'0');
    after.code[CodeLength - 1] = static_cast<char32_t>(U'0' + classification);
    return d.replaceRow(row, std::move(after));
}

Outcome PlantData::setPrimary(int row, int k, const CategoryState& state) {
    Impl& d = *impl_;
    if (!d.validRow(row) || k < 1 || k > CategoryCount) {
        return Outcome::failure(U"その植物・項目はありません");
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    const PlantCode before(d.rows[static_cast<std::size_t>(row)].code);
    const bool follows = before.secondary(k) == before.primary(k);
    const auto pos = 2 * static_cast<std::size_t>(k);
    if (Outcome o = WriteState(after.code, pos, k, state); !o.ok) {
        return o;
    }
    if (follows) {
        // No secondary state of its own: it stays the same as the primary.
        const Text was = after.code;
        after.code[pos - 2] = after.code[pos - 1];
        ClearUnusedLists(after.code, was);
    }
    return d.replaceRow(row, std::move(after));
}

Outcome PlantData::setSecondary(int row, int k, const std::optional<CategoryState>& state) {
    Impl& d = *impl_;
    if (!d.validRow(row) || k < 1 || k > CategoryCount) {
        return Outcome::failure(U"その植物・項目はありません");
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    const auto pos = 2 * static_cast<std::size_t>(k) - 1;
    if (!state) {
        after.code.resize(CodeLength, U'0');
        const Text was = after.code;
        after.code[pos - 1] = after.code[pos];
        ClearUnusedLists(after.code, was);
    } else if (Outcome o = WriteState(after.code, pos, k, *state); !o.ok) {
        return o;
    }
    return d.replaceRow(row, std::move(after));
}

Outcome PlantData::setAliases(int row, const std::vector<Text>& typed) {
    Impl& d = *impl_;
    if (!d.validRow(row)) {
        return Outcome::failure(U"その植物はありません");
    }
    const Text& name = d.rows[static_cast<std::size_t>(row)].name;
    std::vector<Text> wanted;
    for (const Text& t : typed) {
        Text a = toCp932Forms(ToHalfWidthKana(t));
        if (a.empty() || std::find(wanted.begin(), wanted.end(), a) != wanted.end()) {
            continue;
        }
        if (Text why = FieldProblem(a); !why.empty()) {
            return Outcome::failure(U"別名「" + a + U"」: " + why);
        }
        wanted.push_back(std::move(a));
    }
    if (!wanted.empty() && name.empty()) {
        return Outcome::failure(U"先に植物名を入れてください");
    }
    // Aliases kept stay where they are in the file; new ones follow the
    // plant's last one, or go to the end.
    AliasRecords out;
    std::set<Text> present;
    std::size_t insertAt = Text::npos;
    for (const Record& a : d.aliasRecords) {
        if (a[1] == name) {
            if (std::find(wanted.begin(), wanted.end(), a[0]) == wanted.end() ||
                present.contains(a[0])) {
                continue;
            }
            present.insert(a[0]);
            out.push_back(a);
            insertAt = out.size();
        } else {
            out.push_back(a);
        }
    }
    AliasRecords added;
    for (const Text& a : wanted) {
        if (!present.contains(a)) {
            added.push_back({a, name});
        }
    }
    if (out.size() + added.size() > static_cast<std::size_t>(PlantCapacity)) {
        return Outcome::failure(U"別名は全部で" + decimal(PlantCapacity) + U"件までです");
    }
    out.insert(insertAt == Text::npos ? out.end()
                                      : out.begin() + static_cast<std::ptrdiff_t>(insertAt),
               added.begin(), added.end());
    return d.replaceRow(row, d.rows[static_cast<std::size_t>(row)], std::move(out));
}

Outcome PlantData::replaceAll(const std::vector<Plant>& plants) {
    Impl& d = *impl_;
    if (plants.size() > static_cast<std::size_t>(PlantCapacity)) {
        return Outcome::failure(U"植物は" + decimal(PlantCapacity) + U"件までです");
    }
    Step s;
    s.rowsBefore = d.rows;
    s.rowsAfter.emplace();
    AliasRecords aliases;
    for (const Plant& p : plants) {
        // A row of the same name keeps its files and pending work.
        Row r;
        auto same = std::find_if(d.rows.begin(), d.rows.end(),
                                 [&](const Row& x) { return x.name == p.name; });
        const bool taken =
            same != d.rows.end() && std::any_of(s.rowsAfter->begin(), s.rowsAfter->end(),
                                                [&](const Row& x) { return x.id == same->id; });
        if (same != d.rows.end() && !taken) {
            r = *same;
        } else {
            r = d.newRow();
        }
        r.name = p.name;
        r.code = p.code;
        r.family = p.family;
        s.rowsAfter->push_back(std::move(r));
        for (const Text& a : p.aliases) {
            aliases.push_back({a, p.name});
        }
    }
    if (aliases.size() > static_cast<std::size_t>(PlantCapacity)) {
        return Outcome::failure(U"別名は全部で" + decimal(PlantCapacity) + U"件までです");
    }
    // Records kept keep their place in the file; new ones follow.
    std::multiset<Record> wanted(aliases.begin(), aliases.end());
    AliasRecords ordered;
    for (const Record& a : d.aliasRecords) {
        if (auto it = wanted.find(a); it != wanted.end()) {
            ordered.push_back(a);
            wanted.erase(it);
        }
    }
    for (const Record& a : aliases) {
        if (auto it = wanted.find(a); it != wanted.end()) {
            ordered.push_back(a);
            wanted.erase(it);
        }
    }
    aliases = std::move(ordered);
    s.aliasesBefore = d.aliasRecords;
    s.aliasesAfter = std::move(aliases);
    d.push(std::move(s));
    return Outcome::success();
}

Outcome PlantData::attachFile(int row, FileSlot slot, const Text& sourcePath) {
    Impl& d = *impl_;
    if (!d.validRow(row) || slot == FileSlot::Note) {
        return Outcome::failure(U"その植物はありません");
    }
    if (const int e = FileExists(sourcePath); e != -1) {
        return Outcome::failure(U"ファイル「" + sourcePath + U"」が開けません（" +
                                errorNumberText(e == 0 ? err::FileNotFound : e) + U"）");
    }
    Text ext = isPictureSlot(slot) ? extensionOf(sourcePath) : fixedExtension(slot);
    if (isPictureSlot(slot) && pictureKindOfCandidate(U"x" + ext) == PictureKind::None) {
        return Outcome::failure(U"絵は BMP、GIF、JPEG、Pi のファイルです");
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    after.files[slotIndex(slot)] = PendingFile{sourcePath, {}, std::move(ext)};
    return d.replaceRow(row, std::move(after));
}

Outcome PlantData::attachBytes(int row, FileSlot slot, std::string bytes, const Text& extension) {
    Impl& d = *impl_;
    if (!d.validRow(row) || slot == FileSlot::Note) {
        return Outcome::failure(U"その植物はありません");
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    after.files[slotIndex(slot)] =
        PendingFile{{}, std::move(bytes), isPictureSlot(slot) ? extension : fixedExtension(slot)};
    return d.replaceRow(row, std::move(after));
}

Outcome PlantData::setNote(int row, const Text& note) {
    Impl& d = *impl_;
    if (!d.validRow(row)) {
        return Outcome::failure(U"その植物はありません");
    }
    const Text kept = toCp932Forms(note);
    if (Text why = CharacterProblem(kept); !why.empty()) {
        return Outcome::failure(U"メモに" + why + U"。別の字に書き換えてください");
    }
    Row after = d.rows[static_cast<std::size_t>(row)];
    after.note = kept;
    return d.replaceRow(row, std::move(after));
}

Text PlantData::note(int row) const {
    const Impl& d = *impl_;
    const Row& r = d.rows.at(static_cast<std::size_t>(row));
    if (r.note) {
        return *r.note;
    }
    const auto disk = d.diskNames.find(r.id);
    if (disk == d.diskNames.end()) {
        return {};
    }
    for (const std::string& f :
         filesOf(d.folder, baseOf(disk->second, FileSlot::Note), FileSlot::Note)) {
        try {
            return NoteText(readWholeFile(pathFromNative(f), MaxNoteBytes));
        } catch (const RunTimeError&) {
        }
    }
    return {};
}

bool PlantData::hasFile(int row, FileSlot slot) const {
    const Impl& d = *impl_;
    const Row& r = d.rows.at(static_cast<std::size_t>(row));
    if (slot == FileSlot::Note && r.note) {
        return !r.note->empty();
    }
    if (r.files[slotIndex(slot)]) {
        return true;
    }
    const auto disk = d.diskNames.find(r.id);
    return disk != d.diskNames.end() && !disk->second.empty() &&
           !filesOf(d.folder, baseOf(disk->second, slot), slot).empty();
}

bool PlantData::canUndo() const {
    return impl_->done > 0;
}
bool PlantData::canRedo() const {
    return impl_->done < impl_->undo.size();
}
void PlantData::undo() {
    if (canUndo()) {
        --impl_->done;
        impl_->apply(impl_->undo[impl_->done], false);
    }
}
void PlantData::redo() {
    if (canRedo()) {
        impl_->apply(impl_->undo[impl_->done], true);
        ++impl_->done;
    }
}
bool PlantData::modified() const {
    return !impl_->clean || *impl_->clean != impl_->done;
}

bool PlantData::changedOnDisk() const {
    return FingerprintOf(impl_->database.native) != impl_->databaseStamp ||
           FingerprintOf(impl_->aliases.native) != impl_->aliasStamp;
}

std::vector<Warning> PlantData::warnings() const {
    const Impl& d = *impl_;
    CheckTables in;
    in.folder = d.folder;
    for (std::size_t i = 0; i < d.rows.size(); ++i) {
        const Row& r = d.rows[i];
        in.plants.push_back({r.name, r.code, r.family, static_cast<int>(i + 1)});
        if (r.files[slotIndex(FileSlot::Picture)]) {
            in.picturesToCome.insert(PlantKey(r.name));
        }
    }
    for (std::size_t i = 0; i < d.aliasRecords.size(); ++i) {
        in.aliases.push_back({d.aliasRecords[i][0], d.aliasRecords[i][1], static_cast<int>(i + 1)});
    }
    std::vector<Warning> out;
    for (const DataProblem& p : CheckTableProblems(in)) {
        Warning w;
        w.kind = p.kind;
        w.message = p.message;
        w.category = p.category;
        if (p.file != "aliases" && p.record > 0) {
            w.plant = p.record - 1;
        }
        if (p.otherRecord > 0) {
            w.otherPlant = p.otherRecord - 1;
        }
        out.push_back(std::move(w));
    }
    return out;
}

std::vector<Warning> PlantData::warnings(int row) const {
    std::vector<Warning> out;
    for (Warning& w : warnings()) {
        if (w.plant == row) {
            out.push_back(std::move(w));
        }
    }
    return out;
}

Outcome PlantData::save() {
    Impl& d = *impl_;
    DataFileTarget aliases = d.aliases;
    if (!d.aliasFileExisted && d.aliasRecords.empty()) {
        aliases.native.clear(); // no alias file before, none needed now
    }
    if (Outcome o = WriteDataFiles(d.database, aliases, d.tables()); !o.ok) {
        return o;
    }
    d.aliasFileExisted = d.aliasFileExisted || !aliases.native.empty();
    d.databaseStamp = FingerprintOf(d.database.native);
    d.aliasStamp = FingerprintOf(d.aliases.native);
    d.clean = d.done;
    return d.saveFiles();
}

// After the data files: files follow renamed plants, then pending files are
// written. A file in the way is kept as NAME.bak; nothing is overwritten
// without a copy.
Outcome PlantData::Impl::saveFiles() {
    std::vector<Text> problems;
    const auto trouble = [&](const Text& file, int e) {
        problems.push_back(U"「" + file + U"」（" + errnoWords(e) + U"）");
    };
    const auto putAside = [&](const std::string& native) {
        if (::rename(native.c_str(), (native + ".bak").c_str()) != 0) {
            trouble(pathFromNative(native), errno);
            return false;
        }
        return true;
    };
    const std::string folderNative = resolvePath(folder).value_or(toUtf8(folder));
    const auto nativeIn = [&](const Text& name) {
        return folderNative + (folderNative.ends_with('/') ? "" : "/") + toUtf8(name);
    };
    for (Row& r : rows) {
        const auto disk = diskNames.find(r.id);
        if (disk != diskNames.end() && !disk->second.empty() && disk->second != r.name) {
            for (int s = 0; s < FileSlotCount; ++s) {
                const auto slot = static_cast<FileSlot>(s);
                const Text from = baseOf(disk->second, slot);
                const Text to = baseOf(r.name, slot);
                if (from == to || std::any_of(rows.begin(), rows.end(), [&](const Row& o) {
                        return o.id != r.id && baseOf(o.name, slot) == from;
                    })) {
                    continue; // same name, or another plant still uses the files
                }
                for (const std::string& f : filesOf(folder, from, slot)) {
                    const Text ext = extensionOf(pathFromNative(f));
                    const std::string target = nativeIn(to + ext);
                    if (resolvePath(folder + to + ext)) {
                        trouble(to + ext, EEXIST);
                        continue;
                    }
                    if (::rename(f.c_str(), target.c_str()) != 0) {
                        trouble(pathFromNative(f), errno);
                    }
                }
            }
        }
        diskNames[r.id] = r.name;
        for (int s = 0; s < FileSlotCount; ++s) {
            auto& pending = r.files[static_cast<std::size_t>(s)];
            if (!pending) {
                continue;
            }
            const auto slot = static_cast<FileSlot>(s);
            const Text name = baseOf(r.name, slot) + pending->extension;
            std::string bytes = pending->bytes;
            if (!pending->sourcePath.empty()) {
                try {
                    bytes = readWholeFile(pending->sourcePath);
                } catch (const RunTimeError& e) {
                    problems.push_back(U"「" + pending->sourcePath + U"」（" +
                                       errorNumberText(e.number()) + U"）");
                    continue;
                }
            }
            bool clear = true;
            for (const std::string& f : filesOf(folder, baseOf(r.name, slot), slot)) {
                clear = putAside(f) && clear;
            }
            if (!clear) {
                continue;
            }
            if (const int e = writeFileAtomically(nativeIn(name), bytes)) {
                trouble(name, e);
                continue;
            }
            pending.reset();
        }
        if (r.note) {
            const Text name = baseOf(r.name, FileSlot::Note) + U".txt";
            const auto bytes = noteBytes(*r.note);
            bool clear = bytes.has_value();
            for (const std::string& f :
                 filesOf(folder, baseOf(r.name, FileSlot::Note), FileSlot::Note)) {
                clear = putAside(f) && clear;
            }
            if (clear && r.note->empty()) {
                r.note.reset(); // an emptied note: the old one is kept aside only
            } else if (clear) {
                if (const int e = writeFileAtomically(nativeIn(name), *bytes)) {
                    trouble(name, e);
                } else {
                    r.note.reset();
                }
            }
        }
    }
    // Work done is no longer pending in any step either.
    for (Step& s : undo) {
        for (auto* row : {&s.before, &s.after}) {
            if (*row) {
                const Row* now = nullptr;
                for (const Row& r : rows) {
                    if (r.id == (*row)->id) {
                        now = &r;
                    }
                }
                if (now) {
                    (*row)->files = now->files;
                    (*row)->note = now->note;
                }
            }
        }
    }
    rebuild();
    if (problems.empty()) {
        return Outcome::success();
    }
    Text why = U"データは保存しましたが、次のファイルを書けませんでした: ";
    for (std::size_t i = 0; i < problems.size(); ++i) {
        why += (i ? U"、" : U"") + problems[i];
    }
    return Outcome::failure(why);
}

} // namespace kuyu::editor
