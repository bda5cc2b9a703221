// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreTestFiles.h"

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/state/StartUpState.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace kuyu;
using namespace kuyu::testing;

namespace {

const Text Code1 = plantCode(U"1234512345");
const Text Code2 = plantCode(U"5432154321");

// n records named P1, P2, ... with family F1, F2, ...
Text numberedRecords(int n, const Text& code = Code1) {
    Text t;
    for (int i = 1; i <= n; ++i) {
        t += record(U"P" + decimal(i), code, U"F" + decimal(i));
    }
    return t;
}

Text errorText(int n) {
    return U"エラー番号" + decimal(n) + U"のエラーです";
}

// A file far larger than any plant database (33 MB, sparse where the file
// system allows), beginning with one good record.
void writeHugeFile(const TempFolder& dir, const std::string& name) {
    dir.writeCp932(name, record(U"ｽﾐﾚ", Code1, U"ｽﾐﾚ"));
    std::filesystem::resize_file(dir.path() / name, std::uintmax_t{33} << 20);
}

const Message CannotLoad{U"ファイルがロードできません", U"エラーメッセージ", MessageIcon::Critical};

} // namespace

TEST(DataFolder, IsThePathUpToItsLastSeparatorElseUpToTheFirstColon) {
    EXPECT_EQ(DataFolderOf(U"D:\\PLANTS\\KUYU.DAT"), U"D:\\PLANTS\\");
    EXPECT_EQ(DataFolderOf(U"/home/u/plants/KUYU.DAT"), U"/home/u/plants/");
    EXPECT_EQ(DataFolderOf(U"/a\\b/c\\KUYU.DAT"), U"/a\\b/c\\");
    EXPECT_EQ(DataFolderOf(U"A:KUYU.DAT"), U"A:");
    EXPECT_EQ(DataFolderOf(U"A:B:KUYU.DAT"), U"A:");
    EXPECT_EQ(DataFolderOf(U"KUYU.DAT"), U"");
    EXPECT_EQ(DataFolderOf(U""), U"");
    // The command line is not split: blanks belong to the path.
    EXPECT_EQ(DataFolderOf(U"/my plants/data 1/KUYU.DAT"), U"/my plants/data 1/");
}

TEST(StartUpLoad, ReadsRecordsIntoThePlantTableAndFixesCodesTo30Characters) {
    TempFolder dir;
    const Text shortCode = Code1.substr(0, 29);
    const Text longCode = Code2 + U"EXTRA";
    dir.writeCp932("my data/KUYU.DAT", record(U"\"ｽﾐﾚ,ｶﾞｲ\"", Code1, U"ｽﾐﾚ") +
                                           record(U"  ﾀﾝﾎﾟﾎﾟ", shortCode, U"ｷｸ") + U"ﾅｽﾞﾅ\r\n" +
                                           longCode + U"\r\nｱﾌﾞﾗﾅ");
    AppState s;
    s.MatchScore[1] = 7;
    s.CategoryChosen[3] = true;
    const Text path = dir.file("my data/KUYU.DAT");
    EXPECT_EQ(StartUpLoad(s, path), std::nullopt);
    EXPECT_EQ(s.DataFilePath, path);
    EXPECT_EQ(s.DataFolder, dir.folder() + U"my data/");
    ASSERT_EQ(s.PlantCount, 3);
    EXPECT_EQ(s.name(1), U"ｽﾐﾚ,ｶﾞｲ");
    EXPECT_EQ(s.name(2), U"ﾀﾝﾎﾟﾎﾟ");
    EXPECT_EQ(s.family(3), U"ｱﾌﾞﾗﾅ");
    EXPECT_EQ(s.code(1), Code1);
    EXPECT_EQ(s.code(2), shortCode + U" ");
    EXPECT_EQ(s.code(3), Code2);
    EXPECT_EQ(s.MatchScore[1], 0);
    EXPECT_FALSE(s.CategoryChosen[3]);
}

