// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a plant's characteristic code says about how to draw it.

#include "core/text/Text.h"

namespace sampledata {

// One digit per category; 0 when the code says unknown or indefinite,
// -1 when it says the plant has no such feature ("Y").
struct Traits {
    int colour = 0;        // 1 red, 2 yellow, 3 blue, 4 green, 5 white
    int altColour = 0;     // a second colour the plant also shows, or 0
    int petals = 0;        // 1..6, 7 = seven or more
    int inflorescence = 0; // 1 raceme, 2 spike, 3 umbel, 4 head
    int form = 0;          // 1..6 as the flower-form options
    int stamens = 0;       // 1..6, 7 = seven or more
    int arrangement = 0;   // 1 alternate, 2 opposite, 3 whorled, 4 basal
    int leafShape = 0;     // 1 entire, 2 toothed, 3 lobed, 4 compound
    int venation = 0;      // 1 net, 2 parallel
    int stemForm = 0;      // 1 climbing, 2 climbing hairy, 3 erect, 4 erect hairy
    int stemSection = 0;   // 1 round, 2 round hollow, 3..5 triangle, square, pentagon
    int classification = 0;

    // Ferns, horsetails and conifers bear spores or cones, not flowers; a
    // flower colour of "none" means no flowers either. Petals of "none" with
    // a colour is a flower without petals.
    bool hasFlower() const { return colour >= 0 && classification != 4 && classification != 5; }
};

// Reads the primary code of every category, resolving the several-value
// letters to the first digit of their value list.
Traits traitsOf(const kuyu::Text& code);

// The key the program finds a plant's files by: the first `count`
// characters of the name, trailing blanks removed.
kuyu::Text keyOf(const kuyu::Text& name, std::size_t count);

} // namespace sampledata
