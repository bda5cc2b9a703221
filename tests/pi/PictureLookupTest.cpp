// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a window loads for a base name, and which loader the image
// browser picks for a chosen file name.

#include "core/images/PictureLookup.h"
#include "core/files/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace kuyu;

namespace {

class LookupFolder : public ::testing::Test {
  protected:
    std::filesystem::path dir;
    std::filesystem::path oldCwd;
    Text dataFolder; // "data/", as the start-up rule leaves it

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("kuyu-lookup-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "data");
        oldCwd = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        dataFolder = U"data/";
    }
    void TearDown() override {
        std::filesystem::current_path(oldCwd);
        std::filesystem::remove_all(dir);
    }
    static void touch(const Text& name) { std::ofstream(toUtf8(name)) << "x"; }
};

} // namespace

TEST(PictureCandidates, ListsAndOrder) {
    EXPECT_EQ(
        pictureCandidates(U"ｽﾐﾚ", U"D/", PictureSet::Plant),
        (std::vector<Text>{U"ｽﾐﾚ.BMP", U"ｽﾐﾚ.GIF", U"ｽﾐﾚ.JPG", U"ｽﾐﾚ.JPEG", U"ｽﾐﾚ.Pi", U"D/ｽﾐﾚ.BMP",
                           U"D/ｽﾐﾚ.GIF", U"D/ｽﾐﾚ.JPG", U"D/ｽﾐﾚ.JPEG", U"D/ｽﾐﾚ.Pi"}));
    // The plant picture window writes ".PI".
    const auto window = pictureCandidates(U"X", U"D/", PictureSet::PlantWindow);
    ASSERT_EQ(window.size(), 10u);
    EXPECT_EQ(window[4], U"X.PI");
    EXPECT_EQ(window[9], U"D/X.PI");
    // Illustrations: the current folder only, no JPEG.
    EXPECT_EQ(pictureCandidates(U"IRO", U"D/", PictureSet::Illustration),
              (std::vector<Text>{U"IRO.BMP", U"IRO.GIF", U"IRO.Pi"}));
    // No data folder: the second half names the same files again, as before.
    EXPECT_EQ(pictureCandidates(U"X", U"", PictureSet::Plant)[5], U"X.BMP");
    EXPECT_EQ(fileCandidates(U"ｽﾐﾚ.txt", U"D/"), (std::vector<Text>{U"ｽﾐﾚ.txt", U"D/ｽﾐﾚ.txt"}));
}

TEST_F(LookupFolder, FirstExistingCandidateWins) {
    EXPECT_FALSE(findPicture(U"X", dataFolder, PictureSet::Plant).has_value());

    // Only in the data folder: the data folder's copy.
    touch(U"data/X.Pi");
    EXPECT_EQ(findPicture(U"X", dataFolder, PictureSet::Plant), U"data/X.Pi");
    // The window's ".PI" candidate finds the same file, whatever its case.
    EXPECT_EQ(findPicture(U"X", dataFolder, PictureSet::PlantWindow), U"data/X.PI");
    // Extension order within a folder: a bitmap before a Pi picture.
    touch(U"data/X.BMP");
    EXPECT_EQ(findPicture(U"X", dataFolder, PictureSet::Plant), U"data/X.BMP");
    // The current folder before the data folder, even with a later extension.
    touch(U"X.jpeg");
    EXPECT_EQ(findPicture(U"X", dataFolder, PictureSet::Plant), U"X.JPEG");
    touch(U"X.gif");
    EXPECT_EQ(findPicture(U"X", dataFolder, PictureSet::Plant), U"X.GIF");
    // Illustrations never look in the data folder.
    EXPECT_EQ(findPicture(U"X", dataFolder, PictureSet::Illustration), U"X.GIF");
    touch(U"data/KAJO.BMP");
    EXPECT_FALSE(findPicture(U"KAJO", dataFolder, PictureSet::Illustration).has_value());
    touch(U"kajo.pi");
    EXPECT_EQ(findPicture(U"KAJO", dataFolder, PictureSet::Illustration), U"KAJO.Pi");
}

