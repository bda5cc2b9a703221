// SPDX-License-Identifier: GPL-3.0-or-later
#include "Traits.h"

namespace sampledata {
namespace {

// First option digit of value list n (1..3), or 0.
int firstOfList(const kuyu::Text& code, int n) {
    const std::size_t from = 20 + 3 * static_cast<std::size_t>(n - 1);
    for (std::size_t i = from; i < from + 3 && i < code.size(); ++i) {
        if (code[i] >= U'1' && code[i] <= U'8') {
            return static_cast<int>(code[i] - U'0');
        }
    }
    return 0;
}

int resolve(const kuyu::Text& code, char32_t c) {
    if (c >= U'1' && c <= U'8') {
        return static_cast<int>(c - U'0');
    }
    switch (c) {
    case U'Y':
        return -1;
    case U'A':
    case U'H':
    case U'D':
        return firstOfList(code, 1);
    case U'B':
    case U'I':
        return firstOfList(code, 2);
    case U'C':
    case U'J':
        return firstOfList(code, 3);
    default:
        return 0;
    }
}

int category(const kuyu::Text& code, int k) {
    const std::size_t primary = 2 * static_cast<std::size_t>(k) - 1; // 0-based
    return primary < code.size() ? resolve(code, code[primary]) : 0;
}

// A second flower colour: the secondary code, or the second digit of the
// value list a several-value letter points at.
int alternativeColour(const kuyu::Text& code, int primary) {
    if (code.size() < 30) {
        return 0;
    }
    const int secondary = resolve(code, code[0]);
    if (secondary > 0 && secondary != primary) {
        return secondary;
    }
    const char32_t c = code[1];
    int list = 0;
    if (c == U'A' || c == U'H' || c == U'D')
        list = 1;
    if (c == U'B' || c == U'I')
        list = 2;
    if (c == U'C' || c == U'J')
        list = 3;
    if (list == 0) {
        return 0;
    }
    const std::size_t from = 20 + 3 * static_cast<std::size_t>(list - 1);
    for (std::size_t i = from; i < from + 3; ++i) {
        const char32_t d = code[i];
        if (d >= U'1' && d <= U'5' && static_cast<int>(d - U'0') != primary) {
            return static_cast<int>(d - U'0');
        }
    }
    return 0;
}

} // namespace

Traits traitsOf(const kuyu::Text& code) {
    Traits t;
    t.colour = category(code, 1);
    t.petals = category(code, 2);
    t.inflorescence = category(code, 3);
    t.form = category(code, 4);
    t.stamens = category(code, 5);
    t.arrangement = category(code, 6);
    t.leafShape = category(code, 7);
    t.venation = category(code, 8);
    t.stemForm = category(code, 9);
    t.stemSection = category(code, 10);
    t.altColour = t.colour > 0 ? alternativeColour(code, t.colour) : 0;
    if (code.size() >= 30 && code[29] >= U'1' && code[29] <= U'5') {
        t.classification = static_cast<int>(code[29] - U'0');
    }
    return t;
}

kuyu::Text keyOf(const kuyu::Text& name, std::size_t count) {
    kuyu::Text key = name.substr(0, count);
    while (!key.empty() && key.back() == U' ') {
        key.pop_back();
    }
    return key;
}

} // namespace sampledata
