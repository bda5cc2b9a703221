#include "gui/plantview/PlantFiles.h"

#include "core/state/AppState.h"

namespace kuyu::gui {

namespace {

Text trimBlanks(const Text& t) {
    const auto first = t.find_first_not_of(U' ');
    if (first == Text::npos) {
        return {};
    }
    const auto last = t.find_last_not_of(U' ');
    return t.substr(first, last - first + 1);
}

std::vector<Text> inBothFolders(const AppState& state, const Text& base,
                                std::initializer_list<const char32_t*> extensions) {
    std::vector<Text> out;
    for (const Text& folder : {Text(), state.DataFolder}) {
        for (const char32_t* ext : extensions) {
            out.push_back(folder + base + ext);
        }
    }
    return out;
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
    return inBothFolders(state, left(captionName, 7) + letter,
                         {U".BMP", U".GIF", U".JPG", U".JPEG", U".Pi"});
}

std::vector<Text> PlantPictureCandidates(const AppState& state, const Text& nameKey) {
    return inBothFolders(state, nameKey, {U".BMP", U".GIF", U".JPG", U".JPEG", U".PI"});
}

std::vector<Text> DetailFileCandidates(const AppState& state, const Text& captionName,
                                       const Text& extension) {
    return {left(captionName, 8) + extension, state.DataFolder + left(captionName, 8) + extension};
}

} // namespace kuyu::gui