TEST(StartUpLoad, EmptyCommandLineReadsKuyuDatFromTheCurrentDirectory) {
    TempFolder dir;
    dir.writeCp932("KUYU.DAT", numberedRecords(2));
    CurrentDirectory cd(dir.path());
    AppState s;
    EXPECT_EQ(StartUpLoad(s, U""), std::nullopt);
    EXPECT_EQ(s.DataFilePath, U"KUYU.DAT");
    EXPECT_EQ(s.DataFolder, U"");
    EXPECT_EQ(s.PlantCount, 2);
}

TEST(StartUpLoad, AFileWithAByteOrderMarkIsReadAsUtf8) {
    TempFolder dir;
    dir.writeBytes("KUYU.DAT", "\xEF\xBB\xBF" + toUtf8(record(U"ｽﾐﾚ", Code1, U"ｽﾐﾚ")));
    AppState s;
    EXPECT_EQ(StartUpLoad(s, dir.file("KUYU.DAT")), std::nullopt);
    EXPECT_EQ(s.name(1), U"ｽﾐﾚ");
}

TEST(StartUpLoad, FailuresGiveTheirMessageAndLeaveTheTableEmpty) {
    TempFolder dir;
    AppState s;
    const auto missing = StartUpLoad(s, dir.file("KUYU.DAT"));
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->text, U"データファイルがみつかりません\rｵﾌﾟｼｮﾝでﾃﾞｰﾀﾌｧｲﾙを選択して下さい");
    EXPECT_EQ(missing->title, U"エラーメッセージ");
    EXPECT_EQ(missing->icon, MessageIcon::Question);
    EXPECT_EQ(missing->buttons, MessageButtons::Ok);
    EXPECT_EQ(s.PlantCount, 0);

    dir.writeCp932("PARTIAL.DAT", numberedRecords(3) + U"P4," + Code1);
    const auto partial = StartUpLoad(s, dir.file("PARTIAL.DAT"));
    ASSERT_TRUE(partial.has_value());
    EXPECT_EQ(partial->text, errorText(62));
    EXPECT_EQ(s.PlantCount, 0);

    // A trailing blank line starts a record that cannot be completed.
    dir.writeCp932("BLANKLINE.DAT", numberedRecords(2) + U"\r\n");
    const auto blank = StartUpLoad(s, dir.file("BLANKLINE.DAT"));
    ASSERT_TRUE(blank.has_value());
    EXPECT_EQ(blank->text, errorText(62));

    // A file far too large for a plant database is refused unread.
    writeHugeFile(dir, "HUGE.DAT");
    const auto huge = StartUpLoad(s, dir.file("HUGE.DAT"));
    ASSERT_TRUE(huge.has_value());
    EXPECT_EQ(huge->text, errorText(7));
    EXPECT_EQ(s.PlantCount, 0);

    const auto noFolder = StartUpLoad(s, dir.file("nowhere/KUYU.DAT"));
    ASSERT_TRUE(noFolder.has_value());
    EXPECT_EQ(noFolder->text, errorText(76));
    EXPECT_EQ(s.DataFolder, dir.folder() + U"nowhere/");
}

TEST(StartUpLoad, TakesUpTo2000RecordsAndRecord2001IsError9) {
    TempFolder dir;
    dir.writeCp932("2000.DAT", numberedRecords(2000));
    dir.writeCp932("2001.DAT", numberedRecords(2001));
    AppState s;
    EXPECT_EQ(StartUpLoad(s, dir.file("2000.DAT")), std::nullopt);
    EXPECT_EQ(s.PlantCount, 2000);
    EXPECT_EQ(s.name(2000), U"P2000");

    AppState t;
    const auto m = StartUpLoad(t, dir.file("2001.DAT"));
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text, errorText(9));
    EXPECT_EQ(t.PlantCount, 0);
}

TEST(StartUpLoad, AnEmptyFileGivesAnEmptyTableWithoutMessage) {
    TempFolder dir;
    dir.writeBytes("KUYU.DAT", "");
    AppState s;
    EXPECT_EQ(StartUpLoad(s, dir.file("KUYU.DAT")), std::nullopt);
    EXPECT_EQ(s.PlantCount, 0);
}

