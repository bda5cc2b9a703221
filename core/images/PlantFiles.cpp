// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/images/PlantFiles.h"

#include "core/images/PictureLookup.h"
#include "core/state/AppState.h"

namespace kuyu {

namespace {

Text trimBlanks(const Text& t) {
    const auto first = t.find_first_not_of(U' ');
    if (first == Text::npos) {
        return {};
    }
    const auto last = t.find_last_not_of(U' ');
    return t.substr(first, last - first + 1);
}

} // namespace

Text CaptionName(const Text& caption) {
    Text name = trimBlanks(caption.substr(0, caption.find(U'(')));
    if (name.starts_with(U"* ")) {
        name = trimBlanks(name.substr(2));
    }
    return name;
}

std::vector<Text> CloseUpCandidates(const AppState& state, const Text& captionName,
                                    char32_t letter) {
    return pictureCandidates(left(captionName, 7) + letter, state.DataFolder, PictureSet::Plant);
}

std::vector<Text> PlantPictureCandidates(const AppState& state, const Text& nameKey) {
    return pictureCandidates(nameKey, state.DataFolder, PictureSet::PlantWindow);
}

std::vector<Text> DetailFileCandidates(const AppState& state, const Text& captionName,
                                       const Text& extension) {
    return fileCandidates(left(captionName, 8) + extension, state.DataFolder);
}

} // namespace kuyu
