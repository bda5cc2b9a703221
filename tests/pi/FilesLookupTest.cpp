// SPDX-License-Identifier: GPL-3.0-or-later
// Data files as Windows media left them: names in any ASCII case, names
// stored as raw CP932 bytes, and things on disk that are not data files.

#include "core/Errors.h"
#include "core/files/Files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace kuyu;

namespace {

class DataFolder : public ::testing::Test {
  protected:
    std::filesystem::path dir;
    std::filesystem::path oldCwd;
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("kuyu-names-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        oldCwd = std::filesystem::current_path();
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::filesystem::current_path(oldCwd);
        std::filesystem::remove_all(dir);
    }
    static void write(const std::string& nativeName, const std::string& content = "x") {
        std::ofstream(nativeName, std::ios::binary) << content;
    }
    static std::string cp932(const Text& t) { return *encodeCp932(t); }
    // Sets a folder's modification time an hour back, as a copying tool
    // that keeps time stamps does.
    static void age(const std::string& folder) {
        struct timespec times[2];
        times[0].tv_sec = times[1].tv_sec = ::time(nullptr) - 3600;
        times[0].tv_nsec = times[1].tv_nsec = 0;
        ASSERT_EQ(::utimensat(AT_FDCWD, folder.c_str(), times, 0), 0);
    }
};

} // namespace

TEST_F(DataFolder, EveryComponentMatchesInEitherEncodingAndAnyCase) {
    // A folder named in raw CP932 bytes, in lower case, holding a CP932 file.
    std::filesystem::create_directory(cp932(U"ﾃﾞｰﾀ") + "dir");
    write(cp932(U"ﾃﾞｰﾀ") + "dir/" + cp932(U"ｽﾐﾚ") + ".bmp", "cp");
    EXPECT_EQ(FileExists(U"ﾃﾞｰﾀDIR/ｽﾐﾚ.BMP"), -1);
    EXPECT_EQ(readWholeFile(U"ﾃﾞｰﾀDir\\ｽﾐﾚ.Bmp"), "cp"); // Windows separators too
    EXPECT_EQ(*resolvePath(U"ﾃﾞｰﾀDIR/ｽﾐﾚ.BMP"), cp932(U"ﾃﾞｰﾀ") + "dir/" + cp932(U"ｽﾐﾚ") + ".bmp");
    // "ﾐｽ" in CP932 (D0 BD) happens to be valid UTF-8 as well; it is still
    // found under its CP932 reading.
    write(cp932(U"ﾐｽ.PI"), "both");
    EXPECT_EQ(readWholeFile(U"ﾐｽ.pi"), "both");
    // Absolute paths and "." / ".." components.
    const Text absolute = currentDirectoryWithSlash() + U"./ﾃﾞｰﾀDIR/../ﾃﾞｰﾀdir/ｽﾐﾚ.BMP";
    EXPECT_EQ(FileExists(absolute), -1);
}

TEST_F(DataFolder, ExactNamesWinAndFoldedChoicesAreStable) {
    write("X.PI", "upper");
    write("x.Pi", "mixed");
    EXPECT_EQ(readWholeFile(U"X.PI"), "upper");
    EXPECT_EQ(readWholeFile(U"x.Pi"), "mixed");
    // Neither is exact: the choice does not depend on the listing order.
    const std::string first = *resolvePath(U"x.pi");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(*resolvePath(U"x.pi"), first);
    }
    EXPECT_EQ(first, "X.PI"); // the smallest native name
    // A UTF-8 name beats a raw CP932 one that folds to the same text.
    write(toUtf8(U"ｽﾐﾚ.gif"), "utf8");
    write(cp932(U"ｽﾐﾚ.Gif"), "cp932");
    EXPECT_EQ(readWholeFile(U"ｽﾐﾚ.GIF"), "utf8");
}

TEST_F(DataFolder, FileExistsAnswers) {
    write("KUYU.DAT");
    std::filesystem::create_directory("sub");
    EXPECT_EQ(FileExists(U"KUYU.DAT"), -1);
    EXPECT_EQ(FileExists(U"kuyu.dat"), -1);
    EXPECT_EQ(FileExists(U"NONE.DAT"), 0); // not found
    EXPECT_EQ(FileExists(U"nofolder/KUYU.DAT"), err::PathNotFound);
    EXPECT_EQ(FileExists(U"KUYU.DAT/KUYU.DAT"), err::PathNotFound); // a file is no folder
    EXPECT_EQ(FileExists(U"sub"), err::PathFileAccess);             // a folder is no data file
    EXPECT_EQ(FileExists(U""), err::BadFileName);
    // A NUL would cut the name short at "KUYU.DAT" and open that file.
    const Text withNul = Text(U"KUYU.DAT") + U'\0' + U".BMP";
    EXPECT_EQ(FileExists(withNul), err::BadFileName);
    EXPECT_FALSE(resolvePath(withNul).has_value());
    EXPECT_THROW(readWholeFile(withNul), RunTimeError);
    try {
        readWholeFile(U"NONE.DAT");
        FAIL();
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound); // the error itself still says 53
    }
}

