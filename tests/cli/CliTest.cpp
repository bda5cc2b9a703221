// SPDX-License-Identifier: GPL-3.0-or-later
// kuyu-cli as a script sees it: the binary run on generated CP932 databases,
// its output lines, JSON documents and exit statuses.

#include "core/text/Text.h"
#include "pi/PiDecoder.h"
#include "pi/PiEncoder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            result.push_back(line);
        }
        return result;
    }
    json document() const { return json::parse(out); }
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Cli : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "kuyu-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        dir_ = templ;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // Writes UTF-8 `text` as CP932 bytes.
    void write(const std::string& name, const std::string& text) {
        const auto bytes = kuyu::encodeCp932(kuyu::fromUtf8(text));
        ASSERT_TRUE(bytes.has_value()) << name;
        writeBytes(name, *bytes);
    }
    void writeBytes(const std::string& name, const std::string& bytes) {
        fs::create_directories((dir_ / name).parent_path());
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // Runs kuyu-cli with `args` in `cwd` (default: the temporary folder);
    // `maxFileBytes` limits the size of any file it writes.
    Result run(std::vector<std::string> args, const fs::path& cwd = {},
               rlim_t maxFileBytes = RLIM_INFINITY) const {
        const fs::path outFile = dir_ / ".out";
        const fs::path errFile = dir_ / ".err";
        const fs::path workDir = cwd.empty() ? dir_ : cwd;
        args.insert(args.begin(), KUYU_CLI_PATH);
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::chdir(workDir.c_str()) != 0 || !std::freopen(outFile.c_str(), "wb", stdout) ||
                !std::freopen(errFile.c_str(), "wb", stderr)) {
                ::_exit(127);
            }
            if (maxFileBytes != RLIM_INFINITY) {
                const rlimit limit{maxFileBytes, maxFileBytes};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::signal(SIGXFSZ, SIG_IGN); // a write past it fails instead
            }
            std::vector<char*> argv;
            for (std::string& a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        Result r;
        int status = 0;
        ::waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = readFile(outFile);
        r.err = readFile(errFile);
        return r;
    }

    fs::path dir_;
};

// Five plants: two violets (one with a classification digit 0), two of the
// daisy family, one whose name is also an alias of another plant.
const char* const Database = "ｽﾐﾚ,01010101010101010101         2,ｽﾐﾚ\r\n"
                             "ﾀﾁﾂﾎﾞｽﾐﾚ,01010101010101010102         0,ｽﾐﾚ\r\n"
                             "ﾀﾝﾎﾟﾎﾟ,02020202020202020H02412      1,ｷｸ\r\n"
                             "ｱｻﾞﾐ,0303030303030303030X         1,ｷｸ\r\n"
                             "\"ｱｹﾋﾞ,ﾂﾙ\",0Y0Y0Y0Y0Y0Y0Y0Y0Y0Y         3,ｱｹﾋﾞ\n";

TEST_F(Cli, SearchTextAndJson) {
    write("data/KUYU.DAT", Database);
    const std::string db = path("data/KUYU.DAT");

    Result r = run({"search", "--db", db, "--selection", "1000000000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines(), (std::vector<std::string>{
                             "  以上   2  種類 です",
                             " 1    ｽﾐﾚ               (ｽﾐﾚ)          科",
                             " 2    ﾀﾁﾂﾎﾞｽﾐﾚ          (ｽﾐﾚ)          科",
                         }));

    r = run({"search", "--db", db, "--selection", "2000000002", "--mode", "fuzzy", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = r.document();
    EXPECT_EQ(j["count"], 3);
    EXPECT_EQ(j["nameKey"], "");
    EXPECT_EQ(j["scores"], json::array({2, 1, 0, 1, 2}));
    ASSERT_EQ(j["rows"].size(), 3u);
    EXPECT_EQ(j["rows"][0]["line"], "*1    ﾀﾁﾂﾎﾞｽﾐﾚ          (ｽﾐﾚ)          科");
    EXPECT_EQ(j["rows"][1]["line"], " 2    ﾀﾝﾎﾟﾎﾟ            (ｷｸ)           科");
    EXPECT_EQ(j["rows"][2]["caption"], "* ｱｻﾞﾐ (ｷｸ)科");
    EXPECT_EQ(j["rows"][2]["code"], "0303030303030303030X         1");

    // A quoted name keeps its comma; the last line ends with a lone LF.
    r = run({"search", "--db", db, "--mode", "all", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document()["count"], 5);
    EXPECT_EQ(r.document()["rows"][4]["caption"], "  ｱｹﾋﾞ,ﾂﾙ (ｱｹﾋﾞ)科");

    r = run({"search", "--db", db, "--mode", "plain", "--selection", "4000000000"});
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"    該当する植物はありません"}));
}

