// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/database/Database.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
#include "core/files/Files.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <sys/stat.h>

namespace kuyu {

namespace {

const Text DefaultDataFile = U"KUYU.DAT";

const Text ErrorTitle = U"エラーメッセージ";
const Text NoticeTitle = U"お知らせ";
const Text DataFileMissing1 = U"データファイルがみつかりません";
const Text DataFileMissing2 = U"ｵﾌﾟｼｮﾝでﾃﾞｰﾀﾌｧｲﾙを選択して下さい";
const Text CannotLoad = U"ファイルがロードできません";
const Text LoadedAs1 = U"検索データとして";
const Text LoadedAs2 = U"をロードしました";

// A plant table read in full, not yet in use.
struct PlantTable {
    std::vector<Text> name;
    std::vector<Text> code;
    std::vector<Text> family;
    std::int16_t count = 0;
    std::size_t firstCodeLength = 0; // before padding, for the reload's check
};

Text fixedCode(Text code) {
    code.resize(CodeLength, U' ');
    return code;
}

// Reads every record of a database file. Throws RunTimeError: 62 for a
// partial record, 9 for a record beyond the table's capacity, or the file
// error of the open.
PlantTable readPlantTable(const Text& path) {
    FieldReader in(decodeFileText(readWholeFile(path, MaxDataFileBytes)));
    PlantTable t;
    t.name.resize(PlantCapacity + 1);
    t.code.resize(PlantCapacity + 1);
    t.family.resize(PlantCapacity + 1);
    int j = 1;
    while (!in.atEnd()) {
        if (j > PlantCapacity) {
            throw RunTimeError(err::SubscriptOutOfRange);
        }
        t.name[j] = in.readField();
        Text code = in.readField();
        if (j == 1) {
            t.firstCodeLength = code.size();
        }
        t.code[j] = fixedCode(std::move(code));
        t.family[j] = in.readField();
        ++j;
    }
    t.count = static_cast<std::int16_t>(j - 1);
    return t;
}

void install(AppState& state, PlantTable&& t) {
    state.PlantName = std::move(t.name);
    state.PlantCode = std::move(t.code);
    state.PlantFamily = std::move(t.family);
    state.PlantCount = t.count;
    ++state.LoadGeneration;
}

bool isSeparator(char32_t c) {
    return c == U'/' || c == U'\\';
}

// Reads the alias records of one file; a partial last record or a record
// beyond the capacity ends the reading, keeping what was complete. A file
// that cannot be read gives no aliases and its error number in `error`.
AliasTable parseAliases(const Text& path, int& error) {
    AliasTable t;
    t.Alias.resize(1);
    t.PlantName.resize(1);
    error = 0;
    std::string bytes;
    try {
        bytes = readWholeFile(path, MaxDataFileBytes);
    } catch (const RunTimeError& e) {
        error = e.number();
        return t;
    }
    FieldReader in(decodeFileText(bytes));
    try {
        while (!in.atEnd() && t.count < PlantCapacity) {
            Text alias = in.readField();
            Text plant = in.readField();
            t.Alias.push_back(std::move(alias));
            t.PlantName.push_back(std::move(plant));
            ++t.count;
        }
    } catch (const RunTimeError&) {
        // partial record at the end: keep the complete ones
    }
    return t;
}

// What identifies one state of a file on disk.
struct FileStamp {
    std::string native;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec mtime {};
    struct timespec ctime {};