// A folder we may not enter hides whether the file is there; the answer is
// the access error, as for a file we may not read, not "not found". Root may
// enter any folder, so the probe then runs in a child without privileges.
TEST_F(DataFolder, AFolderWeMayNotEnterIsAnAccessError) {
    std::filesystem::create_directory("locked");
    write("locked/KUYU.DAT");
    write("unreadable.dat");
    ::chmod("locked", 0);
    ::chmod("unreadable.dat", 0);
    ::chmod(".", 0755);
    const auto probe = [] {
        const int locked = FileExists(U"locked/KUYU.DAT");
        const int lockedCase = FileExists(U"locked/kuyu.dat");
        const int unreadable = FileExists(U"unreadable.dat");
        return (locked == err::PathFileAccess ? 0 : 1) |
               (lockedCase == err::PathFileAccess ? 0 : 2) |
               (unreadable == err::PathFileAccess ? 0 : 4);
    };
    int result = 0;
    if (::geteuid() != 0) {
        result = probe();
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                ::_exit(100);
            }
            ::_exit(probe());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        result = WEXITSTATUS(status);
    }
    ::chmod("locked", 0755);
    EXPECT_EQ(result, 0) << "1: exact name, 2: other letter case, 4: unreadable file";
}

TEST_F(DataFolder, APipeIsNotADataFileAndDoesNotBlock) {
    ASSERT_EQ(::mkfifo("NOTE.TXT", 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(FileExists(U"note.txt"), err::PathFileAccess);
    EXPECT_THROW(readWholeFile(U"NOTE.TXT"), RunTimeError);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(DataFolder, KeptListingsSeeFilesAddedLater) {
    // Keep listings at once; pause between changes so that the folder's
    // coarse time stamps move.
    setListingKeepDelay(std::chrono::milliseconds(0));
    auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(30)); };
    std::filesystem::create_directory("data");
    write("data/A.BMP");
    pause();
    // A miss keeps the listing...
    EXPECT_EQ(FileExists(U"data/NEW.BMP"), 0);
    EXPECT_EQ(FileExists(U"data/a.bmp"), -1);
    // ...which a new file (changing the folder) makes stale.
    write("data/new.bmp");
    pause();
    EXPECT_EQ(FileExists(U"data/NEW.BMP"), -1);
    // A copying tool setting the modification time back does not hide a
    // removal.
    age("data");
    EXPECT_EQ(FileExists(U"data/NEW.BMP"), -1);
    std::filesystem::remove("data/new.bmp");
    age("data");
    pause();
    EXPECT_EQ(FileExists(U"data/NEW.BMP"), 0);
    // Another folder under the same relative name (the current folder moved).
    std::filesystem::create_directories("other/data");
    write("other/data/b.gif");
    pause();
    std::filesystem::current_path("other");
    EXPECT_EQ(FileExists(U"data/B.GIF"), -1);
    EXPECT_EQ(FileExists(U"data/A.BMP"), 0);
    setListingKeepDelay(std::chrono::seconds(2));
}

TEST_F(DataFolder, AListingIsRenewedWhenOnlyTheChangeTimeMoved) {
    // cp -a and rsync -t put the folder's modification time back to what it
    // was; only its change time tells that a picture came in.
    setListingKeepDelay(std::chrono::milliseconds(0));
    std::filesystem::create_directory("pics");
    write("pics/A.BMP");
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = ::time(nullptr) - 3600;
    times[0].tv_nsec = times[1].tv_nsec = 0;
    ASSERT_EQ(::utimensat(AT_FDCWD, "pics", times, 0), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(FileExists(U"pics/NEW.BMP"), 0); // this listing is kept
    write("pics/new.bmp");
    ASSERT_EQ(::utimensat(AT_FDCWD, "pics", times, 0), 0);
    EXPECT_EQ(FileExists(U"pics/NEW.BMP"), -1);
    setListingKeepDelay(std::chrono::seconds(2));
}