class Reload : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.writeCp932("old/KUYU.DAT", record(U"OLD1", Code1, U"A") + record(U"OLD2", Code1, U"B"));
        ASSERT_EQ(StartUpLoad(s, dir.file("old/KUYU.DAT")), std::nullopt);
        s.SelectionCode = selection(U"1200000003");
        s.CategoryChosen[1] = s.CategoryChosen[2] = s.CategoryChosen[10] = true;
        s.CurrentCategory = 10;
        s.CurrentOption = 3;
        s.MatchScore[1] = 5;
    }
    void expectOldTableAndSelection() {
        ASSERT_EQ(s.PlantCount, 2);
        EXPECT_EQ(s.name(1), U"OLD1");
        EXPECT_EQ(s.name(2), U"OLD2");
        EXPECT_EQ(s.code(2), Code1);
        EXPECT_EQ(s.DataFolder, dir.folder() + U"old/");
        EXPECT_EQ(s.SelectionCode, selection(U"1200000003"));
    }
    TempFolder dir;
    AppState s;
};

TEST_F(Reload, SuccessReplacesTheTableResetsTheSelectionAndSetsTheFolder) {
    dir.writeCp932("new/NEW.DAT", record(U"NEW1", Code2, U"C"));
    const Text path = dir.file("new/NEW.DAT");
    const Message m = LoadDataFile(s, path, dir.folder() + U"new/");
    EXPECT_EQ(m, (Message{U"検索データとして" + path + U"をロードしました", U"お知らせ",
                          MessageIcon::None}));
    ASSERT_EQ(s.PlantCount, 1);
    EXPECT_EQ(s.name(1), U"NEW1");
    EXPECT_EQ(s.code(1), Code2);
    EXPECT_EQ(s.MatchScore[1], 0);
    EXPECT_EQ(s.DataFilePath, path);
    EXPECT_EQ(s.DataFolder, dir.folder() + U"new/");
    EXPECT_EQ(s.SelectionCode, emptySelectionCode());
    for (int k = 1; k <= 10; ++k) {
        EXPECT_FALSE(s.CategoryChosen[k]);
    }
    EXPECT_EQ(s.CurrentCategory, 0);
    EXPECT_EQ(s.CurrentOption, 0);
}

TEST_F(Reload, OnlyTheFirstRecordsCodeMustHave30Characters) {
    dir.writeCp932("SHORT2.DAT",
                   record(U"N1", Code1, U"A") + record(U"N2", Code1.substr(0, 20), U"B"));
    EXPECT_EQ(LoadDataFile(s, dir.file("SHORT2.DAT"), dir.folder()).title, U"お知らせ");
    EXPECT_EQ(s.code(2), Code1.substr(0, 20) + Text(10, U' '));

    for (const Text& first : {Code1.substr(0, 29), Code1 + U"9"}) {
        SetUp();
        dir.writeCp932("BAD1.DAT", record(U"N1", first, U"A"));
        EXPECT_EQ(LoadDataFile(s, dir.file("BAD1.DAT"), dir.folder()), CannotLoad);
        expectOldTableAndSelection();
    }
}

TEST_F(Reload, AFailedReloadKeepsTheTableInUseAndTakesTheNewName) {
    // Each of these would have left a half-rewritten table had the file been
    // read straight into the table in use.
    dir.writeCp932("2001.DAT", numberedRecords(2001, Code2));
    dir.writeCp932("PARTIAL.DAT", numberedRecords(5, Code2) + U"X,");
    dir.writeBytes("EMPTY.DAT", "");
    writeHugeFile(dir, "HUGE.DAT");
    for (const char* name : {"2001.DAT", "PARTIAL.DAT", "EMPTY.DAT", "MISSING.DAT", "HUGE.DAT"}) {
        SCOPED_TRACE(name);
        const Text path = dir.file(name);
        EXPECT_EQ(LoadDataFile(s, path, dir.folder()), CannotLoad);
        expectOldTableAndSelection();
        EXPECT_EQ(s.DataFilePath, path);
        EXPECT_EQ(s.MatchScore[1], 5);
    }
}

