#include "cli/Command.h"

#include "core/files/Files.h"
#include "core/state/StartUpState.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kuyu::cli {

namespace {

std::vector<std::pair<int, CommandAdder>>& registry() {
    static std::vector<std::pair<int, CommandAdder>> commands;
    return commands;
}

std::string checkSelection(const std::string& value) {
    const bool ok = value.size() == 10 && std::all_of(value.begin(), value.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    return ok ? std::string{} : "the selection must be ten digits, one per category";
}

} // namespace

void addSelectionOption(CLI::App& sub, std::string& selection) {
    sub.add_option("--selection", selection, "ten condition digits (0 = none)")
        ->check(CLI::Validator(checkSelection, "DDDDDDDDDD", "selection"));
}

void addCommon(CLI::App& sub, Common& common, const std::string& dbHelp) {
    sub.add_option("--db", common.db, dbHelp)->required();
    addJsonFlag(sub, common);
}

void addJsonFlag(CLI::App& sub, Common& common) {
    sub.add_flag("--json", common.json, "print one JSON document");
}

Text pathArgument(const std::string& bytes) {
    return pathFromNative(bytes);
}

bool loadDatabase(AppState& state, const Common& common, int& status) {
    if (const auto failure = InitialiseState(state, pathArgument(common.db))) {
        status = reportLoadFailure(*failure, common.json);
        return false;
    }
    return true;
}

CommandRegistration::CommandRegistration(int order, CommandAdder add) {
    registry().emplace_back(order, add);
}

void addRegisteredCommands(CLI::App& app, Invocation& run) {
    auto commands = registry();
    std::stable_sort(commands.begin(), commands.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [order, add] : commands) {
        add(app, run);
    }
}

} // namespace kuyu::cli
