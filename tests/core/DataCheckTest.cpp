// SPDX-License-Identifier: GPL-3.0-or-later
// The data check against hand-written folders: each problem a person makes in
// a text editor is found on its line and field, and the verdict agrees with
// what the loader does.

#include "core/database/DataCheck.h"
#include "CoreTestFiles.h"
#include "core/database/Database.h"
#include "core/state/AppState.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kuyu {
namespace {

using testing::CurrentDirectory;
using testing::plantCode;
using testing::record;
using testing::TempFolder;

const Text Good1 = record(U"ｽﾐﾚ", plantCode(U"3515241131"), U"ｽﾐﾚ");
const Text Good2 = record(U"ﾀﾝﾎﾟﾎﾟ", plantCode(U"2144244131"), U"ｷｸ");

const DataProblem* find(const DataCheckReport& r, const std::string& kind) {
    auto it = std::find_if(r.problems.begin(), r.problems.end(),
                           [&](const DataProblem& p) { return p.kind == kind; });
    return it == r.problems.end() ? nullptr : &*it;
}

struct Case {
    const char* what;
    Text database;
    std::string kind; // the problem expected ("" for none)
    int line;
    int field;
    bool loadsAtStartUp;
    bool loadsBySelection;
};

TEST(DataCheck, FindsEachProblemOnItsLineAndAgreesWithTheLoader) {
    const std::vector<Case> cases{
        {"clean", Good1 + Good2, "", 0, 0, true, true},
        {"blank line at the end", Good1 + Good2 + U"\r\n", "partial-record", 3, 2, false, false},
        {"record cut after its code", Good1 + U"ｽﾐﾚｻｲｼﾝ," + plantCode(U"3") + U"\r\n",
         "partial-record", 2, 3, false, false},
        {"short code", Good1 + record(U"ﾀﾝﾎﾟﾎﾟ", U"21652", U"ｷｸ"), "code-length", 2, 2, true, true},
        {"short first code", record(U"ﾀﾝﾎﾟﾎﾟ", U"21652", U"ｷｸ") + Good1, "code-length", 1, 2, true,
         false},
        {"option beyond the category", Good1 + record(U"ﾀﾝﾎﾟﾎﾟ", plantCode(U"9"), U"ｷｸ"),
         "code-character", 2, 2, true, true},
        {"letter no category knows", Good1 + record(U"ﾀﾝﾎﾟﾎﾟ", plantCode(U"2Z"), U"ｷｸ"),
         "code-character", 2, 2, true, true},
        {"same first eight characters",
         Good1 + record(U"ｱｲｳｴｵｶｷｸｹ", plantCode(U"1"), U"ｱ") +
             record(U"ｱｲｳｴｵｶｷｸｺ", plantCode(U"1"), U"ｱ"),
         "duplicate-key", 3, 1, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        dir.writeCp932("KUYU.DAT", c.database);
        const DataCheckReport r = CheckDataFiles(dir.file("KUYU.DAT"));
        EXPECT_EQ(r.loadsAtStartUp, c.loadsAtStartUp);
        EXPECT_EQ(r.loadsBySelection, c.loadsBySelection);
        // Each verdict is the loader's own: start-up and data file selection
        // refuse what the check says they refuse.
        AppState atStartUp;
        EXPECT_EQ(!StartUpLoad(atStartUp, dir.file("KUYU.DAT")).has_value(), r.loadsAtStartUp);
        AppState state;
        const Message m = LoadDataFile(state, dir.file("KUYU.DAT"), dir.folder());
        EXPECT_EQ(m.title == U"お知らせ", r.loadsBySelection);
        if (c.kind.empty()) {
            EXPECT_EQ(find(r, "partial-record"), nullptr);
            EXPECT_EQ(find(r, "code-length"), nullptr);
            EXPECT_EQ(find(r, "code-character"), nullptr);
            continue;
        }
        const DataProblem* p = find(r, c.kind);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->line, c.line);
        EXPECT_EQ(p->field, c.field);
        EXPECT_FALSE(p->message.empty());
    }
}

TEST(DataCheck, AliasesPicturesCloseUpsAndNotes) {
    TempFolder dir;
    dir.writeCp932("KUYU.DAT", Good1 + Good2);
    dir.writeCp932("SNAME.DAT", Text(U"ｽﾓｳﾄﾘｸﾞｻ,ｽﾐﾚ\r\n") + U"ﾅｲｿｳ,ﾐﾂｶﾗﾅｲｿｳ\r\n");
    dir.writeBytes("ｽﾐﾚ.bmp", "x");      // a picture, found whatever the case
    dir.writeBytes("ｽﾐﾚQ.BMP", "x");     // its close-up
    dir.writeBytes("ｽﾐﾚ.txt", "x");      // its note
    dir.writeBytes("ﾋﾒｼﾞｮｵﾝR.gif", "x"); // a close-up of no plant
    dir.writeBytes("ﾋﾒｼﾞｮｵﾝ.TXT", "x");  // a note of no plant
    const DataCheckReport r = CheckDataFiles(dir.file("KUYU.DAT"));

    EXPECT_TRUE(r.loadsAtStartUp && r.loadsBySelection);
    EXPECT_EQ(r.aliasCount, 2);
    const DataProblem* alias = find(r, "unknown-plant");
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->line, 2);
    EXPECT_NE(alias->message.find(U"ﾐﾂｶﾗﾅｲｿｳ"), Text::npos);