TEST_F(LookupFolder, SomethingThatIsNotAFileIsSkipped) {
    // A folder named like a candidate is not a picture; the next one is taken.
    std::filesystem::create_directory("Y.BMP");
    touch(U"Y.GIF");
    EXPECT_EQ(findPicture(U"Y", dataFolder, PictureSet::Plant), U"Y.GIF");
    // A data folder that does not exist: its candidates are simply absent.
    touch(U"data2");
    EXPECT_FALSE(findPicture(U"Z", U"nofolder/", PictureSet::Plant).has_value());
    EXPECT_FALSE(findPicture(U"Z", U"data2/", PictureSet::Plant).has_value());
    // Notes and videos by their fixed names.
    touch(U"data/ｽﾐﾚ.TXT");
    EXPECT_EQ(firstExisting(fileCandidates(U"ｽﾐﾚ.txt", dataFolder)), U"data/ｽﾐﾚ.txt");
}

TEST(PictureKinds, KindOfAFoundCandidate) {
    EXPECT_EQ(pictureKindOfCandidate(U"data/X.BMP"), PictureKind::Bitmap);
    EXPECT_EQ(pictureKindOfCandidate(U"X.GIF"), PictureKind::Gif);
    EXPECT_EQ(pictureKindOfCandidate(U"X.JPG"), PictureKind::Jpeg);
    EXPECT_EQ(pictureKindOfCandidate(U"X.JPEG"), PictureKind::Jpeg);
    EXPECT_EQ(pictureKindOfCandidate(U"X.Pi"), PictureKind::Pi);
    EXPECT_EQ(pictureKindOfCandidate(U"X.PI"), PictureKind::Pi);
    EXPECT_EQ(pictureKindOfCandidate(U"X.ICO"), PictureKind::Icon);
    EXPECT_EQ(pictureKindOfCandidate(U"X.txt"), PictureKind::None);
    EXPECT_EQ(pictureKindOfCandidate(U"dir.Pi/NAME"), PictureKind::None);
    EXPECT_EQ(pictureKindOfCandidate(U"NAME"), PictureKind::None);
}

TEST(PictureKinds, BrowserExtensionRule) {
    struct Case {
        const char32_t* name;
        PictureKind kind;
    };
    const Case cases[] = {
        {U"C:/PICT/flower.bmp", PictureKind::Bitmap},
        {U"C:/PICT/FLOWER.BMP", PictureKind::Bitmap},
        {U"C:/PICT/Flower.Bmp", PictureKind::None}, // mixed case other than "Pi"
        {U"C:/PICT/a.jpeg", PictureKind::Jpeg},
        {U"C:/PICT/a.jpg", PictureKind::Jpeg},
        {U"C:/PICT/a.JPEG", PictureKind::Jpeg},
        {U"C:/PICT/a.Jpg", PictureKind::None},
        {U"C:/PICT/plant.Pi", PictureKind::Pi},
        {U"C:/PICT/plant.PI", PictureKind::Pi},
        {U"C:/PICT/plant.pi", PictureKind::Pi},
        {U"C:/PICT/a.pI", PictureKind::None},
        {U"C:/PICT/icon.ico", PictureKind::Icon},
        {U"C:/PICT/anim.GIF", PictureKind::Gif},
        {U"C:/PICT/name.", PictureKind::None},  // ends in a dot: empty extension
        {U"C:/PICT/FLOWER", PictureKind::None}, // no dot in the last five
        {U"C:/PICT/a.b.pi", PictureKind::None}, // the first dot of ".b.pi"
        {U"C:/PICT/ab.c.bmp", PictureKind::Bitmap},
        {U"C:/PICT/x.tiff", PictureKind::None},
        {U"", PictureKind::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(browserPictureKind(c.name), c.kind) << toUtf8(c.name);
    }
    EXPECT_EQ(browserExtension(U"C:/PICT/photo.jpeg"), U"jpeg");
    EXPECT_EQ(browserExtension(U"C:/PICT/name."), U"");
    EXPECT_EQ(browserExtension(U"C:/PICT/FLOWER"), U"LOWER");
    // A whole name shorter than five characters still yields what follows
    // its dot, not the dot with it.
    EXPECT_EQ(browserExtension(U"a.pi"), U"pi");
    EXPECT_EQ(browserPictureKind(U"a.pi"), PictureKind::Pi);
}
