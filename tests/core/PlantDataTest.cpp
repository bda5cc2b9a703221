// SPDX-License-Identifier: GPL-3.0-or-later
// The plant data editor's model: states built into codes, undo and redo,
// the files that follow a plant, and saving that never loses data.

#include "core/editor/PlantData.h"
#include "CoreTestFiles.h"
#include "core/database/DataCheck.h"
#include "core/editor/CodeStates.h"
#include "core/editor/DataFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>

namespace kuyu::editor {
namespace {

namespace fs = std::filesystem;
using kuyu::testing::plantCode;
using kuyu::testing::record;
using kuyu::testing::TempFolder;

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path SampleFolder = fs::path(KUYU_SOURCE_DIR) / "data" / "sample";

// A folder holding the two sample data files (no pictures).
void copySampleData(const TempFolder& dir) {
    fs::copy_file(SampleFolder / "KUYU.DAT", dir.path() / "KUYU.DAT");
    fs::copy_file(SampleFolder / "SNAME.DAT", dir.path() / "SNAME.DAT");
}

PlantData openOrFail(const Text& path) {
    Text why;
    auto data = PlantData::open(path, why);
    EXPECT_TRUE(data.has_value()) << toUtf8(why);
    return data ? std::move(*data) : PlantData();
}

CategoryState option(int n) {
    return {StateKind::Option, n, {}, SeveralReading::AnyShownIndefinite};
}
CategoryState several(std::vector<int> v, SeveralReading r = SeveralReading::AnyShownIndefinite) {
    return {StateKind::Several, 0, std::move(v), r};
}

TEST(PlantData, SampleDataSavedUnchangedIsByteIdentical) {
    TempFolder dir;
    copySampleData(dir);
    PlantData data = openOrFail(dir.file("KUYU.DAT"));
    ASSERT_GT(data.count(), 200);
    EXPECT_FALSE(data.modified());
    const Outcome o = data.save();
    ASSERT_TRUE(o.ok) << toUtf8(o.message);
    for (const char* name : {"KUYU.DAT", "SNAME.DAT"}) {
        SCOPED_TRACE(name);
        const std::string original = readBytes(SampleFolder / name);
        EXPECT_EQ(readBytes(dir.path() / name), original);
        EXPECT_EQ(readBytes(dir.path() / (std::string(name) + ".bak")), original);
    }
    // No temporary file is left behind.
    for (const auto& e : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
    }
}

TEST(PlantData, StatesWriteTheCodeTheSearchReads) {
    struct Case {
        const char* what;
        int k;
        bool secondary;
        CategoryState state;
        std::size_t pos;    // the character written
        char32_t character; // what it becomes
        Text lists;         // characters 21..29 afterwards
    };
    const std::vector<Case> cases{
        {"option", 1, false, option(3), 2, U'3', U"000000000"},
        {"unknown", 2, false, {StateKind::Unknown}, 4, U'0', U"000000000"},
        {"indefinite", 3, false, {StateKind::Indefinite}, 6, U'X', U"000000000"},
        {"none", 4, false, {StateKind::None}, 8, U'Y', U"000000000"},
        {"several, shown 不定", 1, false, several({1, 3}), 2, U'A', U"130000000"},
        {"several, first shown", 2, false, several({2, 5, 7}, SeveralReading::AnyShownFirst), 4,
         U'H', U"257000000"},
        {"four values take two lists", 2, false, several({1, 2, 3, 4}), 4, U'D', U"123400000"},
        {"secondary state", 1, true, option(5), 1, U'5', U"000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlantData data;
        const int row = data.addPlant();
        const Outcome o =
            c.secondary ? data.setSecondary(row, c.k, c.state) : data.setPrimary(row, c.k, c.state);
        ASSERT_TRUE(o.ok) << toUtf8(o.message);
        const Text& code = data.plant(row).code;
        ASSERT_EQ(code.size(), 30u);
        EXPECT_EQ(code[c.pos - 1], c.character);
        EXPECT_EQ(code.substr(20, 9), c.lists);
        // Read back as the same state.
        if (c.secondary) {
            EXPECT_EQ(data.secondary(row, c.k), c.state);
        } else {
            EXPECT_EQ(data.primary(row, c.k), c.state);
            // Without a secondary state of its own, the secondary follows.
            EXPECT_EQ(code[c.pos - 2], c.character);
            EXPECT_EQ(data.secondary(row, c.k), std::nullopt);
        }
    }
}

TEST(PlantData, ValueListsAreSharedOutAndFreed) {
    PlantData data;
    const int row = data.addPlant();
    ASSERT_TRUE(data.setPrimary(row, 1, several({1, 2})).ok);
    ASSERT_TRUE(data.setPrimary(row, 2, several({3, 4})).ok);
    // The same values share a list; other values take the next free one.
    ASSERT_TRUE(data.setPrimary(row, 3, several({1, 2})).ok);
    ASSERT_TRUE(data.setPrimary(row, 4, several({5, 6})).ok);
    Text code = data.plant(row).code;
    EXPECT_EQ(code.substr(1, 1) + code.substr(3, 1) + code.substr(5, 1) + code.substr(7, 1),
              U"ABAC");
    EXPECT_EQ(code.substr(20, 9), U"120340560");
    // No list left: refused, nothing changes.
    const Outcome full = data.setPrimary(row, 5, several({7, 1}));
    EXPECT_FALSE(full.ok);
    EXPECT_FALSE(full.message.empty());
    EXPECT_EQ(data.plant(row).code, code);
    // The last category leaving list 2 frees it, and it is cleared.
    ASSERT_TRUE(data.setPrimary(row, 2, option(1)).ok);
    code = data.plant(row).code;
    EXPECT_EQ(code.substr(20, 9), U"120000560");
    // Values outside the category are refused.
    EXPECT_FALSE(data.setPrimary(row, 8, several({1, 3})).ok); // 葉脈 has two options
    EXPECT_FALSE(data.setPrimary(row, 1, option(9)).ok);
    EXPECT_FALSE(data.setPrimary(row, 1, several({1, 2, 3, 4}, SeveralReading::AnyShownFirst)).ok);
}

TEST(PlantData, UndoAndRedoEveryChange) {
    TempFolder dir;
    copySampleData(dir);
    PlantData data = openOrFail(dir.file("KUYU.DAT"));
    std::vector<Plant> before;
    for (int i = 0; i < data.count(); ++i) {
        before.push_back(data.plant(i));
    }
    const std::vector<std::function<Outcome()>> edits{
        [&] { return data.setName(0, U"ﾀﾁｽﾐﾚ"); }, // converted from full-width
        [&] { return data.setFamily(1, U"ｷｸ科"); },
        [&] { return data.setClassification(2, 4); },
        [&] {
            return data.setPrimary(3, 7, several({1, 2}));
        },
        [&] { return data.setSecondary(3, 1, option(2)); },
        [&] {
            return data.setAliases(4, {U"ｱ", U"ｲ"});
        },
        [&] { return data.setNote(5, U"春に咲く"); },
        [&] { return data.removePlant(6); },
        [&] {
            data.addPlant();
            return Outcome::success();
        },
        [&] {
            // As a spreadsheet read in: one plant less, one alias more.
            std::vector<Plant> some;
            for (int i = 0; i < data.count(); ++i) {
                if (i != 7) {
                    some.push_back(data.plant(i));
                }
            }
            some[8].aliases.push_back(U"ﾍﾞﾂﾒｲ");
            return data.replaceAll(some);
        },
    };
    std::vector<std::vector<Plant>> states;
    for (const auto& edit : edits) {
        ASSERT_TRUE(edit().ok);
        std::vector<Plant> now;
        for (int i = 0; i < data.count(); ++i) {
            now.push_back(data.plant(i));
        }
        states.push_back(now);
    }
    EXPECT_TRUE(data.modified());
    EXPECT_EQ(data.plant(1).family, U"ｷｸ");
    EXPECT_EQ(data.note(5), U"春に咲く");
    for (std::size_t n = edits.size(); n > 0; --n) {
        ASSERT_TRUE(data.canUndo());
        data.undo();
    }
    EXPECT_FALSE(data.canUndo());
    EXPECT_FALSE(data.modified());
    std::vector<Plant> undone;
    for (int i = 0; i < data.count(); ++i) {
        undone.push_back(data.plant(i));
    }
    EXPECT_EQ(undone, before);
    EXPECT_NE(data.note(5), U"春に咲く");
    for (std::size_t n = 0; n < edits.size(); ++n) {
        ASSERT_TRUE(data.canRedo());
        data.redo();
        std::vector<Plant> now;
        for (int i = 0; i < data.count(); ++i) {
            now.push_back(data.plant(i));
        }
        EXPECT_EQ(now, states[n]) << "step " << n;
    }
    EXPECT_FALSE(data.canRedo());
}

TEST(PlantData, RenamingCarriesAliasesAndFiles) {
    TempFolder dir;
    dir.writeCp932("KUYU.DAT", record(U"ｽﾐﾚ", plantCode(U"3515241131"), U"ｽﾐﾚ") +
                                   record(U"ﾀﾝﾎﾟﾎﾟ", plantCode(U"2144244131"), U"ｷｸ"));
    dir.writeCp932("SNAME.DAT", Text(U"ｽﾓｳﾄﾘｸﾞｻ,ｽﾐﾚ\r\n"));
    dir.writeBytes("ｽﾐﾚ.GIF", "picture");
    dir.writeBytes("ｽﾐﾚQ.JPG", "close-up");
    dir.writeBytes("ｽﾐﾚ.txt", "note");
    dir.writeBytes("ﾀﾝﾎﾟﾎﾟ.GIF", "old picture");
    PlantData data = openOrFail(dir.file("KUYU.DAT"));
    ASSERT_TRUE(data.setName(0, U"ﾉｼﾞｽﾐﾚ").ok);
    EXPECT_EQ(data.plant(0).aliases, std::vector<Text>{U"ｽﾓｳﾄﾘｸﾞｻ"});
    ASSERT_TRUE(data.attachBytes(1, FileSlot::Picture, "new picture", U".JPG").ok);
    ASSERT_TRUE(data.setNote(1, U"綿毛\n").ok);
    EXPECT_TRUE(data.hasFile(1, FileSlot::Picture));
    // Nothing on disk changes before saving.
    EXPECT_TRUE(fs::exists(dir.path() / "ｽﾐﾚ.GIF"));
    ASSERT_TRUE(data.save().ok);
    EXPECT_EQ(readBytes(dir.path() / "ﾉｼﾞｽﾐﾚ.GIF"), "picture");
    EXPECT_EQ(readBytes(dir.path() / "ﾉｼﾞｽﾐﾚQ.JPG"), "close-up");
    EXPECT_EQ(readBytes(dir.path() / "ﾉｼﾞｽﾐﾚ.txt"), "note");
    EXPECT_FALSE(fs::exists(dir.path() / "ｽﾐﾚ.GIF"));
    // The new picture is what the lookup finds; the old one is kept aside.
    EXPECT_EQ(readBytes(dir.path() / "ﾀﾝﾎﾟﾎﾟ.JPG"), "new picture");
    EXPECT_FALSE(fs::exists(dir.path() / "ﾀﾝﾎﾟﾎﾟ.GIF"));
    EXPECT_EQ(readBytes(dir.path() / "ﾀﾝﾎﾟﾎﾟ.GIF.bak"), "old picture");
    EXPECT_EQ(decodeCp932(readBytes(dir.path() / "SNAME.DAT")), U"ｽﾓｳﾄﾘｸﾞｻ,ﾉｼﾞｽﾐﾚ\r\n");
    // The note in CP932 with CR LF; emptied, it goes aside.
    EXPECT_EQ(decodeCp932(readBytes(dir.path() / "ﾀﾝﾎﾟﾎﾟ.txt")), U"綿毛\r\n");
    ASSERT_TRUE(data.setNote(1, U"").ok);
    ASSERT_TRUE(data.save().ok);
    EXPECT_FALSE(fs::exists(dir.path() / "ﾀﾝﾎﾟﾎﾟ.txt"));
    EXPECT_TRUE(fs::exists(dir.path() / "ﾀﾝﾎﾟﾎﾟ.txt.bak"));
    EXPECT_FALSE(data.hasFile(1, FileSlot::Note));
}

TEST(PlantData, FileNamesAreThoseTheLookupFinds) {
    struct Case {
        Text name;
        FileSlot slot;
        Text extension;
        Text file;
    };
    const std::vector<Case> cases{
        {U"ｽﾐﾚ", FileSlot::Picture, U".JPG", U"ｽﾐﾚ.JPG"},
        {U"ｱｷﾉﾀﾑﾗｿｳﾓﾄﾞｷ", FileSlot::Picture, U".JPG", U"ｱｷﾉﾀﾑﾗｿｳ.JPG"},
        {U"ｱｷﾉﾀﾑﾗｿｳﾓﾄﾞｷ", FileSlot::CloseUp1, U".JPG", U"ｱｷﾉﾀﾑﾗｿQ.JPG"},
        {U"ｱｷﾉﾀﾑﾗｿｳﾓﾄﾞｷ", FileSlot::CloseUp2, U".GIF", U"ｱｷﾉﾀﾑﾗｿR.GIF"},
        {U"ｽﾐﾚ", FileSlot::CloseUp1, U".JPG", U"ｽﾐﾚQ.JPG"},
        {U"ｱｷﾉﾀﾑﾗｿｳﾓﾄﾞｷ", FileSlot::Note, U".JPG", U"ｱｷﾉﾀﾑﾗｿｳ.txt"},
        {U"ｱｷﾉﾀﾑﾗｿｳﾓﾄﾞｷ", FileSlot::Video, U"", U"ｱｷﾉﾀﾑﾗｿｳ.avi"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AttachmentFileName(c.name, c.slot, c.extension), c.file) << toUtf8(c.file);
    }
}

TEST(PlantData, RefusesWhatTheFilesCannotHold) {
    PlantData data;
    const int row = data.addPlant();
    struct Case {
        const char* what;
        std::function<Outcome()> edit;
    };
    const std::vector<Case> cases{
        {"note with an emoji", [&] { return data.setNote(row, U"花\U0001F338"); }},
        {"name with a character outside CP932", [&] { return data.setName(row, U"ｽﾐﾚ\u00e9"); }},
        {"name starting with a quote", [&] { return data.setName(row, U"\"ｽﾐﾚ"); }},
        {"empty name", [&] { return data.setName(row, U""); }},
        {"family with a quote and a comma", [&] { return data.setFamily(row, U"a\",b"); }},
        {"classification 6", [&] { return data.setClassification(row, 6); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = c.edit();
        EXPECT_FALSE(o.ok);
        EXPECT_FALSE(o.message.empty());
    }
    EXPECT_EQ(data.plant(row).name, U"");
    EXPECT_FALSE(data.canRedo());
    // A character CP932 holds only as another one would come back changed
    // (¥ is read back as a backslash).
    EXPECT_FALSE(data.setName(row, U"ｽﾐﾚ\u00a5").ok);
    EXPECT_FALSE(data.setNote(row, U"\u00a5").ok);
    // The refusal names the character.
    EXPECT_NE(data.setNote(row, U"\u00e9").message.find(U"\u00e9"), Text::npos);
}

// What an input method on Linux types for 〜 and − has a CP932 form of its
// own: the name, family, alias and note keep the character in that form and
// come back from the files as they were kept.
TEST(PlantData, AWaveDashIsKeptInTheFormTheFilesHold) {
    TempFolder dir;
    {
        std::ofstream(dir.path() / "KUYU.DAT", std::ios::binary);
        std::ofstream(dir.path() / "SNAME.DAT", std::ios::binary);
    }
    PlantData data = openOrFail(dir.file("KUYU.DAT"));
    const int row = data.addPlant();
    ASSERT_TRUE(data.setName(row, U"ｽﾐﾚ\u301C").ok);
    ASSERT_TRUE(data.setFamily(row, U"ｽﾐﾚ\u2212").ok);
    ASSERT_TRUE(data.setAliases(row, {U"ﾊﾅ\u301C"}).ok);
    ASSERT_TRUE(data.setNote(row, U"春、4\u301C5月。\u00ac\u2016\u2014").ok);
    EXPECT_EQ(data.plant(row).name, U"ｽﾐﾚ\uFF5E");
    EXPECT_EQ(data.plant(row).family, U"ｽﾐﾚ\uFF0D");
    EXPECT_EQ(data.plant(row).aliases, std::vector<Text>{U"ﾊﾅ\uFF5E"});
    EXPECT_EQ(data.note(row), U"春、4\uFF5E5月。\uFFE2\u2225\u2015");
    const Outcome saved = data.save();
    ASSERT_TRUE(saved.ok) << toUtf8(saved.message);
    PlantData again = openOrFail(dir.file("KUYU.DAT"));
    ASSERT_EQ(again.count(), 1);
    EXPECT_EQ(again.plant(0).name, U"ｽﾐﾚ\uFF5E");
    EXPECT_EQ(again.plant(0).family, U"ｽﾐﾚ\uFF0D");
    EXPECT_EQ(again.plant(0).aliases, std::vector<Text>{U"ﾊﾅ\uFF5E"});
    // (the note file ends its last line)
    EXPECT_EQ(again.note(0), U"春、4\uFF5E5月。\uFFE2\u2225\u2015\r\n");
}

// The files of a data folder, by name.
std::map<std::string, std::string> filesIn(const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) {
        out[e.path().filename().string()] = readBytes(e.path());
    }
    return out;
}

TEST(PlantData, AFailedSaveKeepsTheOldFiles) {
    const std::vector<std::pair<SaveStep, int>> faults{
        {SaveStep::WriteTemporary, ENOSPC}, {SaveStep::ReadBack, 1},
        {SaveStep::Backup, EACCES},         {SaveStep::RenameDatabase, EROFS},
        {SaveStep::RenameAliases, EIO},
    };
    for (const auto& [step, e] : faults) {
        SCOPED_TRACE(static_cast<int>(step));
        TempFolder dir;
        copySampleData(dir);
        PlantData data = openOrFail(dir.file("KUYU.DAT"));
        ASSERT_TRUE(data.setName(0, U"ｶﾜﾘ").ok);
        const auto before = filesIn(dir.path());
        SetSaveFaultForTests(
            [step = step, e = e](SaveStep s, const std::string&) { return s == step ? e : 0; });
        const Outcome o = data.save();
        SetSaveFaultForTests({});
        EXPECT_FALSE(o.ok);
        const Text why = step == SaveStep::ReadBack ? Text(U"読み直す") : WriteFailureReason(e);
        EXPECT_NE(o.message.find(why), Text::npos) << toUtf8(o.message);
        auto after = filesIn(dir.path());
        // A backup made before the failure may stay; the data files do not change.
        after.erase("KUYU.DAT.bak");
        after.erase("SNAME.DAT.bak");
        EXPECT_EQ(after, before);
        EXPECT_TRUE(data.modified());
        // Once the fault is gone the same save goes through.
        ASSERT_TRUE(data.save().ok);
        EXPECT_FALSE(data.modified());
    }
}

// A real full disk or read-only folder: a small tmpfs (needs root; skipped
// otherwise).
class SmallDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        mount_ = dir_.path() / "disk";
        fs::create_directory(mount_);
        const std::string cmd =
            "mount -t tmpfs -o size=64k tmpfs '" + mount_.string() + "' 2>/dev/null";
        if (::geteuid() != 0 || std::system(cmd.c_str()) != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here";
        }
        mounted_ = true;
        fs::copy_file(SampleFolder / "KUYU.DAT", mount_ / "KUYU.DAT");
        fs::copy_file(SampleFolder / "SNAME.DAT", mount_ / "SNAME.DAT");
    }
    void TearDown() override {
        if (mounted_) {
            std::system(("umount '" + mount_.string() + "'").c_str());
        }
    }
    TempFolder dir_;
    fs::path mount_;
    bool mounted_ = false;
};

TEST_F(SmallDisk, FullOrReadOnlyFolderKeepsTheOldFiles) {
    const std::string original = readBytes(mount_ / "KUYU.DAT");
    PlantData data = openOrFail(fromUtf8(mount_.string() + "/KUYU.DAT"));
    // Fill the disk, then try to save.
    {
        std::ofstream fill(mount_ / "filler", std::ios::binary);
        fill << std::string(64 * 1024, 'x');
    }
    ASSERT_TRUE(data.setFamily(0, U"ｶﾜﾘ").ok);
    Outcome o = data.save();
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(readBytes(mount_ / "KUYU.DAT"), original);
    fs::remove(mount_ / "filler");
    fs::remove(mount_ / "KUYU.DAT.bak");
    fs::remove(mount_ / "SNAME.DAT.bak");
    ASSERT_EQ(std::system(("mount -o remount,ro '" + mount_.string() + "'").c_str()), 0);
    o = data.save();
    EXPECT_FALSE(o.ok);
    EXPECT_NE(o.message.find(WriteFailureReason(EROFS)), Text::npos) << toUtf8(o.message);
    EXPECT_EQ(readBytes(mount_ / "KUYU.DAT"), original);
}

TEST(PlantData, SeesFilesChangedOnDisk) {
    TempFolder dir;
    copySampleData(dir);
    PlantData data = openOrFail(dir.file("KUYU.DAT"));
    EXPECT_FALSE(data.changedOnDisk());
    // Same size, same time: the content tells.
    const auto stamp = fs::last_write_time(dir.path() / "SNAME.DAT");
    std::string bytes = readBytes(dir.path() / "SNAME.DAT");
    bytes[0] = static_cast<char>(bytes[0] ^ 1);
    dir.writeBytes("SNAME.DAT", bytes);
    fs::last_write_time(dir.path() / "SNAME.DAT", stamp);
    EXPECT_TRUE(data.changedOnDisk());
    ASSERT_TRUE(data.save().ok);
    EXPECT_FALSE(data.changedOnDisk());
}

TEST(PlantData, NewDatabaseHasItsIllustrations) {
    TempFolder dir;
    Text why;
    auto data = PlantData::create(dir.file("new"), fromUtf8(SampleFolder.string()), why);
    ASSERT_TRUE(data.has_value()) << toUtf8(why);
    EXPECT_EQ(data->count(), 0);
    EXPECT_EQ(readBytes(dir.path() / "new" / "KUYU.DAT"), "");
    EXPECT_TRUE(fs::exists(dir.path() / "new" / "SNAME.DAT"));
    for (const char* f : {"IRO.BMP", "MAISUU.GIF", "KAJO.Pi", "KUKIDAN.Pi", "YOUMYAKU.GIF"}) {
        EXPECT_EQ(readBytes(dir.path() / "new" / f), readBytes(SampleFolder / f)) << f;
    }
    // Not without the illustrations, and then nothing is made.
    EXPECT_FALSE(PlantData::create(dir.file("other"), dir.folder(), why));
    EXPECT_NE(why.find(U"IRO"), Text::npos) << toUtf8(why);
    EXPECT_FALSE(fs::exists(dir.path() / "other"));
    // Not over an existing database.
    EXPECT_FALSE(PlantData::create(dir.file("new"), fromUtf8(SampleFolder.string()), why));
    EXPECT_FALSE(why.empty());
    // A folder's own illustrations stay as they are, whatever their kind;
    // the missing ones are added.
    fs::create_directories(dir.path() / "own");
    dir.writeBytes("own/IRO.BMP", "own colours");
    dir.writeBytes("own/maisuu.pi", "own petals"); // found without regard to case
    ASSERT_TRUE(PlantData::create(dir.file("own"), fromUtf8(SampleFolder.string()), why))
        << toUtf8(why);
    // (compared as a whole, so a replaced picture is not printed out)
    EXPECT_TRUE(readBytes(dir.path() / "own" / "IRO.BMP") == "own colours") << "IRO.BMP replaced";
    EXPECT_TRUE(readBytes(dir.path() / "own" / "maisuu.pi") == "own petals")
        << "maisuu.pi replaced";
    EXPECT_FALSE(fs::exists(dir.path() / "own" / "MAISUU.GIF"));
    EXPECT_EQ(readBytes(dir.path() / "own" / "KAJO.Pi"), readBytes(SampleFolder / "KAJO.Pi"));
    // A plant added and saved loads as written.
    const int row = data->addPlant();
    ASSERT_TRUE(data->setName(row, U"ｽﾐﾚ").ok);
    ASSERT_TRUE(data->setAliases(row, {U"ｽﾓｳﾄﾘｸﾞｻ"}).ok);
    ASSERT_TRUE(data->save().ok);
    EXPECT_EQ(decodeCp932(readBytes(dir.path() / "new" / "KUYU.DAT")),
              U"ｽﾐﾚ," + Text(30, U'0') + U",\r\n");
    EXPECT_EQ(decodeCp932(readBytes(dir.path() / "new" / "SNAME.DAT")), U"ｽﾓｳﾄﾘｸﾞｻ,ｽﾐﾚ\r\n");
}

TEST(PlantData, WarningsAreTheChecksFindings) {
    TempFolder dir;
    dir.writeCp932("KUYU.DAT", record(U"ｽﾐﾚ", plantCode(U"3515241131"), U"ｽﾐﾚ") +
                                   record(U"ﾉｼﾞｽﾐﾚ", plantCode(U"3515241131"), U"ｽﾐﾚ") +
                                   record(U"ｱｲｳｴｵｶｷｸｹ", plantCode(U"1"), U"ｱ") +
                                   record(U"ｱｲｳｴｵｶｷｸｺ", plantCode(U"2Z"), U"ｱ") +
                                   record(U"ﾀﾝﾎﾟﾎﾟ", U"21652", U"ｷｸ"));
    dir.writeCp932("SNAME.DAT", Text(U"ｽﾓｳﾄﾘｸﾞｻ,ｽﾐﾚ\r\nﾅｲｿｳ,ﾐﾂｶﾗﾅｲｿｳ\r\n"));
    dir.writeBytes("ｽﾐﾚ.bmp", "x");
    const DataCheckReport report = CheckDataFiles(dir.file("KUYU.DAT"));
    PlantData data = openOrFail(dir.file("KUYU.DAT"));
    std::multiset<std::pair<std::string, std::string>> checked, warned;
    for (const DataProblem& p : report.problems) {
        checked.insert({p.kind, toUtf8(p.message)});
    }
    for (const Warning& w : data.warnings()) {
        warned.insert({w.kind, toUtf8(w.message)});
    }
    EXPECT_EQ(warned, checked);
    const std::vector<std::string> expected{"indistinguishable", "duplicate-key", "code-character",
                                            "code-length",       "no-picture",    "unknown-plant"};
    for (const std::string& kind : expected) {
        EXPECT_TRUE(std::any_of(checked.begin(), checked.end(), [&](const auto& p) {
            return p.first == kind;
        })) << kind;
    }
    // Per plant: the second violet cannot be told from the first.
    const auto second = data.warnings(1);
    const auto it = std::find_if(second.begin(), second.end(),
                                 [](const Warning& w) { return w.kind == "indistinguishable"; });
    ASSERT_NE(it, second.end());
    EXPECT_EQ(it->otherPlant, 0);
    EXPECT_GE(it->category, 1);
    EXPECT_NE(it->message.find(U"この 2 種は区別できません"), Text::npos);
    // A pending picture answers the missing one.
    ASSERT_TRUE(data.attachBytes(4, FileSlot::Picture, "x", U".JPG").ok);
    for (const Warning& w : data.warnings(4)) {
        EXPECT_NE(w.kind, "no-picture");
    }
}

} // namespace
} // namespace kuyu::editor
