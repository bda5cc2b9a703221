// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Command.h"
#include "core/conditions/Conditions.h"
#include "core/guide/Guide.h"

#include <cstdio>

namespace kuyu::cli {

namespace {

using nlohmann::json;

struct GuideArgs {
    Common common;
    std::string selection = "0000000000";
    std::string mode = "plain";
    std::string name;
};

struct ExplainArgs {
    Common common;
    std::string key;
    std::string selection = "0000000000";
    std::string mode = "plain";
    std::string name;
};

struct CompareArgs {
    Common common;
    std::vector<std::string> keys; // exactly two
};

int modeNumber(const std::string& mode) {
    return mode == "fuzzy" ? search::Fuzzy : mode == "ai" ? search::Ai : search::Plain;
}

GuideQuery makeQuery(const AppState& state, const std::string& selection, const std::string& mode,
                     const std::string& name) {
    GuideQuery q;
    q.selection = fromUtf8(selection) + Text(20, U' ');
    q.mode = modeNumber(mode);
    if (!name.empty()) {
        q.namePass = NamePassSet(state, fromUtf8(name));
    }
    return q;
}

// The plant a --key names, or 0 after reporting that there is none.
int findPlant(const AppState& state, const std::string& key, bool json) {
    const int row = FindPlantForGuide(state, fromUtf8(key));
    if (row == 0) {
        reportNoPlant(key, json);
    }
    return row;
}

std::string twoDecimals(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

int runGuide(const GuideArgs& a, AppState& state) {
    const GuideIndex index(state);
    const GuideCounts counts = CountRemaining(index, makeQuery(state, a.selection, a.mode, a.name));
    const std::vector<int> ranking = RankCategories(counts);
    if (a.common.json) {
        json categories = json::array();
        for (const auto& c : counts.categories) {
            json options = json::array();
            for (std::size_t v = 1; v <= c.counts.size(); ++v) {
                options.push_back({{"option", v},
                                   {"label", utf8(state.OptionLabel[c.category][v])},
                                   {"count", c.counts[v - 1]}});
            }
            categories.push_back({{"category", c.category},
                                  {"name", utf8(state.OptionLabel[c.category][0])},
                                  {"chosen", c.chosen},
                                  {"options", options}});
        }
        printJson({{"count", counts.total}, {"categories", categories}, {"ranking", ranking}});
        return ExitOk;
    }
    // One line per category: name, chosen digit, then label=count per option;
    // then the ranking with the expected number left.
    std::cout << counts.total << '\n';
    for (const auto& c : counts.categories) {
        std::cout << utf8(state.OptionLabel[c.category][0]) << '\t' << c.chosen;
        for (std::size_t v = 1; v <= c.counts.size(); ++v) {
            std::cout << '\t' << utf8(state.OptionLabel[c.category][v]) << '=' << c.counts[v - 1];
        }
        std::cout << '\n';
    }
    for (const int k : ranking) {
        std::cout << utf8(state.OptionLabel[k][0]) << '\t'
                  << twoDecimals(ExpectedRemaining(counts, k)) << '\n';
    }
    return ExitOk;
}

int runExplain(const ExplainArgs& a, AppState& state) {
    const int row = findPlant(state, a.key, a.common.json);
    if (row == 0) {
        return ExitNotFound;
    }
    const GuideIndex index(state);
    const GuideQuery query = makeQuery(state, a.selection, a.mode, a.name);
    const WhyOut w = ExplainPlant(state, index, row, query);
    const bool listed = query.mode == search::Fuzzy ? w.keptFuzzy
                        : query.mode == search::Ai  ? w.keptAi
                                                    : w.keptPlain;
    if (a.common.json) {
        json differences = json::array();
        for (const auto& d : w.differences) {
            differences.push_back({{"category", d.category},
                                   {"name", utf8(state.OptionLabel[d.category][0])},
                                   {"option", d.chosen},
                                   {"chosen", utf8(d.chosenLabel)},
                                   {"plant", utf8(d.plantState)},
                                   {"ai", d.aiAccepts}});
        }
        printJson({{"name", utf8(state.name(row))},
                   {"listed", listed},
                   {"nameMatches", w.nameMatches},
                   {"kept", {{"plain", w.keptPlain}, {"fuzzy", w.keptFuzzy}, {"ai", w.keptAi}}},
                   {"differences", differences}});
        return ExitOk;
    }
    printLine(state.name(row));
    std::cout << "plain=" << w.keptPlain << " fuzzy=" << w.keptFuzzy << " ai=" << w.keptAi
              << " name=" << w.nameMatches << '\n';
    for (const auto& d : w.differences) {
        std::cout << utf8(state.OptionLabel[d.category][0]) << '\t' << utf8(d.chosenLabel) << '\t'
                  << utf8(d.plantState) << '\n';
    }
    return ExitOk;
}

int runCompare(const CompareArgs& a, AppState& state) {
    const int rowA = findPlant(state, a.keys.at(0), a.common.json);
    const int rowB = rowA == 0 ? 0 : findPlant(state, a.keys.at(1), a.common.json);
    if (rowA == 0 || rowB == 0) {
        return ExitNotFound;
    }
    const auto rows = ComparePlants(state, rowA, rowB);
    if (a.common.json) {
        json out = json::array();
        for (const auto& r : rows) {
            out.push_back({{"category", r.category},
                           {"name", utf8(r.name)},
                           {"a", utf8(r.a)},
                           {"b", utf8(r.b)},
                           {"differ", r.differ}});
        }
        printJson({{"plants", {utf8(state.name(rowA)), utf8(state.name(rowB))}}, {"rows", out}});
        return ExitOk;
    }
    std::cout << '\t' << utf8(state.name(rowA)) << '\t' << utf8(state.name(rowB)) << '\n';
    for (const auto& r : rows) {
        std::cout << (r.differ ? "*" : "") << utf8(r.name) << '\t' << utf8(r.a) << '\t' << utf8(r.b)
                  << '\n';
    }
    return ExitOk;
}

// --selection, --mode and --name: what the guide is asked about.
void addQueryOptions(CLI::App& sub, std::string& selection, std::string& mode, std::string& name) {
    addSelectionOption(sub, selection);
    sub.add_option("--mode", mode, "plain, fuzzy or ai")
        ->check(CLI::IsMember({"plain", "fuzzy", "ai"}));
    sub.add_option("--name", name, "the name box text");
}

const std::string GuideDbHelp = "plant database file";

const CommandRegistration guideCommand{
    90, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addDatabaseCommand(
            app, run, "guide", "the count each option would leave, best character first", runGuide,
            GuideDbHelp);
        addQueryOptions(*sub, a.selection, a.mode, a.name);
    }};

const CommandRegistration explainCommand{
    100, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addDatabaseCommand(app, run, "explain", "why a plant is not listed",
                                           runExplain, GuideDbHelp);
        sub->add_option("--key", a.key, "plant name, key or alias")->required();
        addQueryOptions(*sub, a.selection, a.mode, a.name);
    }};

const CommandRegistration compareCommand{
    110, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addDatabaseCommand(app, run, "compare", "two plants side by side",
                                           runCompare, GuideDbHelp);
        sub->add_option("--key", a.keys, "plant name, key or alias (twice)")
            ->required()
            ->expected(2);
    }};

} // namespace
} // namespace kuyu::cli
