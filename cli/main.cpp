// kuyu-cli: the plant search from the command line, for scripts and batch
// identification. Each subcommand loads the database the way start-up does
// (--db is the start-up command-line text), runs one core operation and
// prints its result as UTF-8 text lines or, with --json, one JSON document.

#include "cli/CheckCommand.h"
#include "cli/CsvCommands.h"
#include "cli/GuideCommands.h"
#include "cli/Output.h"
#include "cli/PictureCommands.h"
#include "core/Errors.h"
#include "core/database/Database.h"
#include "core/features/Features.h"
#include "core/finders/Families.h"
#include "core/finders/NameSearch.h"
#include "core/search/Search.h"
#include "core/state/StartUpState.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <string>

namespace kuyu::cli {
namespace {

using nlohmann::json;

struct Common {
    std::string db;
    bool json = false;
};

void addCommon(CLI::App& sub, Common& common) {
    sub.add_option("--db", common.db, "plant database file (as given on the start-up command line)")
        ->required();
    sub.add_flag("--json", common.json, "print one JSON document");
}

// Loads the database into a fresh state. Returns false (after reporting) when
// the load failed.
bool load(AppState& state, const Common& common, int& status) {
    if (const auto failure = InitialiseState(state, fromUtf8(common.db))) {
        status = reportLoadFailure(*failure, common.json);
        return false;
    }
    return true;
}

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

// --- search ---
struct SearchArgs {
    Common common;
    std::string selection = "0000000000";
    std::string mode = "plain";
    std::string name;
};

std::int16_t searchMode(const std::string& mode) {
    if (mode == "fuzzy") {
        return 1;
    }
    if (mode == "ai") {
        return 2;
    }
    if (mode == "all") {
        return 10;
    }
    return 0;
}

int runSearch(const SearchArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.common, status)) {
        return status;
    }
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

// --- list ---
struct ListArgs {
    Common common;
    std::string order;
};

int runList(const ListArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.common, status)) {
        return status;
    }
    std::int16_t mode = 10;
    SearchPlants(state, mode, Text{});
    const RegisteredListView view = ListRegisteredPlants(state, a.order == "file" ? 1 : 0);
    if (!a.common.json) {
        printLines(view.count, view.lines);
        return ExitOk;
    }
    printJson({{"count", state.ResultCount}, {"lines", textArray(view.lines)}});
    return ExitOk;
}

// --- families / family ---
int runFamilies(const Common& common) {
    AppState state;
    int status = ExitOk;
    if (!load(state, common, status)) {
        return status;
    }
    const FamilyListView view = ListFamilies(state, 0);
    if (!common.json) {
        printLines(view.count, view.families);
        return ExitOk;
    }
    printJson({{"count", view.families.size()}, {"families", textArray(view.families)}});
    return ExitOk;
}

struct FamilyArgs {
    Common common;
    std::string family;
};

int runFamily(const FamilyArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.common, status)) {
        return status;
    }
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

// --- names ---
struct NamesArgs {
    Common common;
    std::string name;
    bool partial = false;
};

int runNames(const NamesArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.common, status)) {
        return status;
    }
    state.NameKey = fromUtf8(a.name);
    FindPlantsByName(state, a.partial);
    const NameMatchListView view = ShowNameMatchList(state);
    state.NameKey.clear();
    if (!a.common.json) {
        printLines(view.count, view.rows);
        return ExitOk;
    }
    printJson({{"count", state.ResultCount}, {"rows", textArray(view.rows)}});
    return ExitOk;
}

// --- features ---
struct FeaturesArgs {
    Common common;
    std::string key;
};

