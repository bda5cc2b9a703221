// SPDX-License-Identifier: GPL-3.0-or-later
// identify: every plant ranked by how well it fits the answers, the
// characters worth looking at next, and whether the ranking is settled.

#include "cli/Command.h"
#include "core/guide/Ranking.h"
#include "core/state/PlantCode.h"
#include "core/text/Text.h"

#include <CLI/CLI.hpp>

#include <cmath>

namespace kuyu::cli {

namespace {

// The members in the order the documentation gives them.
using OrderedJson = nlohmann::ordered_json;

std::string checkAnswer(const std::string& value) {
    return ParseAnswer(value) ? std::string{}
                              : "an answer is K=V[,V...][?]: a category 1-10 and its options";
}

// Three decimals are enough to order and compare; the JSON stays readable.
double rounded(double score) {
    const double r = std::round(score * 1000.0) / 1000.0;
    return r == 0.0 ? 0.0 : r; // no "-0"
}

struct IdentifyArgs {
    Common common;
    std::vector<std::string> answers; // "K=V[,V…][?]", one per --answer
};

int runIdentify(const IdentifyArgs& a, AppState& state) {
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

    if (a.common.json) {
        OrderedJson candidates = OrderedJson::array();
        for (const Candidate& c : r.candidates) {
            candidates.push_back({{"rank", c.rank},
                                  {"name", utf8(state.name(c.row))},
                                  {"key", utf8(PlantKey(state.name(c.row)))},
                                  {"family", utf8(state.family(c.row))},
                                  {"score", rounded(c.score)},
                                  {"fits", c.fits},
                                  {"disagree", c.disagree}});
        }
        OrderedJson groups = OrderedJson::array();
        for (const auto& g : r.groups) {
            OrderedJson names = OrderedJson::array();
            for (const int row : g) {
                names.push_back(utf8(state.name(row)));
            }
            groups.push_back(names);
        }
        const OrderedJson doc = {{"answered", r.answered},
                                 {"candidates", candidates},
                                 {"groups", groups},
                                 {"next", r.next},
                                 {"settled", r.settled}};
        std::cout << doc.dump(-1, ' ', false, OrderedJson::error_handler_t::replace) << '\n';
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

const CommandRegistration identify{
    125, [](CLI::App& app, Invocation& run) {
        auto [sub, args] = addDatabaseCommand(
            app, run, "identify",
            "every plant ranked by how well it fits the answers, what to look at next",
            runIdentify);
        sub->add_option("--answer", args.answers,
                        "K=V[,V...][?]: category K looks like option V (several: one of them; the "
                        "last option or 0: cannot tell; a trailing ? : not sure)")
            ->check(CLI::Validator(checkAnswer, "K=V[,V...][?]", "answer"))
            ->take_all();
    }};

} // namespace

} // namespace kuyu::cli
