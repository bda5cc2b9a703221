// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/images/PictureLookup.h"

#include "core/files/Files.h"

#include <array>

namespace kuyu {

namespace {

const std::array<const char32_t*, 5> kPlantExtensions = {U".BMP", U".GIF", U".JPG", U".JPEG",
                                                         U".Pi"};
const std::array<const char32_t*, 5> kWindowExtensions = {U".BMP", U".GIF", U".JPG", U".JPEG",
                                                          U".PI"};
const std::array<const char32_t*, 3> kIllustrationExtensions = {U".BMP", U".GIF", U".Pi"};

} // namespace

std::vector<Text> pictureCandidates(const Text& base, const Text& dataFolder, PictureSet set) {
    std::vector<Text> out;
    auto addAll = [&](const Text& prefix, const auto& extensions) {
        for (const char32_t* ext : extensions) {
            out.push_back(prefix + base + ext);
        }
    };
    switch (set) {
    case PictureSet::Plant:
        addAll(Text(), kPlantExtensions);
        addAll(dataFolder, kPlantExtensions);
        break;
    case PictureSet::PlantWindow:
        addAll(Text(), kWindowExtensions);
        addAll(dataFolder, kWindowExtensions);
        break;
    case PictureSet::Illustration:
        addAll(Text(), kIllustrationExtensions);
        break;
    }
    return out;
}

std::vector<Text> fileCandidates(const Text& fileName, const Text& dataFolder) {
    return {fileName, dataFolder + fileName};
}

std::optional<Text> firstExisting(const std::vector<Text>& candidates) {
    for (const Text& c : candidates) {
        if (FileExists(c) == -1) {
            return c;
        }
    }
    return std::nullopt;
}

std::optional<Text> findPicture(const Text& base, const Text& dataFolder, PictureSet set) {
    return firstExisting(pictureCandidates(base, dataFolder, set));
}

PictureKind pictureKindOfCandidate(const Text& path) {
    const std::size_t dot = path.rfind(U'.');
    const std::size_t slash = path.find_last_of(U"/\\");
    if (dot == Text::npos || (slash != Text::npos && slash > dot)) {
        return PictureKind::None;
    }
    const Text ext = upperAscii(TextView(path).substr(dot + 1));
    if (ext == U"BMP") {
        return PictureKind::Bitmap;
    }
    if (ext == U"GIF") {
        return PictureKind::Gif;
    }
    if (ext == U"JPG" || ext == U"JPEG") {
        return PictureKind::Jpeg;
    }
    if (ext == U"PI") {
        return PictureKind::Pi;
    }
    if (ext == U"ICO") {
        return PictureKind::Icon;
    }
    return PictureKind::None;
}

Text browserExtension(const Text& fullName) {
    // Of the last five characters, what follows the first "." in them. (Taken
    // from those five characters themselves, so that a name shorter than five
    // characters gives its own extension rather than a piece of the name.)
    const Text last = right(fullName, 5);
    const std::size_t dot = last.find(U'.');
    if (dot == Text::npos) {
        return last;
    }
    return last.substr(dot + 1);
}

PictureKind browserPictureKind(const Text& fullName) {
    const Text ext = browserExtension(fullName);
    if (ext == U"bmp" || ext == U"BMP") {
        return PictureKind::Bitmap;
    }
    if (ext == U"ico" || ext == U"ICO") {
        return PictureKind::Icon;
    }
    if (ext == U"gif" || ext == U"GIF") {
        return PictureKind::Gif;
    }
    if (ext == U"jpg" || ext == U"JPG" || ext == U"jpeg" || ext == U"JPEG") {
        return PictureKind::Jpeg;
    }
    if (ext == U"PI" || ext == U"Pi" || ext == U"pi") {
        return PictureKind::Pi;
    }
    return PictureKind::None;
}

} // namespace kuyu
