// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for core tests: a temporary folder that is removed afterwards,
// CP932 files written into it, and a guard that changes the current directory
// for one test.

#include "core/text/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kuyu::testing {

class TempFolder {
  public:
    TempFolder() {
        std::string templ = (std::filesystem::temp_directory_path() / "kuyu-core-XXXXXX").string();
        if (::mkdtemp(templ.data()) == nullptr) {
            ADD_FAILURE() << "mkdtemp failed";
        }
        path_ = templ;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the program writes it: with "/" at the end.
    Text folder() const { return fromUtf8(path_.string() + "/"); }
    Text file(const std::string& name) const { return fromUtf8((path_ / name).string()); }

    // Writes `content` encoded as CP932 (it must be encodable).
    void writeCp932(const std::string& name, const Text& content) const {
        const auto bytes = encodeCp932(content);
        EXPECT_TRUE(bytes.has_value()) << "test text not encodable in CP932";
        writeBytes(name, bytes.value_or(std::string{}));
    }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream out(path_ / name, std::ios::binary);
        out << bytes;
    }

  private:
    std::filesystem::path path_;
};

// Makes `dir` the current directory until the end of the scope.
class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::filesystem::path& dir)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~CurrentDirectory() {
        std::error_code ec;
        std::filesystem::current_path(saved_, ec);
    }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

  private:
    std::filesystem::path saved_;
};

// A 30-character plant code: primary codes of categories 1..10 at even
// positions, secondary codes at odd ones, then the three value lists and the
// classification digit.
inline Text plantCode(const Text& primaries, const Text& secondaries = U"0000000000",
                      const Text& lists = U"         ", char32_t classification = U'1') {
    Text code;
    for (std::size_t k = 0; k < 10; ++k) {
        code += k < secondaries.size() ? secondaries[k] : U'0';
        code += k < primaries.size() ? primaries[k] : U'0';
    }
    Text l = lists;
    l.resize(9, U' ');
    code += l;
    code += classification;
    return code;
}

// One database record line: name, code, family, CR LF.
inline Text record(const Text& name, const Text& code, const Text& family) {
    return name + U"," + code + U"," + family + U"\r\n";
}

// Selection code with the given digits in positions 1..10.
inline Text selection(const Text& digits) {
    Text s = digits;
    s.resize(10, U'0');
    return s + Text(20, U' ');
}

} // namespace kuyu::testing