TEST_F(Cli, NameFilterReadsAliasesFromTheDataFolder) {
    write("data/KUYU.DAT", Database);
    write("data/SNAME.DAT", "ﾉﾉ,ﾀﾝﾎﾟﾎﾟ\r\n");
    write("SNAME.DAT", "ﾉﾉ,ｱｻﾞﾐ\r\n"); // in the current folder: not used
    const Result r = run({"search", "--db", path("data/KUYU.DAT"), "--name", "ﾉﾉ", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = r.document();
    EXPECT_EQ(j["nameKey"], "ﾉﾉ");
    EXPECT_EQ(j["count"], 1);
    EXPECT_EQ(j["rows"][0]["caption"], "  ﾀﾝﾎﾟﾎﾟ (ｷｸ)科");
    EXPECT_EQ(j["scores"], json::array({9, 9, 0, 9, 9}));

    // A bare file name: the data folder is empty and the current folder's
    // alias file is the one read.
    const Result bare = run({"names", "--db", "KUYU.DAT", "--name", "ﾉﾉ"}, dir_ / "data");
    EXPECT_EQ(bare.status, 0) << bare.err;
    EXPECT_EQ(bare.lines()[1], " 1    ﾀﾝﾎﾟﾎﾟ            (ｷｸ)           ﾉﾉ");
}

TEST_F(Cli, RegisteredListByNameAndFileOrder) {
    write("KUYU.DAT", Database);
    Result r = run({"list", "--db", path("KUYU.DAT"), "--order", "name", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    json j = r.document();
    EXPECT_EQ(j["count"], 5);
    EXPECT_EQ(j["lines"][0], " 1    ｱｹﾋﾞ,ﾂﾙ           (ｱｹﾋﾞ)         ");
    EXPECT_EQ(j["lines"][4], " 5    ﾀﾝﾎﾟﾎﾟ            (ｷｸ)           ");

    r = run({"list", "--db", path("KUYU.DAT"), "--order", "file"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines()[0], "  以上   5  種類 です");
    EXPECT_EQ(r.lines()[1], " 1    ｽﾐﾚ               (ｽﾐﾚ)          ");
}

TEST_F(Cli, FamiliesAndOneFamily) {
    write("KUYU.DAT", Database);
    Result r = run({"families", "--db", path("KUYU.DAT"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document(), (json{{"count", 3}, {"families", {"ｽﾐﾚ", "ｷｸ", "ｱｹﾋﾞ"}}}));

    r = run({"families", "--db", path("KUYU.DAT")});
    EXPECT_EQ(r.lines(), (std::vector<std::string>{" 以上  3 種類です", "ｽﾐﾚ", "ｷｸ", "ｱｹﾋﾞ"}));

    r = run({"family", "--db", path("KUYU.DAT"), "--family", "ｷｸ", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    json j = r.document();
    EXPECT_EQ(j["count"], 2);
    EXPECT_EQ(j["list"], json::array({" 1    ｱｻﾞﾐ          ", " 2    ﾀﾝﾎﾟﾎﾟ        "}));
    EXPECT_EQ(j["rows"][1]["line"], " 2    ﾀﾝﾎﾟﾎﾟ            (ｷｸ)           科");
    EXPECT_EQ(j["rows"][1]["code"], "02020202020202020H02412      1");

    r = run({"family", "--db", path("KUYU.DAT"), "--family", "ﾊﾞﾗ"});
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"ﾊﾞﾗ科", "植物がありません"}));
}

TEST_F(Cli, NameSearchCountsDistinctPlants) {
    write("KUYU.DAT", Database);
    write("SNAME.DAT", "ｽﾐﾚ,ﾀﾁﾂﾎﾞｽﾐﾚ\r\nﾂﾎﾞｽﾐﾚ,ﾀﾁﾂﾎﾞｽﾐﾚ\r\n");
    Result r = run({"names", "--db", path("KUYU.DAT"), "--name", "ｽﾐﾚ", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document()["count"], 2);
    EXPECT_EQ(r.document()["rows"].size(), 2u);

    r = run({"names", "--db", path("KUYU.DAT"), "--name", "ｽﾐﾚ", "--partial", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = r.document();
    EXPECT_EQ(j["count"], 2);
    ASSERT_EQ(j["rows"].size(), 4u);
    EXPECT_EQ(j["rows"][2], "･3    ﾀﾁﾂﾎﾞｽﾐﾚ          (ｽﾐﾚ)          ");
    EXPECT_EQ(j["rows"][3], "*4    ﾀﾁﾂﾎﾞｽﾐﾚ          (ｽﾐﾚ)          ﾂﾎﾞｽﾐﾚ");

    r = run({"names", "--db", path("KUYU.DAT"), "--name", "ﾊﾞﾗ"});
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"    該当する植物はありません"}));
}

TEST_F(Cli, FeaturesOfOnePlant) {
    write("KUYU.DAT", Database);
    Result r = run({"features", "--db", path("KUYU.DAT"), "--key", "ﾀﾝﾎﾟﾎﾟ", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    json j = r.document();
    EXPECT_EQ(j["name"], "ﾀﾝﾎﾟﾎﾟ");
    ASSERT_EQ(j["values"].size(), 10u);
    EXPECT_EQ(j["values"][0].get<std::string>().substr(0, 2), "  ");
    EXPECT_EQ(j["values"][8].get<std::string>().substr(0, 2), " *"); // H
    EXPECT_NE(j["classification"], "");

    // Classification digit 0: an empty classification.
    r = run({"features", "--db", path("KUYU.DAT"), "--key", "ﾀﾁﾂﾎﾞｽﾐﾚ", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document()["classification"], "");

    r = run({"features", "--db", path("KUYU.DAT"), "--key", "ｱｹﾋﾞ,ﾂﾙ"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "ｱｹﾋﾞ,ﾂﾙ");
    EXPECT_FALSE(lines[1].empty()); // classification 3
    EXPECT_EQ(lines[2], "  なし ");
    EXPECT_EQ(lines[11], "  なし ");

    r = run({"features", "--db", path("KUYU.DAT"), "--key", "ｽﾐ"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
}

TEST_F(Cli, LoadFailures) {
    // Missing file: error 53 and its two-part message.
    Result r = run({"search", "--db", path("NONE.DAT"), "--json"});
    EXPECT_EQ(r.status, 2);
    const std::string missing = "データファイルがみつかりません\rｵﾌﾟｼｮﾝでﾃﾞｰﾀﾌｧｲﾙを選択して下さい";
    EXPECT_EQ(r.err, missing + "\n");
    EXPECT_EQ(r.document(), (json{{"error", 53}, {"message", missing}}));

    // Record 2001: error 9.
    std::string big;
    for (int i = 0; i < 2001; ++i) {
        big += "ｱ" + std::to_string(i) + ",000000000000000000000000000001,ｷｸ\r\n";
    }
    write("BIG.DAT", big);
    r = run({"families", "--db", path("BIG.DAT"), "--json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.document(), (json{{"error", 9}, {"message", "エラー番号9のエラーです"}}));

    // A partial record at the end: error 62; without --json nothing on stdout.
    write("PART.DAT", "ｽﾐﾚ,000000000000000000000000000001\r\n");
    r = run({"list", "--db", path("PART.DAT"), "--order", "file"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "エラー番号62のエラーです\n");

    // An empty database loads: nothing found, no error.
    write("EMPTY.DAT", "");
    r = run({"search", "--db", path("EMPTY.DAT"), "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document()["count"], 0);
    EXPECT_EQ(r.document()["scores"], json::array());
}

TEST_F(Cli, UsageErrors) {
    write("KUYU.DAT", Database);
    const std::string db = path("KUYU.DAT");
    const std::vector<std::vector<std::string>> bad = {
        {"search", "--db", db, "--selection", "100000000"},
        {"search", "--db", db, "--selection", "10000000000"},
        {"search", "--db", db, "--selection", "10000000X0"},
        {"search", "--db", db, "--selection", "１000000000"},
        {"search", "--db", db, "--mode", "exact"},
        {"search", "--db", db, "--frobnicate"},
        {"list", "--db", db},
        {"list", "--db", db, "--order", "size"},
        {"family", "--db", db},
        {"names", "--db", db},
        {"features", "--db", db},
        {"families"},
        {"unknown"},
        {},
    };
    for (const auto& args : bad) {
        const Result r = run(args);
        std::string joined;
        for (const auto& a : args) {
            joined += a + " ";
        }
        EXPECT_EQ(r.status, 64) << joined;
        EXPECT_EQ(r.out, "") << joined;
        EXPECT_NE(r.err.find("Usage"), std::string::npos) << joined;
    }
}

TEST_F(Cli, DecodePiWritesPpm) {
    kuyu::pi::PiImage image;
    image.width = 3;
    image.height = 2;
    image.planes = 4;
    image.indexes = {0, 1, 2, 2, 1, 0};
    image.palette.assign(16, {0, 0, 0});
    image.palette[1] = {255, 0, 0};
    image.palette[2] = {0, 128, 255};
    writeBytes("pic.pi", kuyu::pi::encodePi(image));

    Result r = run({"decode-pi", path("pic.pi"), path("pic.ppm")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "3x2\n");
    const std::string ppm = readFile(dir_ / "pic.ppm");
    const std::string header = "P6\n3 2\n255\n";
    ASSERT_EQ(ppm.size(), header.size() + 18);
    EXPECT_EQ(ppm.substr(0, header.size()), header);
    const std::string pixels = ppm.substr(header.size());
    EXPECT_EQ(pixels, std::string("\0\0\0\xFF\0\0\0\x80\xFF\0\x80\xFF\xFF\0\0\0\0\0", 18));

    // 256 colours without a stored palette, odd width: same pixels as the
    // decoder's own RGB conversion.
    kuyu::pi::PiImage wide;
    wide.width = 37;
    wide.height = 5;
    wide.planes = 8;
    for (int i = 0; i < wide.width * wide.height; ++i) {
        wide.indexes.push_back(static_cast<std::uint8_t>((i * 7) % 256));
    }
    const std::string stream = kuyu::pi::encodePi(wide);
    writeBytes("wide.pi", stream);
    r = run({"decode-pi", path("wide.pi"), path("wide.ppm"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document(), (json{{"width", 37}, {"height", 5}}));
    const auto expected = kuyu::pi::toRgb32TopDown(kuyu::pi::decodePi(stream));
    const std::string wideHeader = "P6\n37 5\n255\n";
    const std::string widePpm = readFile(dir_ / "wide.ppm");
    ASSERT_EQ(widePpm.size(), wideHeader.size() + expected.size() * 3);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto at = wideHeader.size() + 3 * i;
        const std::uint32_t got =
            (std::uint32_t{static_cast<unsigned char>(widePpm[at])} << 16) |
            (std::uint32_t{static_cast<unsigned char>(widePpm[at + 1])} << 8) |
            static_cast<unsigned char>(widePpm[at + 2]);
        ASSERT_EQ(got, expected[i] & 0xFFFFFFu) << "pixel " << i;
    }
}

TEST_F(Cli, DecodePiFailuresSayWhyAndKeepTheOldOutput) {
    kuyu::pi::PiImage big;
    big.width = 64;
    big.height = 64;
    big.planes = 8;
    for (int i = 0; i < 64 * 64; ++i) {
        big.indexes.push_back(static_cast<std::uint8_t>((i * 37 + i / 64 * 11) % 256));
    }
    const std::string stream = kuyu::pi::encodePi(big);
    writeBytes("big.pi", stream);
    writeBytes("bad.pi", "GIF89a");
    writeBytes("broken.pi", stream.substr(0, stream.size() / 2));
    fs::create_directories(dir_ / "folder.pi");
    const struct {
        const char* input;
        int error;
        const char* why;
    } cases[] = {
        {"missing.pi", 53, "no such file"},
        {"nofolder/x.pi", 76, "no such folder"},
        {"folder.pi", 75, "a folder"},
        {"bad.pi", 481, "not a Pi picture"},
        {"broken.pi", 481, "broken picture data"},
    };
    for (const auto& c : cases) {
        writeBytes("out.ppm", "old");
        const Result r = run({"decode-pi", path(c.input), path("out.ppm"), "--json"});
        EXPECT_EQ(r.status, 1) << c.input;
        const json j = r.document();
        EXPECT_EQ(j["error"], c.error) << c.input;
        EXPECT_NE(j["message"].get<std::string>().find(c.why), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err;
        EXPECT_EQ(readFile(dir_ / "out.ppm"), "old") << c.input;
    }

    // A write that fails half way (here: the file size limit) leaves the
    // old output whole and no temporary file behind.
    writeBytes("out.ppm", "old");
    Result r = run({"decode-pi", path("big.pi"), path("out.ppm"), "--json"}, {}, 4096);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.document()["error"], 57);
    EXPECT_EQ(readFile(dir_ / "out.ppm"), "old");
    for (const auto& e : fs::directory_iterator(dir_)) {
        EXPECT_EQ(e.path().filename().string().find(".out.ppm"), std::string::npos) << e.path();
    }
    r = run({"decode-pi", path("big.pi"), path("out.ppm")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir_ / "out.ppm").size(),
              std::string("P6\n64 64\n255\n").size() + 64 * 64 * 3);
}

TEST_F(Cli, JsonFailuresAlwaysPrintTheErrorDocument) {
    write("KUYU.DAT", Database);
    const std::vector<std::vector<std::string>> failures = {
        {"features", "--db", path("KUYU.DAT"), "--key", "ｽﾐ", "--json"},
        {"find-picture", "--db", path("KUYU.DAT"), "--base", "ﾊﾞﾗ", "--json"},
        {"search", "--db", path("NONE.DAT"), "--json"},
    };
    for (const auto& args : failures) {
        const Result r = run(args);
        EXPECT_NE(r.status, 0) << args[0];
        const json j = json::parse(r.out, nullptr, false);
        ASSERT_FALSE(j.is_discarded()) << args[0] << ": " << r.out;
        EXPECT_TRUE(j.contains("error") && j.contains("message")) << r.out;
    }
}

TEST_F(Cli, FindPictureFollowsTheLookupOrder) {
    const std::string db = path("data/KUYU.DAT");
    writeBytes("data/ﾂﾊﾞｷ.gif", "x");
    writeBytes("data/ﾂﾊﾞｷ.Bmp", "x");
    writeBytes("data/ｷｸ.PI", "x");
    writeBytes("ｷｸ.jpeg", "x");
    writeBytes("\xB6\xB4\xC3\xDE.pi", "x"); // "ｶｴﾃﾞ" stored as CP932 bytes

    // Extension order within a folder; the file as it is named on disk.
    Result r = run({"find-picture", "--db", db, "--base", "ﾂﾊﾞｷ"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, path("data/ﾂﾊﾞｷ.Bmp") + "\n");

    // The current folder before the data folder, for both plant lists.
    for (const char* kind : {"plant", "window"}) {
        r = run({"find-picture", "--db", db, "--base", "ｷｸ", "--kind", kind, "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.document()["path"], "ｷｸ.jpeg");
    }
    r = run({"find-picture", "--db", db, "--base", "ｶｴﾃﾞ"});
    EXPECT_EQ(r.out, "ｶｴﾃﾞ.pi\n");

    // Illustrations are looked for in the current folder only.
    r = run({"find-picture", "--db", db, "--base", "ﾂﾊﾞｷ", "--kind", "illustration"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    r = run({"find-picture", "--db", db, "--base", "ﾊﾞﾗ"});
    EXPECT_EQ(r.status, 1);
}

} // namespace

TEST_F(Cli, GuideExplainAndCompare) {
    write("KUYU.DAT", Database);
    const std::string db = path("KUYU.DAT");

    // Flower colour 1 leaves the two violets; every category and option is
    // there, the last option (不明) counts as if no condition were set.
    Result r = run({"guide", "--db", db, "--selection", "1000000000", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    json j = r.document();
    EXPECT_EQ(j["count"], 2);
    ASSERT_EQ(j["categories"].size(), 10u);
    const json& colour = j["categories"][0];
    EXPECT_EQ(colour["name"], "花の色");
    EXPECT_EQ(colour["chosen"], 1);
    ASSERT_EQ(colour["options"].size(), 6u);
    EXPECT_EQ(colour["options"][1], (json{{"option", 2}, {"label", "黄系"}, {"count", 1}}));
    EXPECT_EQ(colour["options"][5]["count"], 5);
    EXPECT_EQ(j["ranking"].size(), 9u);
    EXPECT_EQ(j["ranking"][0], 10); // the violets differ only in stem cross-section

    r = run({"explain", "--db", db, "--key", "ﾀﾝﾎﾟﾎﾟ", "--selection", "1000000000", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    j = r.document();
    EXPECT_EQ(j["name"], "ﾀﾝﾎﾟﾎﾟ");
    EXPECT_EQ(j["kept"], (json{{"plain", false}, {"fuzzy", true}, {"ai", true}}));
    ASSERT_EQ(j["differences"].size(), 1u);
    EXPECT_EQ(j["differences"][0]["category"], 1);
    EXPECT_EQ(j["differences"][0]["chosen"], "赤系");
    EXPECT_EQ(j["differences"][0]["plant"], "黄系");

    r = run({"compare", "--db", db, "--key", "ｽﾐﾚ", "--key", "ﾀﾁﾂﾎﾞｽﾐﾚ", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    j = r.document();
    EXPECT_EQ(j["plants"], (json{"ｽﾐﾚ", "ﾀﾁﾂﾎﾞｽﾐﾚ"}));
    ASSERT_EQ(j["rows"].size(), 12u);
    EXPECT_EQ(j["rows"][9]["differ"], true);
    EXPECT_EQ(j["rows"][0]["differ"], false);
    EXPECT_EQ(j["rows"][10]["differ"], true); // classification 2 against none

    // Exit statuses as elsewhere: unknown plant, failed load, usage.
    EXPECT_EQ(run({"explain", "--db", db, "--key", "ﾕﾘ"}).status, 1);
    EXPECT_EQ(run({"compare", "--db", db, "--key", "ｽﾐﾚ", "--key", "ﾕﾘ"}).status, 1);
    // An unknown plant is said in the program's words, with the error
    // document for --json, by each subcommand that names a plant.
    const std::string noLily = "植物「ﾕﾘ」はデータファイルにありません";
    const std::vector<std::vector<std::string>> unknown = {
        {"explain", "--db", db, "--key", "ﾕﾘ", "--json"},
        {"compare", "--db", db, "--key", "ｽﾐﾚ", "--key", "ﾕﾘ", "--json"},
        {"compare", "--db", db, "--key", "ﾕﾘ", "--key", "ｽﾐﾚ", "--json"},
        {"features", "--db", db, "--key", "ﾕﾘ", "--json"},
    };
    for (const auto& args : unknown) {
        r = run(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.document(), (json{{"error", 53}, {"message", noLily}})) << r.out;
        EXPECT_EQ(r.err, "kuyu-cli: " + noLily + "\n");
    }
    // Each selection digit is one of its category's options: colour has 6,
    // petals 8; the ten positions are checked one by one.
    EXPECT_EQ(run({"guide", "--db", db, "--selection", "6800000000"}).status, 0);
    for (const char* bad : {"7000000000", "0900000000", "9999999999", "0000000009"}) {
        EXPECT_EQ(run({"guide", "--db", db, "--selection", bad}).status, 64) << bad;
        EXPECT_EQ(run({"explain", "--db", db, "--key", "ｽﾐﾚ", "--selection", bad}).status, 64)
            << bad;
    }
    EXPECT_EQ(run({"guide", "--db", path("NONE.DAT")}).status, 2);
    EXPECT_EQ(run({"guide", "--db", db, "--mode", "all"}).status, 64);
    EXPECT_EQ(run({"compare", "--db", db, "--key", "ｽﾐﾚ"}).status, 64);
    EXPECT_EQ(run({"explain", "--db", db, "--selection", "1"}).status, 64);
}

// A database in a folder whose name is CP932 bytes opens by those bytes.
TEST_F(Cli, DatabaseInACp932FolderOpens) {
    const std::string folder = "\x83X\x83~\x83\x8c"; // スミレ in CP932
    write(folder + "/KUYU.DAT", Database);
    for (const char* command : {"search", "check"}) {
        const Result r = run({command, "--db", path(folder + "/KUYU.DAT"), "--json"});
        EXPECT_EQ(r.status, 0) << command << ": " << r.err << r.out;
        EXPECT_FALSE(r.document().contains("error")) << r.out;
    }
}

// check: exit 0 for a database the program loads, 2 for one it refuses (a
// stray blank line at the end), with the problem's line in both outputs.
TEST_F(Cli, CheckSaysWhetherTheProgramLoadsTheFile) {
    write("good/KUYU.DAT", Database);
    Result r = run({"check", "--db", path("good/KUYU.DAT"), "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document()["loads"], true);
    EXPECT_EQ(r.document()["plants"], 5);

    write("bad/KUYU.DAT", std::string(Database) + "\r\n");
    r = run({"check", "--db", path("bad/KUYU.DAT"), "--json"});
    EXPECT_EQ(r.status, 2);
    const json j = r.document();
    EXPECT_EQ(j["loads"], false);
    const auto partial = std::find_if(j["problems"].begin(), j["problems"].end(),
                                      [](const json& p) { return p["kind"] == "partial-record"; });
    ASSERT_NE(partial, j["problems"].end());
    EXPECT_EQ((*partial)["line"], 6);

    // The verdict is the last line, and each verdict has its own sentence.
    const std::vector<std::pair<std::string, std::string>> verdicts = {
        {"good/KUYU.DAT", "このデータファイルは読み込めます"},
        {"bad/KUYU.DAT", "このデータファイルは読み込めません"},
        {"short/KUYU.DAT", "起動時には読み込めますが、ﾃﾞｰﾀﾌｧｲﾙ選択では読み込めません"},
    };
    write("short/KUYU.DAT", "ｽﾐﾚ,0101,ｽﾐﾚ\r\n");
    for (const auto& [db, verdict] : verdicts) {
        r = run({"check", "--db", path(db)});
        ASSERT_FALSE(r.lines().empty()) << db;
        EXPECT_EQ(r.lines().back(), verdict) << r.out;
    }
    r = run({"check", "--db", path("bad/KUYU.DAT")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("6行目"), std::string::npos) << r.out;
}

// identify ranks every plant by the answers: the document's members in their
// order, ties sharing a rank, several options, unsure and cannot-tell
// answers, identical plants, and the usual exit statuses.
TEST_F(Cli, IdentifyRanksEveryPlant) {
    write("KUYU.DAT", Database);
    const std::string db = path("KUYU.DAT");
    auto names = [](const json& doc) {
        std::vector<std::string> out;
        for (const json& c : doc["candidates"]) {
            out.push_back(c["name"].get<std::string>() + "/" +
                          std::to_string(c["rank"].get<int>()));
        }
        return out;
    };

    Result r = run({"identify", "--db", db, "--answer", "1=1", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"answered\":[1],\"candidates\":[{\"rank\":1,\"name\":\"ｽﾐﾚ\",\"key\":"
                          "\"ｽﾐﾚ\",\"family\":\"ｽﾐﾚ\",\"score\":",
                          0),
              0u)
        << r.out;
    json j = r.document();
    EXPECT_EQ(names(j),
              (std::vector<std::string>{"ｽﾐﾚ/1", "ﾀﾁﾂﾎﾞｽﾐﾚ/1", "ﾀﾝﾎﾟﾎﾟ/3", "ｱｻﾞﾐ/3", "ｱｹﾋﾞ,ﾂﾙ/3"}));
    EXPECT_EQ(j["candidates"][0]["fits"], 1);
    EXPECT_EQ(j["candidates"][2]["disagree"], json::array({1}));
    EXPECT_EQ(j["groups"], json::array());
    EXPECT_EQ(j["settled"], false);
    ASSERT_FALSE(j["next"].empty());
    EXPECT_EQ(j["next"][0], 10); // only the stem cross-section tells the violets apart
    const double sureMiss = j["candidates"][2]["score"];

    struct Case {
        std::vector<std::string> answers;
        std::vector<std::string> order;
    };
    const std::vector<Case> cases = {
        {{"1=2,3"}, {"ﾀﾝﾎﾟﾎﾟ/1", "ｱｻﾞﾐ/1", "ｽﾐﾚ/3", "ﾀﾁﾂﾎﾞｽﾐﾚ/3", "ｱｹﾋﾞ,ﾂﾙ/3"}},
        {{"1=0"}, {"ｱｹﾋﾞ,ﾂﾙ/1", "ｽﾐﾚ/2", "ﾀﾁﾂﾎﾞｽﾐﾚ/2", "ﾀﾝﾎﾟﾎﾟ/2", "ｱｻﾞﾐ/2"}},
        // ｱｻﾞﾐ's "X" neither gains nor loses in the stem cross-section.
        {{"1=1", "10=2"}, {"ﾀﾁﾂﾎﾞｽﾐﾚ/1", "ｽﾐﾚ/2", "ﾀﾝﾎﾟﾎﾟ/2", "ｱｻﾞﾐ/4", "ｱｹﾋﾞ,ﾂﾙ/5"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"identify", "--db", db, "--json"};
        for (const std::string& a : c.answers) {
            args.insert(args.end(), {"--answer", a});
        }
        r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(names(r.document()), c.order) << c.answers.front();
    }

    // An unsure answer costs a disagreeing plant less.
    r = run({"identify", "--db", db, "--answer", "1=1?", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_GT(r.document()["candidates"][2]["score"].get<double>(), sureMiss);

    // Every category answered: nothing is left to ask.
    std::vector<std::string> all{"identify", "--db", db, "--json"};
    for (int k = 1; k <= 10; ++k) {
        all.insert(all.end(), {"--answer", std::to_string(k) + "=1"});
    }
    r = run(all);
    ASSERT_EQ(r.status, 0) << r.err;
    j = r.document();
    EXPECT_EQ(j["next"], json::array());
    EXPECT_EQ(j["settled"], true);
    EXPECT_EQ(j["answered"].size(), 10u);

    // Two plants with the same primary states are a group, in text too.
    write("TWIN.DAT", std::string(Database) + "ﾆｾｽﾐﾚ,01010101010101010101         2,ｽﾐﾚ\r\n");
    r = run({"identify", "--db", path("TWIN.DAT"), "--answer", "10=1", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.document()["groups"], json::array({json::array({"ｽﾐﾚ", "ﾆｾｽﾐﾚ"})}));
    r = run({"identify", "--db", path("TWIN.DAT"), "--answer", "10=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("この 2 種は十の特徴がすべて同じです。写真で比べてください。"),
              std::string::npos)
        << r.out;

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--answer", "1=7"},
                                                {"--answer", "11=1"},
                                                {"--answer", "1=1,0"},
                                                {"--answer", "1=1", "--answer", "1=2"},
                                                {"--answer", "x"}}) {
        std::vector<std::string> args{"identify", "--db", db};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(run(args).status, 64) << bad.back();
    }
    EXPECT_EQ(run({"identify", "--db", path("NONE.DAT"), "--json"}).status, 2);
    EXPECT_EQ(run({"identify"}).status, 64);
}
