// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Command.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
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

// Ten digits, each 0 (none) or one of its category's options.
std::string checkSelection(const std::string& value) {
    const bool digits = value.size() == 10 && std::all_of(value.begin(), value.end(), [](char c) {
                            return c >= '0' && c <= '9';
                        });
    if (!digits) {
        return "the selection must be ten digits, one per category";
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        const int d = value[static_cast<std::size_t>(k - 1)] - '0';
        if (d > Category(k).optionCount) {
            return "digit " + std::to_string(k) + " of the selection must be 0 to " +
                   std::to_string(Category(k).optionCount);
        }
    }
    return {};
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

int reportNoPlant(const std::string& key, bool json) {
    return reportFailure(ExitNotFound, err::FileNotFound,
                         "植物「" + key + "」はデータファイルにありません", json);
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
