// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding a picture by base name, and telling the kind of a picture file by
// its name. No screen here: windows ask for the path and load it.

#include "core/text/Text.h"

#include <optional>
#include <vector>

namespace kuyu {

enum class PictureKind {
    None,
    Bitmap,
    Icon,
    Gif,
    Jpeg,
    Pi,
};

// Which list of candidates a caller tries.
enum class PictureSet {
    // Plant pictures of the result pages and close-ups: ".BMP", ".GIF",
    // ".JPG", ".JPEG", ".Pi"; current folder, then the data folder.
    Plant,
    // The plant picture window: the same with ".PI" for the Pi picture.
    PlantWindow,
    // Category illustrations: ".BMP", ".GIF", ".Pi" in the current folder only.
    Illustration,
};

// The candidate file names for `base`, in the order they are tried. Files in
// the current folder are named by the bare name; files in the data folder
// by `dataFolder` followed directly by the name (it ends in its own
// separator, or is empty).
std::vector<Text> pictureCandidates(const Text& base, const Text& dataFolder, PictureSet set);

// The candidates for a file of a fixed name (a note ".txt", a video ".avi"):
// `fileName` in the current folder, then after `dataFolder`.
std::vector<Text> fileCandidates(const Text& fileName, const Text& dataFolder);

// The first candidate for which FileExists returns -1, or nullopt.
std::optional<Text> firstExisting(const std::vector<Text>& candidates);

// pictureCandidates then firstExisting.
std::optional<Text> findPicture(const Text& base, const Text& dataFolder, PictureSet set);

// The kind of a file found by the lookup, from the extension the lookup put
// on it (".BMP" bitmap, ".GIF", ".JPG"/".JPEG" JPEG, ".Pi"/".PI" Pi, ".ICO"
// icon), compared without regard to ASCII case. None for anything else.
PictureKind pictureKindOfCandidate(const Text& path);

// The image browser's extension of a full file name: of its last five
// characters, what follows the first "." in them. A name without a "." in
// its last five characters yields those five characters; a name ending in
// "." yields "".
Text browserExtension(const Text& fullName);

// The browser's rule: the extension above compared case-sensitively with
// "bmp", "BMP", "ico", "ICO", "gif", "GIF", "jpg", "JPG", "jpeg", "JPEG",
// "PI", "Pi", "pi". None when it matches none of them.
PictureKind browserPictureKind(const Text& fullName);

} // namespace kuyu
