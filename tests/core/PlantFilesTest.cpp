// SPDX-License-Identifier: GPL-3.0-or-later
// The detail files of a plant follow the caption of its picture window.

#include "core/images/PlantFiles.h"
#include "core/state/AppState.h"

#include <gtest/gtest.h>

using namespace kuyu;

TEST(PlantFiles, CaptionNames) {
    const struct {
        const char32_t* caption;
        const char32_t* name;
    } cases[] = {
        {U"ｽﾐﾚ (ｽﾐﾚ)科", U"ｽﾐﾚ"},
        {U"  ｽﾐﾚ  ", U"ｽﾐﾚ"},
        {U"* ｽﾐﾚ         (ｽﾐﾚ)", U"ｽﾐﾚ"}, // a fuzzy result caption
        {U"(ｽﾐﾚ)", U""},
        {U"", U""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaptionName(c.caption), Text(c.name)) << toUtf8(c.caption);
    }
}

TEST(PlantFiles, CloseUpsTakeSevenCharactersNotesAndVideosEight) {
    AppState state;
    state.DataFolder = U"/data/";
    const Text name = U"ﾀﾁﾂﾎﾞｽﾐﾚﾓﾄﾞｷ";
    const auto closeUps = CloseUpCandidates(state, name, U'Q');
    ASSERT_FALSE(closeUps.empty());
    EXPECT_EQ(closeUps.front().substr(0, 8), U"ﾀﾁﾂﾎﾞｽﾐQ"); // ﾎﾞ counts as two
    const auto notes = DetailFileCandidates(state, name, U".txt");
    ASSERT_EQ(notes.size(), 2U);
    EXPECT_EQ(notes[0], U"ﾀﾁﾂﾎﾞｽﾐﾚ.txt"); // the current folder first
    EXPECT_EQ(notes[1], U"/data/ﾀﾁﾂﾎﾞｽﾐﾚ.txt");
    // A name shorter than the cut is used whole.
    EXPECT_EQ(DetailFileCandidates(state, U"ｽﾐﾚ", U".avi")[0], U"ｽﾐﾚ.avi");
}
