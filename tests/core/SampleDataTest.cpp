// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled sample data must load, be internally consistent, and hold the
// cases the program's rules are about (shared name beginnings, family names
// that begin with another family's name, value lists, aliases).

#include "CoreTestFiles.h"
#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/search/Search.h"
#include "core/state/StartUpState.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace kuyu;

namespace {

const std::filesystem::path SampleDir = std::filesystem::path(KUYU_SOURCE_DIR) / "data" / "sample";

class SampleData : public ::testing::Test {
  protected:
    kuyu::testing::TempFolder elsewhere;
    AppState state;
    void SetUp() override {
        // Started from another folder with the database path as its command
        // line: the data folder is where the database lies.
        kuyu::testing::CurrentDirectory cwd(elsewhere.path());
        const auto message = InitialiseState(state, fromUtf8((SampleDir / "KUYU.DAT").string()));
        ASSERT_FALSE(message.has_value()) << toUtf8(message->text);
    }
    std::set<Text> names() const {
        std::set<Text> out;
        for (int i = 1; i <= state.PlantCount; ++i) {
            out.insert(state.PlantName[i]);
        }
        return out;
    }
};

TEST_F(SampleData, LoadsAWholeFieldGuideWithWellFormedCodes) {
    EXPECT_GE(state.PlantCount, 120);
    EXPECT_EQ(names().size(), static_cast<std::size_t>(state.PlantCount))
        << "a plant is listed twice";
    const Text allowed = U"012345678XYABCDHIJ";
    for (int i = 1; i <= state.PlantCount; ++i) {
        const Text& code = state.PlantCode[i];
        const std::string who = toUtf8(state.PlantName[i]);
        ASSERT_EQ(code.size(), CodeLength) << who;
        for (std::size_t p = 0; p < 20; ++p) {
            EXPECT_NE(allowed.find(code[p]), Text::npos) << who << " position " << p + 1;
        }
        for (std::size_t p = 20; p < 29; ++p) {
            EXPECT_TRUE(code[p] >= U'0' && code[p] <= U'8') << who << " list position " << p + 1;
        }
        EXPECT_TRUE(code[29] >= U'1' && code[29] <= U'5') << who << " classification";
        for (char32_t c : state.PlantName[i]) {
            EXPECT_TRUE(isHalfWidthKatakana(c))
                << who << " has a character that is not half-width katakana";
        }
        EXPECT_FALSE(state.PlantFamily[i].empty()) << who;
        EXPECT_EQ(state.PlantFamily[i].find(U'科'), Text::npos) << who;
    }
}

TEST_F(SampleData, EveryValueListLetterHasDigitsInItsList) {
    const std::map<char32_t, std::vector<int>> listsOf = {{U'A', {0}},   {U'H', {0}}, {U'B', {1}},
                                                          {U'I', {1}},   {U'C', {2}}, {U'J', {2}},
                                                          {U'D', {0, 1}}};
    std::set<char32_t> used;
    for (int i = 1; i <= state.PlantCount; ++i) {
        const Text& code = state.PlantCode[i];
        for (std::size_t p = 0; p < 20; ++p) {
            const auto it = listsOf.find(code[p]);
            if (it == listsOf.end()) {
                continue;
            }
            used.insert(code[p]);
            bool hasDigit = false;
            for (int list : it->second) {
                for (int d = 0; d < 3; ++d) {
                    const char32_t c = code[20 + 3 * list + d];
                    hasDigit = hasDigit || (c >= U'1' && c <= U'8');
                }
            }
            EXPECT_TRUE(hasDigit) << toUtf8(state.PlantName[i]) << " uses " << char(code[p]);
        }
    }
    // The data shows off every kind of several-valued character.
    EXPECT_EQ(used.size(), listsOf.size());
}

TEST_F(SampleData, HoldsTheNameAndFamilyCasesTheRulesAreAbout) {
    const auto all = names();
    int prefixPairs = 0;
    for (const auto& a : all) {
        for (const auto& b : all) {
            prefixPairs += (a != b && b.starts_with(a)) ? 1 : 0;
        }
    }
    EXPECT_GE(prefixPairs, 3) << "names that are the beginning of another plant's name";

    std::set<Text> families;
    for (int i = 1; i <= state.PlantCount; ++i) {
        families.insert(state.PlantFamily[i]);
    }
    int familyPrefixes = 0;
    for (const auto& a : families) {
        for (const auto& b : families) {
            familyPrefixes += (a != b && b.starts_with(a)) ? 1 : 0;
        }
    }
    EXPECT_GE(familyPrefixes, 2);
}

TEST_F(SampleData, AliasesNameExistingPlantsAndOneNamesTwo) {
    const AliasTable aliases = ReadAliases(state);
    EXPECT_GE(aliases.count, 80);
    const auto all = names();
    std::map<Text, std::set<Text>> plantsOf;
    for (int e = 1; e <= aliases.count; ++e) {
        EXPECT_TRUE(all.contains(aliases.PlantName[e])) << toUtf8(aliases.Alias[e]);
        plantsOf[aliases.Alias[e]].insert(aliases.PlantName[e]);
    }
    bool aliasForTwo = false;
    for (const auto& [alias, plants] : plantsOf) {
        aliasForTwo = aliasForTwo || plants.size() >= 2;
    }
    EXPECT_TRUE(aliasForTwo);
}

TEST_F(SampleData, NotesAreFoundUnderThePlantKey) {
    int notes = 0;
    for (int i = 1; i <= state.PlantCount; ++i) {
        Text key = left(state.PlantName[i], 8);
        while (!key.empty() && key.back() == U' ') {
            key.pop_back();
        }
        notes += FileExists(state.DataFolder + key + U".txt") == -1 ? 1 : 0;
    }
    EXPECT_GE(notes, 30);
}

TEST_F(SampleData, AVioletIsFoundFromWhatAWalkerSees) {
    // Blue flower, five petals, violet-shaped, leaves in a basal rosette.
    state.SelectionCode = U"3505040000" + Text(20, U' ');
    std::int16_t mode = 0;
    SearchPlants(state, mode, U"");
    ASSERT_GT(state.ResultCount, 0);
    for (int n = 1; n <= state.ResultCount; ++n) {
        EXPECT_NE(state.ResultCaption[n].find(U"ｽﾐﾚ"), Text::npos)
            << toUtf8(state.ResultCaption[n]);
    }
}

} // namespace
