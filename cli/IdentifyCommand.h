#pragma once
// identify: every plant ranked by how well it fits the answers, the
// characters worth looking at next, and whether the ranking is settled.

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace kuyu::cli {

struct IdentifyArgs {
    std::string db;
    std::vector<std::string> answers; // "K=V[,V…][?]", one per --answer
    bool json = false;
};

// Adds the subcommand with its options to `app`.
CLI::App* addIdentifyCommand(CLI::App& app, IdentifyArgs& args);
int runIdentify(const IdentifyArgs& args);

} // namespace kuyu::cli