int runFeatures(const FeaturesArgs& a) {
    AppState state;
    int status = ExitOk;
    if (!load(state, a.common, status)) {
        return status;
    }
    const int row = FindPlantByKey(state, fromUtf8(a.key));
    if (row == 0) {
        return reportFailure(ExitNotFound, kuyu::err::FileNotFound,
                             "no plant with the key " + a.key, a.common.json);
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

// Ten characters, each a digit: the condition digits of categories 1 to 10.
std::string checkSelection(const std::string& value) {
    const bool ok = value.size() == 10 && std::all_of(value.begin(), value.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    return ok ? std::string{} : "the selection must be ten digits, one per category";
}

int usage(const CLI::App& app, const CLI::Error& e) {
    std::cerr << "kuyu-cli: " << e.what() << "\n\n" << app.help();
    return ExitUsage;
}

} // namespace
} // namespace kuyu::cli

int main(int argc, char** argv) {
    using namespace kuyu::cli;
    CLI::App app{"Plant search from the command line"};
    app.name("kuyu-cli");
    app.require_subcommand(1);

    SearchArgs search;
    CLI::App* searchCmd = app.add_subcommand("search", "search plants by their features");
    addCommon(*searchCmd, search.common);
    searchCmd->add_option("--selection", search.selection, "ten condition digits (0 = none)")
        ->check(CLI::Validator(checkSelection, "DDDDDDDDDD", "selection"));
    searchCmd->add_option("--mode", search.mode, "plain, fuzzy, ai or all")
        ->check(CLI::IsMember({"plain", "fuzzy", "ai", "all"}));
    searchCmd->add_option("--name", search.name, "the name box text");

    ListArgs list;
    CLI::App* listCmd = app.add_subcommand("list", "list every registered plant");
    addCommon(*listCmd, list.common);
    listCmd->add_option("--order", list.order, "name or file")
        ->required()
        ->check(CLI::IsMember({"name", "file"}));

    Common families;
    CLI::App* familiesCmd = app.add_subcommand("families", "list the families");
    addCommon(*familiesCmd, families);

    FamilyArgs family;
    CLI::App* familyCmd = app.add_subcommand("family", "list the plants of a family");
    addCommon(*familyCmd, family.common);
    familyCmd->add_option("--family", family.family, "family name (or its beginning)")->required();

    NamesArgs names;
    CLI::App* namesCmd = app.add_subcommand("names", "find plants by name or alias");
    addCommon(*namesCmd, names.common);
    namesCmd->add_option("--name", names.name, "name in half-width katakana")->required();
    namesCmd->add_flag("--partial", names.partial, "also list partial matches");

    FeaturesArgs features;
    CLI::App* featuresCmd = app.add_subcommand("features", "the feature texts of one plant");
    addCommon(*featuresCmd, features.common);
    featuresCmd->add_option("--key", features.key, "plant key (first eight characters)")
        ->required();

    DecodePiArgs decode;
    CLI::App* decodeCmd = app.add_subcommand("decode-pi", "decode a Pi picture into a PPM file");
    decodeCmd->add_option("FILE", decode.input, "Pi file")->required();
    decodeCmd->add_option("OUT", decode.output, "PPM file to write")->required();
    decodeCmd->add_flag("--json", decode.json, "print one JSON document");

    FindPictureArgs find;
    CLI::App* findCmd = app.add_subcommand("find-picture", "the picture file a window would open");
    findCmd->add_option("--db", find.db, "plant database file (sets the data folder)")->required();
    findCmd->add_option("--base", find.base, "base name of the picture")->required();
    findCmd->add_option("--kind", find.kind, "plant, window or illustration")
        ->check(CLI::IsMember({"plant", "window", "illustration"}));
    findCmd->add_flag("--json", find.json, "print one JSON document");

    const auto selectionCheck = CLI::Validator(checkSelection, "DDDDDDDDDD", "selection");
    const auto modeCheck = CLI::IsMember({"plain", "fuzzy", "ai"});

    GuideArgs guide;
    CLI::App* guideCmd =
        app.add_subcommand("guide", "the count each option would leave, best character first");
    guideCmd->add_option("--db", guide.db, "plant database file")->required();
    guideCmd->add_option("--selection", guide.selection, "ten condition digits (0 = none)")
        ->check(selectionCheck);
    guideCmd->add_option("--mode", guide.mode, "plain, fuzzy or ai")->check(modeCheck);
    guideCmd->add_option("--name", guide.name, "the name box text");
    guideCmd->add_flag("--json", guide.json, "print one JSON document");

    ExplainArgs explain;
    CLI::App* explainCmd = app.add_subcommand("explain", "why a plant is not listed");
    explainCmd->add_option("--db", explain.db, "plant database file")->required();
    explainCmd->add_option("--key", explain.key, "plant name, key or alias")->required();
    explainCmd->add_option("--selection", explain.selection, "ten condition digits (0 = none)")
        ->check(selectionCheck);
    explainCmd->add_option("--mode", explain.mode, "plain, fuzzy or ai")->check(modeCheck);
    explainCmd->add_option("--name", explain.name, "the name box text");
    explainCmd->add_flag("--json", explain.json, "print one JSON document");

    CompareArgs compare;
    CLI::App* compareCmd = app.add_subcommand("compare", "two plants side by side");
    compareCmd->add_option("--db", compare.db, "plant database file")->required();
    compareCmd->add_option("--key", compare.keys, "plant name, key or alias (twice)")
        ->required()
        ->expected(2);
    compareCmd->add_flag("--json", compare.json, "print one JSON document");

    CheckArgs check;
    CLI::App* checkCmd =
        app.add_subcommand("check", "list the problems of a database and its data folder");
    checkCmd
        ->add_option("--db", check.db,
                     "plant database file (as given on the start-up command line)")
        ->required();
    checkCmd->add_flag("--json", check.json, "print one JSON document");

    CsvCommands csv;
    addCsvCommands(app, csv);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return usage(app, e);
    }

    // A failure no subcommand foresaw (memory, an unwritable stream) still
    // ends with a message and a status of its own, not an abort.
    try {
        if (searchCmd->parsed()) {
            return runSearch(search);
        }
        if (listCmd->parsed()) {
            return runList(list);
        }
        if (familiesCmd->parsed()) {
            return runFamilies(families);
        }
        if (familyCmd->parsed()) {
            return runFamily(family);
        }
        if (namesCmd->parsed()) {
            return runNames(names);
        }
        if (featuresCmd->parsed()) {
            return runFeatures(features);
        }
        if (guideCmd->parsed()) {
            return runGuide(guide);
        }
        if (explainCmd->parsed()) {
            return runExplain(explain);
        }
        if (compareCmd->parsed()) {
            return runCompare(compare);
        }
        if (decodeCmd->parsed()) {
            return runDecodePi(decode);
        }
        if (checkCmd->parsed()) {
            return runCheck(check);
        }
        if (const int status = runCsvCommands(csv); status >= 0) {
            return status;
        }
        return runFindPicture(find);
    } catch (const std::exception& e) {
        const bool json =
            (searchCmd->parsed() && search.common.json) ||
            (listCmd->parsed() && list.common.json) || (familiesCmd->parsed() && families.json) ||
            (familyCmd->parsed() && family.common.json) ||
            (namesCmd->parsed() && names.common.json) ||
            (featuresCmd->parsed() && features.common.json) || (guideCmd->parsed() && guide.json) ||
            (explainCmd->parsed() && explain.json) || (compareCmd->parsed() && compare.json) ||
            (checkCmd->parsed() && check.json) || (decodeCmd->parsed() && decode.json) ||
            (findCmd->parsed() && find.json);
        const bool memory = dynamic_cast<const std::bad_alloc*>(&e) != nullptr;
        return reportFailure(ExitInternal, memory ? 7 : kuyu::err::DeviceIo, e.what(), json);
    }
}