class Aliases : public ::testing::Test {
  protected:
    TempFolder data;
    TempFolder cwd;
    AppState s;
};

TEST_F(Aliases, TheDataFolderFileWinsOverTheCurrentDirectorysOne) {
    data.writeCp932("SNAME.DAT", U"ﾊｺﾍﾞ,ﾊｺﾍﾞﾗ\r\nﾅﾃﾞｼｺ,ｶﾜﾗﾅﾃﾞｼｺ\r\n");
    cwd.writeCp932("SNAME.DAT", U"ｺｺ,ｺｺﾉｸｻ\r\n");
    CurrentDirectory cd(cwd.path());
    s.DataFolder = data.folder();
    AliasTable t = ReadAliases(s);
    ASSERT_EQ(t.count, 2);
    EXPECT_EQ(t.Alias[2], U"ﾅﾃﾞｼｺ");
    EXPECT_EQ(t.PlantName[2], U"ｶﾜﾗﾅﾃﾞｼｺ");

    // Absent in the data folder, or the folder itself missing: the current
    // directory's file is used.
    std::filesystem::remove(data.path() / "SNAME.DAT");
    t = ReadAliases(s);
    ASSERT_EQ(t.count, 1);
    EXPECT_EQ(t.PlantName[1], U"ｺｺﾉｸｻ");
    s.DataFolder = data.folder() + U"gone/";
    EXPECT_EQ(ReadAliases(s).count, 1);

    std::filesystem::remove(cwd.path() / "SNAME.DAT");
    t = ReadAliases(s);
    EXPECT_EQ(t.count, 0);
}

// The parsed file is kept between searches; a rewrite must still be seen at
// once, even one of the same size within the same clock tick.
TEST_F(Aliases, AKeptFileIsReadAgainWhenItChanges) {
    s.DataFolder = data.folder();
    data.writeCp932("SNAME.DAT", U"ｲﾇ,ﾎﾟﾁ\r\n");
    EXPECT_EQ(SharedAliases(s)->PlantName[1], U"ﾎﾟﾁ");
    EXPECT_EQ(SharedAliases(s)->PlantName[1], U"ﾎﾟﾁ");
    data.writeCp932("SNAME.DAT", U"ﾈｺ,ﾀﾏｺ\r\n");
    EXPECT_EQ(SharedAliases(s)->PlantName[1], U"ﾀﾏｺ");
    EXPECT_EQ(ReadAliases(s).Alias[1], U"ﾈｺ");
}

TEST_F(Aliases, ReadingStopsAt2000RecordsAndKeepsCompleteOnesBeforeAPartialEnd) {
    Text many;
    for (int i = 1; i <= 2005; ++i) {
        many += U"A" + decimal(i) + U",P" + decimal(i) + U"\n";
    }
    data.writeCp932("SNAME.DAT", many);
    s.DataFolder = data.folder();
    AliasTable t = ReadAliases(s);
    ASSERT_EQ(t.count, 2000);
    EXPECT_EQ(t.PlantName[2000], U"P2000");

    data.writeCp932("SNAME.DAT", U"ｲﾇ,ﾎﾟﾁ\r\nﾈｺ");
    t = ReadAliases(s);
    ASSERT_EQ(t.count, 1);
    EXPECT_EQ(t.Alias[1], U"ｲﾇ");

    // A huge file is not read: no aliases rather than memory exhausted.
    writeHugeFile(data, "SNAME.DAT");
    EXPECT_EQ(ReadAliases(s).count, 0);
}

