// SPDX-License-Identifier: GPL-3.0-or-later
// The search subcommands: search, list, families, family, names, features.

#include "cli/Command.h"
#include "core/Errors.h"
#include "core/features/Features.h"
#include "core/finders/Families.h"
#include "core/finders/NameSearch.h"
#include "core/search/Search.h"

#include <algorithm>
#include <string>

namespace kuyu::cli {
namespace {

using nlohmann::json;

json resultRows(const AppState& state) {
    json rows = json::array();
    for (int n = 1; n <= state.ResultCount; ++n) {
        rows.push_back({{"line", utf8(state.ResultLine[n])},
                        {"caption", utf8(state.ResultCaption[n])},
                        {"code", utf8(state.ResultCode[n])}});
    }
    return rows;
}

json textArray(const std::vector<Text>& lines) {
    json out = json::array();
    for (const Text& line : lines) {
        out.push_back(utf8(line));
    }
    return out;
}

void printLines(const CountLine& count, const std::vector<Text>& lines) {
    printLine(count.text);
    for (const Text& line : lines) {
        printLine(line);
    }
}

// The count line and the lines as text, or `document` for --json.
int printList(bool asJson, const CountLine& count, const std::vector<Text>& lines,
              const json& document) {
    if (asJson) {
        printJson(document);
    } else {
        printLines(count, lines);
    }
    return ExitOk;
}

// --- search ---
struct SearchArgs {
    Common common;
    std::string selection = "0000000000";
    std::string mode = "plain";
    std::string name;
};

std::int16_t searchMode(const std::string& mode) {
    if (mode == "fuzzy") {
        return search::Fuzzy;
    }
    if (mode == "ai") {
        return search::Ai;
    }
    if (mode == "all") {
        return search::ListAll;
    }
    return search::Plain;
}

int runSearch(const SearchArgs& a, AppState& state) {
    state.SelectionCode = fromUtf8(a.selection) + Text(20, U' ');
    std::int16_t mode = searchMode(a.mode);
    SearchPlants(state, mode, fromUtf8(a.name));
    const ResultListView view = ShowResultList(state, mode);
    if (!a.common.json) {
        printLines(view.count, view.lines);
        return ExitOk;
    }
    json scores = json::array();
    for (int j = 1; j <= state.PlantCount; ++j) {
        scores.push_back(state.MatchScore[j]);
    }
    printJson({{"count", state.ResultCount},
               {"rows", resultRows(state)},
               {"scores", scores},
               {"nameKey", utf8(state.NameKey)}});
    return ExitOk;
}

const CommandRegistration searchCommand{
    10, [](CLI::App& app, Invocation& run) {
        auto [sub, a] =
            addDatabaseCommand(app, run, "search", "search plants by their features", runSearch);
        addSelectionOption(*sub, a.selection);
        sub->add_option("--mode", a.mode, "plain, fuzzy, ai or all")
            ->check(CLI::IsMember({"plain", "fuzzy", "ai", "all"}));
        sub->add_option("--name", a.name, "the name box text");
    }};

// --- list ---
struct ListArgs {
    Common common;
    std::string order;
};

int runList(const ListArgs& a, AppState& state) {
    std::int16_t mode = search::ListAll;
    SearchPlants(state, mode, Text{});
    const RegisteredListView view = ListRegisteredPlants(state, a.order == "file" ? 1 : 0);
    return printList(a.common.json, view.count, view.lines,
                     {{"count", state.ResultCount}, {"lines", textArray(view.lines)}});
}

const CommandRegistration listCommand{
    20, [](CLI::App& app, Invocation& run) {
        auto [sub, a] =
            addDatabaseCommand(app, run, "list", "list every registered plant", runList);
        sub->add_option("--order", a.order, "name or file")
            ->required()
            ->check(CLI::IsMember({"name", "file"}));
    }};

// --- families / family ---
struct FamiliesArgs {
    Common common;
};

int runFamilies(const FamiliesArgs& a, AppState& state) {
    const FamilyListView view = ListFamilies(state, 0);
    return printList(a.common.json, view.count, view.families,
                     {{"count", view.families.size()}, {"families", textArray(view.families)}});
}

const CommandRegistration familiesCommand{
    30, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addDatabaseCommand(app, run, "families", "list the families", runFamilies);
    }};

struct FamilyArgs {
    Common common;
    std::string family;
};

int runFamily(const FamilyArgs& a, AppState& state) {
    const FamilyPlantsView view = ListFamilyPlants(state, fromUtf8(a.family));
    if (!a.common.json) {
        printLine(view.heading);
        printLines(view.count, view.list);
        return ExitOk;
    }
    printJson({{"count", state.ResultCount},
               {"rows", resultRows(state)},
               {"list", textArray(view.list)}});
    return ExitOk;
}

const CommandRegistration familyCommand{
    40, [](CLI::App& app, Invocation& run) {
        auto [sub, a] =
            addDatabaseCommand(app, run, "family", "list the plants of a family", runFamily);
        sub->add_option("--family", a.family, "family name (or its beginning)")->required();
    }};

// --- names ---
struct NamesArgs {
    Common common;
    std::string name;
    bool partial = false;
};

int runNames(const NamesArgs& a, AppState& state) {
    state.NameKey = fromUtf8(a.name);
    FindPlantsByName(state, a.partial);
    const NameMatchListView view = ShowNameMatchList(state);
    state.NameKey.clear();
    return printList(a.common.json, view.count, view.rows,
                     {{"count", state.ResultCount}, {"rows", textArray(view.rows)}});
}

const CommandRegistration namesCommand{
    50, [](CLI::App& app, Invocation& run) {
        auto [sub, a] =
            addDatabaseCommand(app, run, "names", "find plants by name or alias", runNames);
        sub->add_option("--name", a.name, "name in half-width katakana")->required();
        sub->add_flag("--partial", a.partial, "also list partial matches");
    }};

// --- features ---
struct FeaturesArgs {
    Common common;
    std::string key;
};

int runFeatures(const FeaturesArgs& a, AppState& state) {
    const int row = FindPlantByKey(state, fromUtf8(a.key));
    if (row == 0) {
        return reportNoPlant(a.key, a.common.json);
    }
    const PlantFeatures f = PlantPictureFeatures(state, row);
    const std::vector<Text> values(f.values.begin(), f.values.end());
    if (!a.common.json) {
        printLine(state.name(row));
        printLine(f.classification);
        for (const Text& v : values) {
            printLine(v);
        }
        return ExitOk;
    }
    printJson({{"name", utf8(state.name(row))},
               {"classification", utf8(f.classification)},
               {"values", textArray(values)}});
    return ExitOk;
}

const CommandRegistration featuresCommand{
    60, [](CLI::App& app, Invocation& run) {
        auto [sub, a] =
            addDatabaseCommand(app, run, "features", "the feature texts of one plant", runFeatures);
        sub->add_option("--key", a.key, "plant key (first eight characters)")->required();
    }};

} // namespace
} // namespace kuyu::cli