    std::vector<Text> missing, orphans;
    for (const DataProblem& p : r.problems) {
        if (p.kind == "no-picture") {
            missing.push_back(p.message);
        } else if (p.kind == "orphan-close-up" || p.kind == "orphan-note") {
            orphans.push_back(p.message);
        }
    }
    ASSERT_EQ(missing.size(), 1u); // ﾀﾝﾎﾟﾎﾟ only
    EXPECT_NE(missing[0].find(U"ﾀﾝﾎﾟﾎﾟ"), Text::npos);
    ASSERT_EQ(orphans.size(), 2u);
    for (const Text& o : orphans) {
        EXPECT_NE(o.find(U"ﾋﾒｼﾞｮｵﾝ"), Text::npos);
    }
}

TEST(DataCheck, MissingDatabaseIsRefused) {
    TempFolder dir;
    const DataCheckReport r = CheckDataFiles(dir.file("KUYU.DAT"));
    EXPECT_FALSE(r.loadsAtStartUp);
    const DataProblem* p = find(r, "unreadable");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->stopsLoading);
}

} // namespace
} // namespace kuyu

namespace kuyu {
namespace {

// The files are CP932: one written in UTF-8, a CP932 file behind a UTF-8 mark
// and bytes CP932 does not define are each reported, on either file.
TEST(DataCheck, ReportsFilesNotWrittenInCp932) {
    const std::string good = *encodeCp932(Good1 + Good2);
    const std::string utf8 = toUtf8(Good1 + Good2);
    const std::string plainAliases = *encodeCp932(Text(U"ﾀﾝﾎﾟ,ﾀﾝﾎﾟﾎﾟ\r\n"));
    struct Case {
        const char* what;
        std::string database;
        std::string aliases; // "" for none
        std::string file;    // the file with the encoding problem, "" for none
        int line;
    };
    const std::vector<Case> cases{
        {"CP932", good, plainAliases, "", 0},
        {"UTF-8 mark on UTF-8", "\xEF\xBB\xBF" + utf8, "", "", 0},
        {"UTF-8 database", utf8, "", "database", 0},
        {"UTF-8 aliases", good, toUtf8(U"ﾀﾝﾎﾟ,ﾀﾝﾎﾟﾎﾟ\r\n"), "aliases", 0},
        {"UTF-8 mark on CP932", "\xEF\xBB\xBF" + good, "", "database", 0},
        {"byte 0x80", good + "\x80,1,x\r\n", "", "database", 3},
        {"byte 0xA0", good, plainAliases + "\xA0\r\n", "aliases", 2},
        {"byte 0xFD", "\xFD" + good, "", "database", 1},
        {"byte 0xFF", good + "x,\xFF\r\n", "", "database", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        dir.writeBytes("KUYU.DAT", c.database);
        if (!c.aliases.empty()) {
            dir.writeBytes("SNAME.DAT", c.aliases);
        }
        const DataCheckReport r = CheckDataFiles(dir.file("KUYU.DAT"));
        const DataProblem* p = find(r, "encoding");
        if (c.file.empty()) {
            EXPECT_EQ(p, nullptr) << toUtf8(p ? p->message : Text());
            continue;
        }
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->file, c.file);
        EXPECT_EQ(p->line, c.line);
        EXPECT_FALSE(p->stopsLoading);
    }
}

// The alias file checked is the data folder's: one that is there but cannot
// be read is said so; the folder the check runs in is not the program's.
TEST(DataCheck, AliasFileOfTheDataFolderOnly) {
    TempFolder data;
    TempFolder elsewhere;
    data.writeCp932("KUYU.DAT", Good1 + Good2);
    elsewhere.writeBytes("SNAME.DAT", "\xFF\xFF,\xFF\r\n");
    CurrentDirectory cd(elsewhere.path());

    DataCheckReport r = CheckDataFiles(data.file("KUYU.DAT"));
    EXPECT_EQ(find(r, "encoding"), nullptr);
    EXPECT_EQ(find(r, "unreadable"), nullptr);
    EXPECT_EQ(r.aliasCount, 0);

    std::filesystem::create_directory(data.path() / "SNAME.DAT");
    r = CheckDataFiles(data.file("KUYU.DAT"));
    const DataProblem* p = find(r, "unreadable");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->file, "aliases");
    EXPECT_NE(p->message.find(U"別名は使われません"), Text::npos);
    EXPECT_TRUE(r.loadsAtStartUp && r.loadsBySelection);
}

} // namespace
} // namespace kuyu
