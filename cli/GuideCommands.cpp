#include "cli/GuideCommands.h"

#include "cli/Output.h"
#include "core/conditions/Conditions.h"
#include "core/guide/Guide.h"
#include "core/state/StartUpState.h"

#include <cstdio>

namespace kuyu::cli {

namespace {

using nlohmann::json;

int modeNumber(const std::string& mode) {
    return mode == "fuzzy" ? 1 : mode == "ai" ? 2 : 0;
}

bool load(AppState& state, const std::string& db, bool asJson, int& status) {
    if (const auto failure = InitialiseState(state, fromUtf8(db))) {
        status = reportLoadFailure(*failure, asJson);
        return false;
    }
    return true;
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

int findPlant(const AppState& state, const std::string& key) {
    const int row = FindPlantForGuide(state, fromUtf8(key));
    if (row == 0) {
        std::cerr << "kuyu-cli: no plant with the key " << key << '\n';
    }
    return row;
}

std::string twoDecimals(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

} // namespace

int runGuide(const GuideArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.db, a.json, status)) {
        return status;
    }
    const GuideIndex index(state);
    const GuideCounts counts = CountRemaining(index, makeQuery(state, a.selection, a.mode, a.name));
    const std::vector<int> ranking = RankCategories(counts);
    if (a.json) {
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

int runExplain(const ExplainArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.db, a.json, status)) {
        return status;
    }
    const int row = findPlant(state, a.key);
    if (row == 0) {
        return ExitNotFound;
    }
    const GuideIndex index(state);
    const GuideQuery query = makeQuery(state, a.selection, a.mode, a.name);
    const WhyOut w = ExplainPlant(state, index, row, query);
    const bool listed = query.mode == 1 ? w.keptFuzzy : query.mode == 2 ? w.keptAi : w.keptPlain;
    if (a.json) {
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

int runCompare(const CompareArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.db, a.json, status)) {
        return status;
    }
    const int rowA = findPlant(state, a.keys.at(0));
    const int rowB = rowA == 0 ? 0 : findPlant(state, a.keys.at(1));
    if (rowA == 0 || rowB == 0) {
        return ExitNotFound;
    }
    const auto rows = ComparePlants(state, rowA, rowB);
    if (a.json) {
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

} // namespace kuyu::cli
