// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/database/DataCheck.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/images/PictureLookup.h"
#include "core/state/AppState.h"
#include "core/state/CodeLetters.h"
#include "core/state/PlantCode.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace kuyu {

namespace {

struct Record {
    std::array<Text, 3> fields;
    int fieldsRead = 0;
    int line = 0;
};

// 1-based line of each character position, counting CR LF, lone CR and lone
// LF as line ends, as the field reader does.
class LineIndex {
  public:
    explicit LineIndex(const Text& text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') {
                continue;
            }
            if (text[i] == U'\r' || text[i] == U'\n') {
                ends_.push_back(i);
            }
        }
    }
    int lineOf(std::size_t pos) const {
        return static_cast<int>(std::lower_bound(ends_.begin(), ends_.end(), pos) - ends_.begin()) +
               1;
    }

  private:
    std::vector<std::size_t> ends_;
};

// Reads records of `fieldCount` fields the way the program does, noting the
// line each starts on. Stops at the first partial record (kept, with
// fieldsRead < fieldCount).
std::vector<Record> readRecords(const Text& text, int fieldCount) {
    const LineIndex lines(text);
    FieldReader in(text);
    std::vector<Record> out;
    while (!in.atEnd()) {
        Record r;
        r.line = lines.lineOf(in.position());
        try {
            for (int f = 0; f < fieldCount; ++f) {
                r.fields[static_cast<std::size_t>(f)] = in.readField();
                r.fieldsRead = f + 1;
            }
        } catch (const RunTimeError&) {
            out.push_back(std::move(r));
            break;
        }
        out.push_back(std::move(r));
    }
    return out;
}

Text number(long n) {
    return decimal(n);
}

// What is wrong with character `pos` (1-based) of a code, or empty.
Text codeCharacterProblem(const Text& code, std::size_t pos) {
    const char32_t c = code[pos - 1];
    const Text at = number(static_cast<long>(pos)) + U"文字目の「" + Text(1, c) + U"」";
    if (pos <= 20) {
        const int k = static_cast<int>((pos + 1) / 2);
        const CategoryInfo& info = Category(k);
        if (IsSpecialCodeLetter(c)) {
            return {};
        }
        if (c >= U'1' && c <= U'9' && static_cast<int>(c - U'0') <= info.optionCount) {
            return {};
        }
        return at + U"は" + info.openerCaption + U"の選択肢にありません（1〜" +
               number(info.optionCount) + U"、0、X、Y、A〜D、H〜J）";
    }
    if (pos <= 29) {
        if ((c >= U'0' && c <= U'9') || c == U' ') {
            return {};
        }
        return at + U"は値の並び（21〜29文字目）に使えません（数字のみ）";
    }
    if ((c >= U'0' && c <= U'5') || c == U' ') {
        return {};
    }
    return at + U"は分類（30文字目）にありません（0〜5）";
}

Text nameForMessage(const Text& name) {
    return U"「" + name + U"」";
}

