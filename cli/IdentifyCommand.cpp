#include "cli/IdentifyCommand.h"

#include "cli/Output.h"
#include "core/guide/Ranking.h"
#include "core/state/StartUpState.h"
#include "core/text/Text.h"

#include <CLI/CLI.hpp>

#include <cmath>

namespace kuyu::cli {

namespace {

// The members in the order the documentation gives them.
using json = nlohmann::ordered_json;

std::string checkAnswer(const std::string& value) {
    return ParseAnswer(value) ? std::string{}
                              : "an answer is K=V[,V...][?]: a category 1-10 and its options";
}

Text plantKey(const AppState& state, int row) {
    Text key = left(state.name(row), 8);
    while (!key.empty() && key.back() == U' ') {
        key.pop_back();
    }
    return key;
}

// Three decimals are enough to order and compare; the JSON stays readable.
double rounded(double score) {
    const double r = std::round(score * 1000.0) / 1000.0;
    return r == 0.0 ? 0.0 : r; // no "-0"
}

} // namespace

CLI::App* addIdentifyCommand(CLI::App& app, IdentifyArgs& args) {
    CLI::App* cmd = app.add_subcommand(
        "identify", "every plant ranked by how well it fits the answers, what to look at next");
    cmd->add_option("--db", args.db, "plant database file (as given on the start-up command line)")
        ->required();
    cmd->add_option("--answer", args.answers,
                    "K=V[,V...][?]: category K looks like option V (several: one of them; the "
                    "last option or 0: cannot tell; a trailing ? : not sure)")
        ->check(CLI::Validator(checkAnswer, "K=V[,V...][?]", "answer"))
        ->take_all();
    cmd->add_flag("--json", args.json, "print one JSON document");
    return cmd;
}

int runIdentify(const IdentifyArgs& a) {
    AppState state;
    if (const auto failure = InitialiseState(state, fromUtf8(a.db))) {
        return reportLoadFailure(*failure, a.json);
    }
    Answers answers;
    for (const std::string& text : a.answers) {
        const auto parsed = ParseAnswer(text);
        if (!parsed) {
            std::cerr << "kuyu-cli: not an answer: " << text << '\n';
            return ExitUsage;
        }
        if (answers.at(parsed->category).asked) {
            std::cerr << "kuyu-cli: category " << parsed->category << " is answered twice\n";
            return ExitUsage;
        }
        answers.set(parsed->category, parsed->answer);
    }
    const GuideIndex guide(state);
    const RankIndex index(guide);
    const Ranking r = RankPlants(index, answers);

    if (a.json) {
        json candidates = json::array();
        for (const Candidate& c : r.candidates) {
            candidates.push_back({{"rank", c.rank},
                                  {"name", utf8(state.name(c.row))},
                                  {"key", utf8(plantKey(state, c.row))},
                                  {"family", utf8(state.family(c.row))},
                                  {"score", rounded(c.score)},
                                  {"fits", c.fits},
                                  {"disagree", c.disagree}});
        }
        json groups = json::array();
        for (const auto& g : r.groups) {
            json names = json::array();
            for (const int row : g) {
                names.push_back(utf8(state.name(row)));
            }
            groups.push_back(names);
        }
        const json doc = {{"answered", r.answered},
                          {"candidates", candidates},
                          {"groups", groups},
                          {"next", r.next},
                          {"settled", r.settled}};
        std::cout << doc.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
        return ExitOk;
    }
    // Text: a status line, the first candidates, the groups, the next
    // characters.
    std::cout << (r.settled ? "settled" : "not settled") << '\n';
    for (std::size_t i = 0; i < r.candidates.size() && i < 10; ++i) {
        const Candidate& c = r.candidates[i];
        std::cout << c.rank << '\t' << utf8(state.name(c.row)) << '\t' << utf8(state.family(c.row))
                  << '\t' << rounded(c.score) << '\t' << c.fits;
        for (const int k : c.disagree) {
            std::cout << '\t' << utf8(state.OptionLabel[k][0]);
        }
        std::cout << '\n';
    }
    for (const auto& g : r.groups) {
        printLine(IdenticalGroupNotice(static_cast<int>(g.size())));
    }
    for (const int k : r.next) {
        std::cout << "next\t" << k << '\t' << utf8(state.OptionLabel[k][0]) << '\n';
    }
    return ExitOk;
}

} // namespace kuyu::cli