    bool operator==(const FileStamp& o) const {
        return native == o.native && device == o.device && inode == o.inode && size == o.size &&
               mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec &&
               ctime.tv_sec == o.ctime.tv_sec && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

std::optional<FileStamp> stampOf(const Text& path) {
    const auto native = resolvePath(path);
    struct stat st {};
    if (!native || ::stat(native->c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FileStamp{*native, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// Time stamps are coarse: a file rewritten within the same tick keeps them.
// A file changed in the last moments is therefore read afresh each time.
bool settled(const FileStamp& s) {
    using namespace std::chrono;
    const auto at = [](const timespec& t) {
        return system_clock::time_point(
            duration_cast<system_clock::duration>(seconds(t.tv_sec) + nanoseconds(t.tv_nsec)));
    };
    const auto now = system_clock::now();
    return now - at(s.mtime) > seconds(2) && now - at(s.ctime) > seconds(2);
}

// A name search runs on every keystroke of the name box; parsing the alias
// file each time cost more than the search itself. The last parsed file is
// kept under its stamp, taken before reading, so a change during the read
// only makes the next search read it again.
struct AliasRead {
    std::shared_ptr<const AliasTable> table;
    int error = 0; // why the file gave nothing, 0 when it was read
};
std::mutex keptMutex;
std::optional<FileStamp> keptStamp;
AliasRead kept;

std::optional<FileStamp> settledStamp(const Text& path) {
    auto stamp = stampOf(path);
    if (stamp && !settled(*stamp)) {
        stamp.reset();
    }
    return stamp;
}

// The kept table when it was read from this very file, unchanged since. A
// change of permissions changes the change time, so the file is still as
// readable as it was.
std::optional<AliasRead> keptFor(const Text& path) {
    const auto stamp = settledStamp(path);
    std::lock_guard lock(keptMutex);
    if (stamp && keptStamp && *stamp == *keptStamp) {
        return kept;
    }
    return std::nullopt;
}

AliasRead readAliasFile(const Text& path) {
    if (auto hit = keptFor(path)) {
        return *hit;
    }
    const auto stamp = settledStamp(path);
    AliasRead read;
    read.table = std::make_shared<const AliasTable>(parseAliases(path, read.error));
    std::lock_guard lock(keptMutex);
    keptStamp = stamp;
    kept = read;
    return read;
}

const std::shared_ptr<const AliasTable>& noAliases() {
    static const auto none = [] {
        auto t = std::make_shared<AliasTable>();
        t->Alias.resize(1);
        t->PlantName.resize(1);
        return std::shared_ptr<const AliasTable>(std::move(t));
    }();
    return none;
}

struct AliasLookup {
    std::shared_ptr<const AliasTable> table;
    std::optional<AliasTrouble> trouble;
};

// DataFolder + "SNAME.DAT" when it opens; otherwise (absent or unopenable)
// "SNAME.DAT" in the current directory. The first file that is there but
// gives nothing is the trouble.
AliasLookup lookUpAliases(const AppState& state) {
    const Text inFolder = state.DataFolder + AliasFileName;
    const auto lookUp = [](const Text& path, const AliasRead& read) {
        AliasLookup found{read.table, std::nullopt};
        if (read.error != 0) {
            found.trouble = AliasTrouble{path, read.error, false};
        }
        return found;
    };
    const auto readFrom = [&](const Text& path) { return lookUp(path, readAliasFile(path)); };
    if (auto hit = keptFor(inFolder)) {
        return lookUp(inFolder, *hit);
    }
    const int status = FileExists(inFolder);
    if (status == -1) {
        return readFrom(inFolder);
    }
    std::optional<AliasTrouble> trouble;
    if (AliasFileThere(inFolder, status)) {
        trouble = AliasTrouble{inFolder, status, false};
    }
    const int here = inFolder == AliasFileName ? status : FileExists(AliasFileName);
    if (here == -1) {
        AliasLookup found = readFrom(AliasFileName);
        if (trouble) {
            trouble->otherUsed = !found.trouble;
            found.trouble = trouble;
        }
        return found;
    }
    if (!trouble && AliasFileThere(AliasFileName, here)) {
        trouble = AliasTrouble{AliasFileName, here, false};
    }
    return {noAliases(), trouble};
}

} // namespace

Text DataFolderOf(const Text& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1])) {
            return path.substr(0, i);
        }
    }
    const std::size_t colon = path.find(U':');
    if (colon != Text::npos) {
        return path.substr(0, colon + 1);
    }
    return {};
}

std::optional<Message> StartUpLoad(AppState& state, const Text& commandLine) {
    if (commandLine.empty()) {
        state.DataFilePath = DefaultDataFile;
    } else {
        state.DataFilePath = commandLine;
        state.DataFolder = DataFolderOf(commandLine);
    }
    std::optional<Message> failure;
    try {
        install(state, readPlantTable(state.DataFilePath));
    } catch (const RunTimeError& e) {
        Message m;
        m.title = ErrorTitle;
        m.icon = MessageIcon::Question;
        m.text = e.number() == err::FileNotFound ? DataFileMissing1 + U"\r" + DataFileMissing2
                                                 : errorNumberText(e.number());
        failure = std::move(m);
    }
    state.clearScoresAndChoices();
    return failure;
}

Message LoadDataFile(AppState& state, const Text& path, const Text& folder) {
    state.DataFilePath = path;
    Message failure{CannotLoad, ErrorTitle, MessageIcon::Critical};
    PlantTable t;
    try {
        t = readPlantTable(path);
    } catch (const RunTimeError&) {
        return failure;
    }
    // Only the first record's code is checked; an empty file fails here too.
    if (t.count == 0 || t.firstCodeLength != CodeLength) {
        return failure;
    }
    install(state, std::move(t));
    state.clearScores();
    ResetSelection(state);
    state.DataFolder = folder;
    if (!state.DataFolder.empty() && !isSeparator(state.DataFolder.back())) {
        state.DataFolder += U'/';
    }
    return Message{LoadedAs1 + state.DataFilePath + LoadedAs2, NoticeTitle, MessageIcon::None};
}

std::shared_ptr<const AliasTable> SharedAliases(const AppState& state) {
    return lookUpAliases(state).table;
}

bool AliasFileThere(const Text& path, int status) {
    return status == -1 || (status != 0 && resolvePath(path).has_value());
}

std::optional<AliasTrouble> FindAliasTrouble(const AppState& state) {
    return lookUpAliases(state).trouble;
}

Text AliasTroubleText(const AliasTrouble& trouble) {
    return trouble.path + U"を読めません（" + errorNumberText(trouble.error) + U"）。" +
           (trouble.otherUsed ? U"カレントフォルダの" + AliasFileName + U"を使います"
                              : Text(U"別名は使われません"));
}

std::optional<Message> AliasTroubleNotices::next(const AppState& state) {
    auto trouble = FindAliasTrouble(state);
    if (!trouble) {
        return std::nullopt;
    }
    const auto same = [&](const AliasTrouble& t) {
        return t.path == trouble->path && t.error == trouble->error;
    };
    if (std::any_of(told_.begin(), told_.end(), same)) {
        return std::nullopt;
    }
    told_.push_back(*trouble);
    return Message{AliasTroubleText(*trouble), NoticeTitle, MessageIcon::Exclamation};
}

AliasTable ReadAliases(const AppState& state) {
    return *SharedAliases(state);
}

} // namespace kuyu
