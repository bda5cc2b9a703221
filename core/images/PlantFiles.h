// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names of a plant's detail files, derived from the plant picture window's
// caption so that they follow whatever plant the caption shows.

#include "core/text/Text.h"

#include <vector>

namespace kuyu {

struct AppState;

// The caption up to its first "(", blanks trimmed at both ends. A caption
// that starts with the fuzzy marker "* " (a result caption written over the
// window's own) loses the marker, so its files are still found.
Text CaptionName(const Text& caption);

// The candidates of a close-up: the first seven characters of the caption
// name + letter ("Q" or "R") with each picture extension, in the current
// folder, then in the data folder.
std::vector<Text> CloseUpCandidates(const AppState& state, const Text& captionName,
                                    char32_t letter);

// The plant picture: NameKey with each picture extension (".PI" for Pi),
// current folder, then data folder.
std::vector<Text> PlantPictureCandidates(const AppState& state, const Text& nameKey);

// A single-extension detail file (".txt", ".avi"): the first eight
// characters of the caption name, current folder then data folder.
std::vector<Text> DetailFileCandidates(const AppState& state, const Text& captionName,
                                       const Text& extension);

} // namespace kuyu
