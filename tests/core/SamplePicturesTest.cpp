// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled sample data must be complete: every plant the table lists has
// a picture the program finds, the picker finds every illustration, and the
// close-ups, videos and Pi files are there and readable. Catches a table
// changed without regenerating its pictures (tools/sampledata/regenerate.sh).

#include "CoreTestFiles.h"

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/images/PiFile.h"
#include "core/images/PictureLookup.h"
#include "pi/PiDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>

namespace kuyu {
namespace {

namespace fs = std::filesystem;

fs::path sampleFolder() {
    if (const char* dir = std::getenv("KUYU_SAMPLE_DIR")) {
        return dir; // to try regenerated data before it is copied in
    }
    return fs::path(KUYU_SOURCE_DIR) / "data" / "sample";
}

Text rightTrimmed(Text t) {
    while (!t.empty() && t.back() == U' ') {
        t.pop_back();
    }
    return t;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string firstBytes(const fs::path& file, std::size_t n) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

class SamplePictures : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = sampleFolder();
        ASSERT_TRUE(fs::exists(folder_ / "KUYU.DAT")) << folder_;
        cwd_ = std::make_unique<testing::CurrentDirectory>(folder_);
        const auto message =
            StartUpLoad(state_, fromUtf8(fs::absolute(folder_ / "KUYU.DAT").string()));
        ASSERT_FALSE(message.has_value()) << toUtf8(message->text);
        ASSERT_GT(state_.PlantCount, 0);
    }

    const Text& name(int row) const { return state_.PlantName[static_cast<std::size_t>(row)]; }

    fs::path folder_;
    std::unique_ptr<testing::CurrentDirectory> cwd_;
    AppState state_;
};

TEST_F(SamplePictures, EveryPlantHasItsPicture) {
    for (int row = 1; row <= state_.PlantCount; ++row) {
        const Text key = rightTrimmed(name(row).substr(0, 8));
        // The result pages and the plant window try different Pi spellings.
        for (PictureSet set : {PictureSet::Plant, PictureSet::PlantWindow}) {
            const auto found = findPicture(key, state_.DataFolder, set);
            ASSERT_TRUE(found.has_value()) << toUtf8(name(row));
            EXPECT_NE(pictureKindOfCandidate(*found), PictureKind::None) << toUtf8(*found);
        }
    }
}

TEST_F(SamplePictures, PickerFindsEveryIllustrationInTheCurrentFolder) {
    std::set<PictureKind> kinds;
    for (int k = 1; k <= 10; ++k) {
        const Text& base = Category(k).illustration;
        // The data folder does not count for illustrations.
        const auto found = findPicture(base, U"/nonexistent/", PictureSet::Illustration);
        ASSERT_TRUE(found.has_value()) << toUtf8(base);
        kinds.insert(pictureKindOfCandidate(*found));
    }
    EXPECT_TRUE(kinds.contains(PictureKind::Bitmap));
    EXPECT_TRUE(kinds.contains(PictureKind::Gif));
    EXPECT_TRUE(kinds.contains(PictureKind::Pi));
}

TEST_F(SamplePictures, CloseUpsAndVideos) {
    std::set<Text> withCloseUps;
    std::set<Text> withVideo;
    for (int row = 1; row <= state_.PlantCount; ++row) {
        const Text seven = name(row).substr(0, 7);
        if (findPicture(seven + U"Q", state_.DataFolder, PictureSet::Plant) &&
            findPicture(seven + U"R", state_.DataFolder, PictureSet::Plant)) {
            withCloseUps.insert(seven);
        }
        if (firstExisting(fileCandidates(name(row).substr(0, 8) + U".avi", state_.DataFolder))) {
            withVideo.insert(name(row).substr(0, 8));
        }
    }
    EXPECT_GE(withCloseUps.size(), 30u);
    EXPECT_GE(withVideo.size(), 3u);
}

// Every picture file is what its extension says and belongs to a plant or a
// category; every Pi file decodes; the folder stays small enough to keep.
TEST_F(SamplePictures, FilesAreReadableAndAccountedFor) {
    std::set<std::string> expected;
    for (int k = 1; k <= 10; ++k) {
        expected.insert(toUtf8(Category(k).illustration));
    }
    for (int row = 1; row <= state_.PlantCount; ++row) {
        expected.insert(toUtf8(rightTrimmed(name(row).substr(0, 8))));
        expected.insert(toUtf8(name(row).substr(0, 7) + U"Q"));
        expected.insert(toUtf8(name(row).substr(0, 7) + U"R"));
    }

    std::uintmax_t total = 0;
    int piFiles = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        total += entry.file_size();
        const std::string ext = lower(entry.path().extension().string());
        const std::string stem = entry.path().stem().string();
        const std::string head = firstBytes(entry.path(), 4);
        if (ext == ".bmp" || ext == ".gif" || ext == ".jpg" || ext == ".jpeg" || ext == ".pi" ||
            ext == ".avi") {
            EXPECT_TRUE(expected.contains(stem))
                << "belongs to no plant: " << entry.path().filename();
        }
        if (ext == ".bmp") {
            EXPECT_EQ(head.substr(0, 2), "BM") << entry.path().filename();
        } else if (ext == ".gif") {
            EXPECT_EQ(head, "GIF8") << entry.path().filename();
        } else if (ext == ".jpg" || ext == ".jpeg") {
            EXPECT_EQ(head.substr(0, 2), "\xFF\xD8") << entry.path().filename();
        } else if (ext == ".avi") {
            EXPECT_EQ(head, "RIFF") << entry.path().filename();
        } else if (ext == ".pi") {
            ++piFiles;
            const auto picture = pi::decodePiFile(fromUtf8(entry.path().filename().string()));
            EXPECT_FALSE(picture.isNull()) << entry.path().filename();
            EXPECT_EQ(picture.error(), pi::PiError::None) << entry.path().filename();
        }
    }
    EXPECT_GT(piFiles, 0);
    EXPECT_LT(total, 15u * 1024 * 1024);
}

} // namespace
} // namespace kuyu