// File names of a folder as a person reads them, sorted.
std::vector<Text> folderNames(const Text& folder) {
    const auto native = resolvePath(folder.empty() ? Text(U".") : folder);
    std::vector<Text> names;
    if (!native) {
        return names;
    }
    for (FolderEntry& e : listDirectory(*native, EntryKinds::Skip)) {
        names.push_back(std::move(e.name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<Text>& pictureExtensions() {
    static const std::vector<Text> exts{U".BMP", U".GIF", U".JPG", U".JPEG", U".PI"};
    return exts;
}

// What makes two plants' ten primary states the same: the characters, and
// for several values the values their lists hold.
Text primaryStates(const Text& code) {
    const PlantCode pc(code);
    Text out;
    for (int k = 1; k <= CategoryCount; ++k) {
        const char32_t c = pc.primary(k);
        out += c;
        const ListSpan span = SpanOf(ReadCodeLetter(c).primaryLists);
        for (int n = span.first; n <= span.last; ++n) {
            out += U'(';
            out += pc.valueList(n);
            out += U')';
        }
    }
    return out;
}

// The category a person would best look at again to tell two plants apart:
// the first one either leaves unknown, else the first one either leaves
// open (不定 or several values), else the first.
int categoryToChange(const Text& a, const Text& b) {
    const PlantCode x(a), y(b);
    for (int k = 1; k <= CategoryCount; ++k) {
        if (ReadCodeLetter(x.primary(k)).role == CodeRole::Unknown ||
            ReadCodeLetter(y.primary(k)).role == CodeRole::Unknown) {
            return k;
        }
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        const CodeRole role = ReadCodeLetter(x.primary(k)).role;
        if (role != CodeRole::Digit && role != CodeRole::Absent) {
            return k;
        }
    }
    return 1;
}

class TableChecker {
  public:
    explicit TableChecker(const CheckTables& t) : t_(t) {}

    std::vector<DataProblem> run() {
        for (std::size_t i = 0; i < t_.plants.size(); ++i) {
            checkPlant(t_.plants[i], static_cast<int>(i + 1));
        }
        checkDuplicateKeys();
        checkIndistinguishable();
        checkAliases();
        checkFolder();
        return std::move(problems_);
    }

  private:
    void add(std::string file, int line, int record, int field, std::string kind, Text message,
             int other = 0, int category = 0) {
        problems_.push_back({std::move(file), line, record, field, std::move(kind),
                             std::move(message), false, other, category});
    }

    void checkPlant(const CheckedPlant& r, int n) {
        const Text& name = r.name;
        const Text& code = r.code;
        if (name.empty()) {
            add("database", r.line, n, 1, "empty-name", U"植物名が空です");
        }
        if (code.size() != CodeLength) {
            Text what = U"特徴コードが" + number(static_cast<long>(code.size())) + U"文字です（" +
                        number(CodeLength) + U"文字のはずです）";
            if (n == 1) {
                what += U"。先頭の記録なので、ﾃﾞｰﾀﾌｧｲﾙ選択ではこのファイルを読み込めません";
            }
            add("database", r.line, n, 2, "code-length", what);
        }
        for (std::size_t pos = 1; pos <= std::min<std::size_t>(code.size(), CodeLength); ++pos) {
            if (Text what = codeCharacterProblem(code, pos); !what.empty()) {
                add("database", r.line, n, 2, "code-character",
                    nameForMessage(name) + U"の" + what);
            }
        }
    }

    void checkDuplicateKeys() {
        std::map<Text, std::size_t> firstOf;
        const auto& p = t_.plants;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const Text key = PlantKey(p[i].name);
            auto [it, fresh] = firstOf.emplace(key, i);
            if (!fresh) {
                const std::size_t j = it->second;
                add("database", p[i].line, static_cast<int>(i + 1), 1, "duplicate-key",
                    nameForMessage(p[i].name) + U"は" + number(p[j].line) + U"行目の" +
                        nameForMessage(p[j].name) +
                        U"と先頭8文字が同じです（絵や一覧から開けるのは後の植物だけです）",
                    static_cast<int>(j + 1));
                it->second = i;
            }
        }
    }

    // A plant whose ten primary states are another's: no search tells them
    // apart. Each is named once, against the one before it.
    void checkIndistinguishable() {
        std::map<Text, std::size_t> firstOf;
        const auto& p = t_.plants;
        for (std::size_t i = 0; i < p.size(); ++i) {
            auto [it, fresh] = firstOf.emplace(primaryStates(p[i].code), i);
            if (fresh) {
                continue;
            }
            const std::size_t j = it->second;
            const int k = categoryToChange(p[j].code, p[i].code);
            add("database", p[i].line, static_cast<int>(i + 1), 2, "indistinguishable",
                nameForMessage(p[i].name) + U"と" + number(p[j].line) + U"行目の" +
                    nameForMessage(p[j].name) +
                    U"は10の特徴がすべて同じです。この 2 種は区別できません（「" +
                    Category(k).openerCaption + U"」などを見直してください）",
                static_cast<int>(j + 1), k);
            it->second = i;
        }
    }

    void checkAliases() {
        std::set<Text> plants;
        for (const CheckedPlant& p : t_.plants) {
            plants.insert(p.name);
        }
        int n = 0;
        for (const CheckedAlias& a : t_.aliases) {
            ++n;
            if (!plants.contains(a.plant)) {
                add("aliases", a.line, n, 2, "unknown-plant",
                    U"別名" + nameForMessage(a.alias) + U"の植物" + nameForMessage(a.plant) +
                        U"はデータファイルにありません");
            }
        }
    }

    void checkFolder() {
        std::set<Text> keys;
        std::set<Text> closeUpStems;
        for (const CheckedPlant& p : t_.plants) {
            keys.insert(PlantKey(p.name));
            Text stem = left(p.name, 7);
            while (!stem.empty() && stem.back() == U' ') {
                stem.pop_back();
            }
            closeUpStems.insert(stem);
        }
        const Text& folder = t_.folder;
        const std::vector<Text> files = folderNames(folder);
        // The folder is listed once: the editor checks after every change.
        // A picture not in it is looked for as the lookup does (the current
        // folder first), which only misses pay for.
        std::set<Text> inFolder;
        for (const Text& file : files) {
            inFolder.insert(upperAscii(file));
        }
        const bool inCurrent = folder.empty() || folder == currentDirectoryWithSlash();
        const auto hasPicture = [&](const Text& key) {
            for (const Text& ext : pictureExtensions()) {
                if (inFolder.contains(upperAscii(key + ext))) {
                    return true;
                }
            }
            if (files.empty()) {
                return findPicture(key, folder, PictureSet::PlantWindow).has_value();
            }
            return !inCurrent && findPicture(key, Text(), PictureSet::PlantWindow).has_value();
        };
        for (std::size_t i = 0; i < t_.plants.size(); ++i) {
            const CheckedPlant& p = t_.plants[i];
            const Text key = PlantKey(p.name);
            if (!key.empty() && !t_.picturesToCome.contains(key) && !hasPicture(key)) {
                add("folder", p.line, static_cast<int>(i + 1), 0, "no-picture",
                    nameForMessage(p.name) + U"の絵（" + key +
                        U".BMP/.GIF/.JPG/.JPEG/.Pi）がありません");
            }
        }
        for (const Text& file : files) {
            if (endsWithIgnoringAsciiCase(file, U".TXT")) {
                const Text base = file.substr(0, file.size() - 4);
                if (!keys.contains(base)) {
                    add("folder", 0, 0, 0, "orphan-note",
                        U"メモ" + nameForMessage(file) + U"に合う植物がありません");
                }
                continue;
            }
            for (const Text& ext : pictureExtensions()) {
                if (!endsWithIgnoringAsciiCase(file, ext)) {
                    continue;
                }
                const Text base = file.substr(0, file.size() - ext.size());
                if (base.empty() || keys.contains(base)) {
                    break;
                }
                const char32_t last = base.back();
                if ((last == U'Q' || last == U'R') &&
                    !closeUpStems.contains(base.substr(0, base.size() - 1))) {
                    add("folder", 0, 0, 0, "orphan-close-up",
                        U"拡大絵" + nameForMessage(file) + U"に合う植物がありません");
                }
                break;
            }
        }
    }

    const CheckTables& t_;
    std::vector<DataProblem> problems_;
};

// Reading the files: what keeps them from being read, then the records.
class Checker {
  public:
    explicit Checker(const Text& path) : path_(path) { tables_.folder = DataFolderOf(path); }

    DataCheckReport run() {
        readDatabase();
        readAliases();
        for (DataProblem& p : CheckTableProblems(tables_)) {
            report_.problems.push_back(std::move(p));
        }
        return std::move(report_);
    }

  private:
    void add(std::string file, int line, int record, int field, std::string kind, Text message,
             bool stops = false) {
        report_.problems.push_back(
            {std::move(file), line, record, field, std::move(kind), std::move(message), stops});
    }

    void readDatabase() {
        std::string bytes;
        try {
            bytes = readWholeFile(path_, MaxDataFileBytes);
        } catch (const RunTimeError& e) {
            const Text why = e.number() == err::FileNotFound
                                 ? Text(U"データファイルがみつかりません")
                                 : errorNumberText(e.number());
            add("database", 0, 0, 0, "unreadable", why, true);
            return;
        }
        checkEncoding("database", bytes);
        const std::vector<Record> records = readRecords(decodeFileText(bytes), 3);
        bool stops = false;
        int n = 0;
        for (const Record& r : records) {
            ++n;
            if (n > PlantCapacity) {
                add("database", r.line, n, 0, "too-many-records",
                    U"記録が" + number(PlantCapacity) +
                        U"件を超えています（エラー番号9で読み込みが止まります）",
                    true);
                stops = true;
                break;
            }
            if (r.fieldsRead < 3) {
                Text what = U"記録が途中で終わっています（" + number(r.fieldsRead + 1) +
                            U"番目の欄がありません）。エラー番号62で読み込みが止まります";
                if (r.fieldsRead == 1 && r.fields[0].empty()) {
                    what += U"。ファイル末尾の空行ではありませんか";
                }
                add("database", r.line, n, r.fieldsRead + 1, "partial-record", what, true);
                stops = true;
                break;
            }
            tables_.plants.push_back({r.fields[0], r.fields[1], r.fields[2], r.line});
        }
        const auto& plants = tables_.plants;
        report_.plantCount = static_cast<int>(plants.size());
        report_.loadsAtStartUp = !stops;
        report_.loadsBySelection =
            !stops && !plants.empty() && plants.front().code.size() == CodeLength;
        if (!stops && records.empty()) {
            add("database", 0, 0, 0, "empty",
                U"記録がひとつもありません（ﾃﾞｰﾀﾌｧｲﾙ選択では読み込めません）");
        }
    }

    // The data folder's alias file. When it is absent the program reads the
    // one in the folder it was started in, which need not be the folder this
    // check runs in, so that one is not looked at.
    void readAliases() {
        const Text path = tables_.folder + AliasFileName;
        if (!AliasFileThere(path, FileExists(path))) {
            return; // no alias file: nothing to check
        }
        std::string bytes;
        try {
            bytes = readWholeFile(path, MaxDataFileBytes);
        } catch (const RunTimeError& e) {
            // The file by its name only: the report names the folder.
            add("aliases", 0, 0, 0, "unreadable",
                AliasTroubleText(AliasTrouble{AliasFileName, e.number(), false}));
            return;
        }
        checkEncoding("aliases", bytes);
        int n = 0;
        for (const Record& r : readRecords(decodeFileText(bytes), 2)) {
            ++n;
            if (n > PlantCapacity) {
                add("aliases", r.line, n, 0, "too-many-records",
                    U"別名が" + number(PlantCapacity) + U"件を超えています（以降は使われません）");
                break;
            }
            if (r.fieldsRead < 2) {
                Text what = U"記録が途中で終わっています（この記録は使われません）";
                if (r.fieldsRead == 1 && r.fields[0].empty()) {
                    what += U"。ファイル末尾の空行ではありませんか";
                }
                add("aliases", r.line, n, r.fieldsRead + 1, "partial-record", what);
                break;
            }
            ++report_.aliasCount;
            tables_.aliases.push_back({r.fields[0], r.fields[1], r.line});
        }
    }

    // The files are CP932. A UTF-8 mark at the start makes the program read
    // the file as UTF-8; anything else is read as CP932, so a file written
    // in UTF-8, or holding bytes CP932 does not define, reads as other
    // characters than the person wrote.
    void checkEncoding(const std::string& file, const std::string& bytes) {
        const bool marked = bytes.starts_with("\xEF\xBB\xBF");
        const std::string_view body = std::string_view(bytes).substr(marked ? 3 : 0);
        if (marked) {
            if (!isUtf8Name(body)) {
                add(file, 0, 0, 0, "encoding",
                    U"先頭にUTF-8の印（BOM）がありますが、中身はUTF-8ではありません");
            }
            return;
        }
        const bool ascii = std::all_of(body.begin(), body.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (!ascii && isUtf8Name(body)) {
            add(file, 0, 0, 0, "encoding",
                U"UTF-8で書かれています（CP932のファイルとして読まれるので、文字が化けます）");
            return;
        }
        const Text text = decodeCp932(body);
        if (const std::size_t bad = text.find(U'\uFFFD'); bad != Text::npos) {
            add(file, LineIndex(text).lineOf(bad), 0, 0, "encoding",
                U"CP932にない文字コードがあります（その文字は読めません）");
        }
    }

    Text path_;
    CheckTables tables_;
    DataCheckReport report_;
};

} // namespace

std::vector<DataProblem> CheckTableProblems(const CheckTables& tables) {
    return TableChecker(tables).run();
}

DataCheckReport CheckDataFiles(const Text& databasePath) {
    return Checker(databasePath).run();
}

} // namespace kuyu
