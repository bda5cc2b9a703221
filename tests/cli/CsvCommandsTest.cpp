// SPDX-License-Identifier: GPL-3.0-or-later
// kuyu-cli export-csv and import-csv run as a script runs them: round trips
// that give the same database, every bad cell reported, files kept on
// failure.

#include "core/editor/PlantData.h"
#include "core/text/Text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kuyu::editor::Plant;
using kuyu::editor::PlantData;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path Sample = fs::path(KUYU_SOURCE_DIR) / "data" / "sample";

class CsvCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "kuyu-csv-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        dir_ = templ;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    struct Result {
        int status;
        std::string out, err;
    };
    Result run(const std::string& args) const {
        const std::string cmd = std::string("'") + KUYU_CLI_PATH + "' " + args + " >'" +
                                (dir_ / ".out").string() + "' 2>'" + (dir_ / ".err").string() + "'";
        const int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(dir_ / ".out"),
                readFile(dir_ / ".err")};
    }
    std::string p(const std::string& name) const { return "'" + (dir_ / name).string() + "'"; }
    void writeCp932(const std::string& name, const std::string& utf8) const {
        fs::create_directories((dir_ / name).parent_path());
        std::ofstream(dir_ / name, std::ios::binary)
            << kuyu::encodeCp932(kuyu::fromUtf8(utf8)).value();
    }
    void write(const std::string& name, const std::string& bytes) const {
        fs::create_directories((dir_ / name).parent_path());
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::vector<Plant> plantsOf(const std::string& name) const {
        kuyu::Text why;
        auto data = PlantData::open(kuyu::fromUtf8((dir_ / name).string()), why);
        EXPECT_TRUE(data) << kuyu::toUtf8(why);
        std::vector<Plant> out;
        for (int i = 0; data && i < data->count(); ++i) {
            Plant pl = data->plant(i);
            pl.code.resize(30, U' '); // as the loader pads it
            std::sort(pl.aliases.begin(), pl.aliases.end());
            out.push_back(pl);
        }
        return out;
    }
    fs::path dir_;
};

TEST_F(CsvCommands, SampleDataRoundTripGivesTheSameFiles) {
    fs::create_directories(dir_ / "same");
    fs::create_directories(dir_ / "fresh");
    for (const char* f : {"KUYU.DAT", "SNAME.DAT"}) {
        fs::copy_file(Sample / f, dir_ / "same" / f);
    }
    Result r = run("export-csv --db " + p("same/KUYU.DAT") + " --out " + p("plants.csv"));
    ASSERT_EQ(r.status, 0) << r.err;
    // A BOM so spreadsheet programs read it as UTF-8.
    EXPECT_TRUE(readFile(dir_ / "plants.csv").starts_with("\xEF\xBB\xBF植物名,科,分類,花の色,"));
    // Back over the same folder: nothing changes, byte for byte.
    r = run("import-csv --db " + p("same/KUYU.DAT") + " " + p("plants.csv"));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* f : {"KUYU.DAT", "SNAME.DAT"}) {
        EXPECT_EQ(readFile(dir_ / "same" / f), readFile(Sample / f)) << f;
        EXPECT_EQ(readFile(dir_ / "same" / (std::string(f) + ".bak")), readFile(Sample / f));
    }
    // Into a new folder: the same table, and the same spreadsheet again.
    r = run("import-csv --db " + p("fresh/KUYU.DAT") + " " + p("plants.csv"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir_ / "fresh" / "KUYU.DAT"), readFile(Sample / "KUYU.DAT"));
    EXPECT_EQ(plantsOf("fresh/KUYU.DAT"), plantsOf("same/KUYU.DAT"));
    r = run("export-csv --db " + p("fresh/KUYU.DAT"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readFile(dir_ / "plants.csv"));
}