// Runs `probe` as a user without privileges: root opens every file, so a
// file it may not read would read. The answer comes back through a pipe.
std::string withoutPrivileges(const std::function<std::string()>& probe) {
    if (::geteuid() != 0) {
        return probe();
    }
    int fds[2];
    if (::pipe(fds) != 0) {
        return "pipe failed";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::string answer = "no other user";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
            answer = probe();
        }
        const ssize_t written = ::write(fds[1], answer.data(), answer.size());
        ::_exit(written == static_cast<ssize_t>(answer.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? answer : "probe failed";
}

// What the searches read and which trouble they meet: nothing to tell when
// the file is absent or read, the file and its error when it is there but
// gives nothing (the current folder's file standing in where it can).
TEST_F(Aliases, TroubleIsAFileThatIsThereButGivesNothing) {
    enum Kind { None, Readable, Unreadable, Folder, Huge };
    struct Case {
        const char* what;
        Kind inData;
        Kind inCwd;
        const char* answer; // aliases read, then the trouble: where, error, what is used
    };
    const Case cases[] = {
        {"absent everywhere", None, None, "0"},
        {"readable", Readable, None, "1 ｲﾇ"},
        {"readable, the current folder's ignored", Readable, Readable, "1 ｲﾇ"},
        {"absent, the current folder's read", None, Readable, "1 ｺｺ"},
        {"unreadable", Unreadable, None, "0 data 75 none"},
        {"a folder", Folder, None, "0 data 75 none"},
        {"a folder, the current folder's read", Folder, Readable, "1 ｺｺ data 75 other"},
        {"unreadable, the current folder's read", Unreadable, Readable, "1 ｺｺ data 75 other"},
        {"a folder, the current folder's a folder too", Folder, Folder, "0 data 75 none"},
        {"over the size limit: no aliases", Huge, Readable, "0 data 7 none"},
        {"absent, the current folder's unreadable", None, Unreadable, "0 cwd 75 none"},
    };
    std::filesystem::permissions(data.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(cwd.path(), std::filesystem::perms(0755));
    CurrentDirectory cd(cwd.path());
    s.DataFolder = data.folder();
    const auto make = [](const TempFolder& dir, Kind kind, const Text& alias) {
        const auto file = dir.path() / "SNAME.DAT";
        std::filesystem::remove_all(file);
        switch (kind) {
        case None:
            break;
        case Readable:
        case Unreadable:
            dir.writeCp932("SNAME.DAT", alias + U",ﾎﾟﾁ\r\n");
            if (kind == Unreadable) {
                std::filesystem::permissions(file, std::filesystem::perms::none);
            }
            break;
        case Folder:
            std::filesystem::create_directory(file);
            break;
        case Huge:
            writeHugeFile(dir, "SNAME.DAT");
            break;
        }
    };
    for (const Case& c : cases) {
        make(data, c.inData, U"ｲﾇ");
        make(cwd, c.inCwd, U"ｺｺ");
        const std::string answer = withoutPrivileges([&] {
            const AliasTable t = ReadAliases(s);
            std::string a = std::to_string(t.count);
            if (t.count > 0) {
                a += " " + toUtf8(t.Alias[1]);
            }
            if (const auto trouble = FindAliasTrouble(s)) {
                a += trouble->path == data.file("SNAME.DAT") ? " data"
                     : trouble->path == U"SNAME.DAT"         ? " cwd"
                                                             : " " + toUtf8(trouble->path);
                a += " " + std::to_string(trouble->error);
                a += trouble->otherUsed ? " other" : " none";
            }
            return a;
        });
        EXPECT_EQ(answer, c.answer) << c.what;
    }
}

// Each trouble is told once however often the searches meet it; another
// trouble, or the same one in another folder, is told again.
TEST_F(Aliases, EachTroubleIsToldOnce) {
    CurrentDirectory cd(cwd.path());
    s.DataFolder = data.folder();
    AliasTroubleNotices notices;
    EXPECT_EQ(notices.next(s), std::nullopt); // absent

    std::filesystem::create_directory(data.path() / "SNAME.DAT");
    const Text path = data.file("SNAME.DAT");
    const auto told = notices.next(s);
    ASSERT_TRUE(told.has_value());
    EXPECT_EQ(*told,
              (Message{path + U"を読めません（エラー番号75のエラーです）。別名は使われません",
                       U"お知らせ", MessageIcon::Exclamation}));
    EXPECT_EQ(notices.next(s), std::nullopt);
    EXPECT_EQ(notices.next(s), std::nullopt);

    // The current folder's file stands in: the same trouble, not told again.
    cwd.writeCp932("SNAME.DAT", U"ｺｺ,ﾎﾟﾁ\r\n");
    EXPECT_EQ(notices.next(s), std::nullopt);
    EXPECT_EQ(
        AliasTroubleText(*FindAliasTrouble(s)),
        path + U"を読めません（エラー番号75のエラーです）。カレントフォルダのSNAME.DATを使います");

    std::filesystem::remove(data.path() / "SNAME.DAT");
    writeHugeFile(data, "SNAME.DAT");
    const auto huge = notices.next(s);
    ASSERT_TRUE(huge.has_value());
    EXPECT_NE(huge->text.find(U"エラー番号7の"), Text::npos);
    EXPECT_EQ(notices.next(s), std::nullopt);

    TempFolder other;
    std::filesystem::create_directory(other.path() / "SNAME.DAT");
    s.DataFolder = other.folder();
    const auto there = notices.next(s);
    ASSERT_TRUE(there.has_value());
    EXPECT_EQ(there->text.substr(0, other.folder().size()), other.folder());
    EXPECT_EQ(notices.next(s), std::nullopt);
}

TEST(InitialiseState, ResetsTheSelectionLoadsAndFillsTheLabels) {
    TempFolder dir;
    dir.writeCp932("KUYU.DAT", numberedRecords(4));
    AppState s;
    s.SelectionCode = selection(U"1111111111");
    s.CurrentCategory = 4;
    s.CurrentOption = 2;
    EXPECT_EQ(InitialiseState(s, dir.file("KUYU.DAT")), std::nullopt);
    EXPECT_EQ(s.SelectionCode, U"0000000000" + Text(20, U' '));
    EXPECT_EQ(s.CurrentCategory, 0);
    EXPECT_EQ(s.CurrentOption, 0);
    EXPECT_EQ(s.PlantCount, 4);
    EXPECT_EQ(s.OptionLabel[1][0], U"花の色");

    // A missing database still leaves labels filled and passes the message on.
    AppState t;
    const auto m = InitialiseState(t, dir.file("NONE.DAT"));
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->icon, MessageIcon::Question);
    EXPECT_EQ(t.PlantCount, 0);
    EXPECT_EQ(t.OptionLabel[11][0], U"分類 ");
}

// A data folder unpacked from Windows media keeps its CP932 name as bytes;
// the database in it opens from the program's arguments, with its pictures'
// folder, whatever the folders above it are named in.
TEST(CommandLineFromArguments, ADatabaseInAFolderNamedInCp932Opens) {
    struct Case {
        const char* what;
        std::string folder; // below the temporary folder, as bytes on disk
    };
    const std::vector<Case> cases{
        {"CP932 folder", "\x83X\x83~\x83\x8c"},                // スミレ
        {"CP932 with a 0x5C second byte", "\x83\x5c\x83\x5c"}, // ソソ
        {"UTF-8 folder above a CP932 one", "植物/\x83X\x83~\x83\x8c"},
        {"UTF-8 folder", "スミレ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        dir.writeCp932(c.folder + "/KUYU.DAT", record(U"ｽﾐﾚ", plantCode(U"1"), U"ｽﾐﾚ"));
        const std::string db = (dir.path() / c.folder / "KUYU.DAT").string();
        const std::string other = "-x";
        const char* argv[] = {"kuyu", db.c_str(), nullptr};
        AppState state;
        const Text line = CommandLineFromArguments(2, argv);
        EXPECT_FALSE(InitialiseState(state, line).has_value());
        EXPECT_EQ(state.PlantCount, 1);
        EXPECT_EQ(resolvePath(state.DataFolder + U"KUYU.DAT"), db);
        const char* two[] = {"kuyu", db.c_str(), other.c_str()};
        EXPECT_EQ(CommandLineFromArguments(3, two), line + U" -x");
    }
}
