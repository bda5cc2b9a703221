// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Command.h"
#include "core/database/DataCheck.h"

#include <iostream>

namespace kuyu::cli {

namespace {

const char* fileLabel(const std::string& file) {
    if (file == "database") {
        return "データファイル";
    }
    if (file == "aliases") {
        return "SNAME.DAT";
    }
    return "データフォルダ";
}

void printProblem(const DataProblem& p) {
    std::cout << fileLabel(p.file);
    if (p.line > 0) {
        // A folder problem's line is that of the plant it concerns.
        std::cout << (p.file == "folder" ? "（データファイル " : " ") << p.line << "行目"
                  << (p.file == "folder" ? "の植物）" : "");
    }
    if (p.field > 0) {
        std::cout << " 欄" << p.field;
    }
    std::cout << ": " << utf8(p.message) << '\n';
}

struct CheckArgs {
    Common common;
};

// Exit 0 when the program loads the database (at start-up and through data
// file selection), 2 when it does not.
int runCheck(const CheckArgs& args) {
    const DataCheckReport report = CheckDataFiles(pathArgument(args.common.db));
    const bool loads = report.loadsAtStartUp && report.loadsBySelection;
    if (args.common.json) {
        nlohmann::json problems = nlohmann::json::array();
        for (const DataProblem& p : report.problems) {
            problems.push_back({{"file", p.file},
                                {"line", p.line},
                                {"record", p.record},
                                {"field", p.field},
                                {"kind", p.kind},
                                {"message", utf8(p.message)},
                                {"stopsLoading", p.stopsLoading}});
        }
        printJson({{"loads", loads},
                   {"loadsAtStartUp", report.loadsAtStartUp},
                   {"loadsBySelection", report.loadsBySelection},
                   {"plants", report.plantCount},
                   {"aliases", report.aliasCount},
                   {"problems", problems}});
    } else {
        for (const DataProblem& p : report.problems) {
            printProblem(p);
        }
        std::cout << "植物 " << report.plantCount << " 件、別名 " << report.aliasCount
                  << " 件、問題 " << report.problems.size() << " 件\n";
        if (loads) {
            std::cout << "このデータファイルは読み込めます\n";
        } else if (report.loadsAtStartUp) {
            std::cout << "起動時には読み込めますが、ﾃﾞｰﾀﾌｧｲﾙ選択では読み込めません\n";
        } else {
            std::cout << "このデータファイルは読み込めません\n";
        }
    }
    return loads ? ExitOk : ExitLoadFailed;
}

const CommandRegistration checkCommand{
    120, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addCommand(app, run, "check",
                                   "list the problems of a database and its data folder", runCheck);
        addCommon(*sub, a.common);
    }};

} // namespace
} // namespace kuyu::cli