TEST_F(CsvCommands, OddCodesAndFieldsSurviveTheRoundTrip) {
    // Quoted names with commas, short value lists, list letters, a blank and
    // a stray letter in the code, a classification 0, LF line ends.
    writeCp932("a/KUYU.DAT", "ｽﾐﾚ,01010101010101010101         2,ｽﾐﾚ\n"
                             "ﾀﾝﾎﾟﾎﾟ,02020202020202020H02412      1,ｷｸ\n"
                             "\"ｱｹﾋﾞ,ﾂﾙ\",0Y0Y0Y0Y0Y0Y0Y0Y0Y0Y         0,ｱｹﾋﾞ\n"
                             "\" ﾏｴｱｷ\",1Z2D34A6B8CXDYHJI0135246789,\"a \"\n"
                             "ﾐｼﾞｶｲ,0303,ｷｸ\n");
    writeCp932("a/SNAME.DAT", "ﾂﾎﾞｽﾐﾚ,ｽﾐﾚ\nｽﾓｳﾄﾘｸﾞｻ,ｽﾐﾚ\nﾀﾝﾎﾟ,ﾀﾝﾎﾟﾎﾟ\n");
    Result r = run("export-csv --db " + p("a/KUYU.DAT") + " --out " + p("a.csv"));
    ASSERT_EQ(r.status, 0) << r.err;
    r = run("import-csv --db " + p("b/KUYU.DAT") + " " + p("a.csv"));
    EXPECT_NE(r.status, 0); // the folder b does not exist yet
    fs::create_directories(dir_ / "b");
    r = run("import-csv --db " + p("b/KUYU.DAT") + " " + p("a.csv"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(plantsOf("b/KUYU.DAT"), plantsOf("a/KUYU.DAT"));
}

TEST_F(CsvCommands, EveryBadCellIsReportedAndNothingWritten) {
    fs::create_directories(dir_ / "db");
    for (const char* f : {"KUYU.DAT", "SNAME.DAT"}) {
        fs::copy_file(Sample / f, dir_ / "db" / f);
    }
    ASSERT_EQ(run("export-csv --db " + p("db/KUYU.DAT") + " --out " + p("good.csv")).status, 0);
    std::string csv = readFile(dir_ / "good.csv");
    // Row 2: a colour no category has; row 3: a bad value list and an
    // unknown classification; row 4: no name. LibreOffice's "0" for "000"
    // is no fault.
    const auto line = [&](int n) -> std::pair<std::size_t, std::size_t> {
        std::size_t at = 0;
        for (int i = 1; i < n; ++i) {
            at = csv.find("\r\n", at) + 2;
        }
        return {at, csv.find("\r\n", at)};
    };
    auto replaceIn = [&](int row, const std::string& from, const std::string& to) {
        auto [b, e] = line(row);
        std::string l = csv.substr(b, e - b);
        const auto at = l.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        l.replace(at, from.size(), to);
        csv.replace(b, e - b, l);
    };
    replaceIn(2, ",青系,", ",紫,");
    replaceIn(3, ",000,", ",0x1,");
    replaceIn(3, "双子葉類離弁花", "草");
    replaceIn(4, "ﾉｼﾞｽﾐﾚ,", ",");
    replaceIn(5, ",000,", ",0,");
    write("bad.csv", csv);
    const Result r = run("import-csv --db " + p("db/KUYU.DAT") + " " + p("bad.csv"));
    EXPECT_EQ(r.status, 3);
    for (const std::string& where : {"2行目 4列（花の色）", "3行目 24列（値の並び1）",
                                     "3行目 3列（分類）", "4行目 1列（植物名）"}) {
        EXPECT_NE(r.err.find(where), std::string::npos) << where << "\n" << r.err;
    }
    EXPECT_EQ(r.err.find("5行目"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir_ / "db" / "KUYU.DAT"), readFile(Sample / "KUYU.DAT"));
    EXPECT_FALSE(fs::exists(dir_ / "db" / "KUYU.DAT.bak"));
}

TEST_F(CsvCommands, RefusesWhatItCannotRead) {
    fs::create_directories(dir_ / "db");
    fs::copy_file(Sample / "KUYU.DAT", dir_ / "db" / "KUYU.DAT");
    struct Case {
        const char* what;
        std::string csv;
        std::string message;
    };
    const std::vector<Case> cases{
        {"another header", "\xEF\xBB\xBFname,family\r\n", "見出し"},
        {"not UTF-8", "\xEF\xBB\xBF\x82\xA0\r\n", "UTF-8"},
        {"empty", "", "見出し"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("x.csv", c.csv);
        const Result r = run("import-csv --db " + p("db/KUYU.DAT") + " " + p("x.csv"));
        EXPECT_EQ(r.status, 3);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    // Too large: refused before it is read.
    {
        std::ofstream big(dir_ / "big.csv", std::ios::binary);
        big.seekp((std::streamoff{17} << 20));
        big.put('x');
    }
    const Result r = run("import-csv --db " + p("db/KUYU.DAT") + " " + p("big.csv"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("大きすぎます"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir_ / "db" / "KUYU.DAT"), readFile(Sample / "KUYU.DAT"));
}

TEST_F(CsvCommands, EditorWarningsAreWhatCheckFinds) {
    // On the sample folder (pictures and all) and on a folder with a problem
    // of every kind.
    fs::create_directories(dir_ / "odd");
    writeCp932("odd/KUYU.DAT", "ｽﾐﾚ,030501050204010101010000000001,ｽﾐﾚ\r\n"
                               "ﾉｼﾞｽﾐﾚ,03050105020401010101000000001,ｽﾐﾚ\r\n"
                               "ｱｲｳｴｵｶｷｸｹ,0Z0000000000000000000000000001,ｱ\r\n"
                               "ｱｲｳｴｵｶｷｸｺ,000000000000000000000000000001,ｱ\r\n");
    writeCp932("odd/SNAME.DAT", "ﾅｲｿｳ,ﾐﾂｶﾗﾅｲｿｳ\r\n");
    write("odd/ｽﾐﾚ.GIF", "x");
    write("odd/ﾀﾝﾎﾟﾎﾟQ.JPG", "x");
    for (const std::string db :
         {(Sample / "KUYU.DAT").string(), (dir_ / "odd/KUYU.DAT").string()}) {
        SCOPED_TRACE(db);
        const Result r = run("check --json --db '" + db + "'");
        ASSERT_EQ(r.status, 0) << r.err;
        std::multiset<std::pair<std::string, std::string>> checked, warned;
        const auto document = nlohmann::json::parse(r.out);
        for (const auto& p : document["problems"]) {
            checked.insert({p["kind"].get<std::string>(), p["message"].get<std::string>()});
        }
        kuyu::Text why;
        const auto data = PlantData::open(kuyu::fromUtf8(db), why);
        ASSERT_TRUE(data) << kuyu::toUtf8(why);
        for (const auto& w : data->warnings()) {
            warned.insert({w.kind, kuyu::toUtf8(w.message)});
        }
        EXPECT_FALSE(checked.empty());
        EXPECT_EQ(warned, checked);
    }
}

} // namespace
