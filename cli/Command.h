// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every subcommand shares: the --db and --json options, loading the
// database the way start-up does, and the list the subcommands put
// themselves on.
//
// A new subcommand lives in its own cli/*.cpp file and registers itself; main()
// needs no change:
//
//   struct ShowArgs {
//       Common common;
//       std::string key;
//   };
//
//   int runShow(const ShowArgs& a, AppState& state) {
//       ... // the database of --db is loaded
//       return ExitOk;
//   }
//
//   const CommandRegistration show{130, [](CLI::App& app, Invocation& run) {
//       auto [sub, args] = addDatabaseCommand(app, run, "show", "what it does", runShow);
//       sub->add_option("--key", args.key, "plant key")->required();
//   }};
//
// A subcommand that loads no database uses addCommand (and addJsonFlag).
//
// The number places the subcommand in the help list (the built-in ones use
// 10, 20, ... 120). The body runs once the whole command line has been read;
// its return value is the exit status.

#include "cli/Output.h"
#include "core/state/AppState.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <string>

namespace kuyu::cli {

// The options most subcommands take.
struct Common {
    std::string db;
    bool json = false;
};

// Help text of --db for the subcommands that load the database as start-up.
inline const std::string StartUpDbHelp =
    "plant database file (as given on the start-up command line)";

// --db (required) and --json.
void addCommon(CLI::App& sub, Common& common, const std::string& dbHelp = StartUpDbHelp);
// --json alone.
void addJsonFlag(CLI::App& sub, Common& common);

// --selection: ten characters, each a digit, the condition digits of
// categories 1 to 10 (0 = none).
void addSelectionOption(CLI::App& sub, std::string& selection);

// Reports that no plant answers to `key` (error 53, exit status 1), in the
// program's words, with the error document for --json.
int reportNoPlant(const std::string& key, bool json);

// The database path as the command line gave it. The bytes of each path
// component are read as UTF-8 when they are UTF-8 and as CP932 otherwise (a
// folder unpacked from Windows media), so the file found is the one named.
Text pathArgument(const std::string& bytes);

// Loads the database named by --db into a fresh state. Returns false (after
// reporting; `status` then holds the exit status) when the load failed.
bool loadDatabase(AppState& state, const Common& common, int& status);

// What the parsed subcommand left for main(): its exit status, and whether
// it was asked for JSON (so an unforeseen failure still prints the error
// document).
struct Invocation {
    int status = ExitOk;
    bool json = false;
};

template <class Args> struct Command {
    CLI::App* sub;
    Args& args;
};

// Adds subcommand `name` whose `body` runs with its parsed arguments. Args
// holds a `Common common`.
template <class Args>
Command<Args> addCommand(CLI::App& app, Invocation& run, const std::string& name,
                         const std::string& about, int (*body)(const Args&)) {
    auto args = std::make_shared<Args>();
    CLI::App* sub = app.add_subcommand(name, about);
    sub->callback([&run, args, body] {
        run.json = args->common.json;
        run.status = body(*args);
    });
    return {sub, *args};
}

// Adds subcommand `name` with --db and --json; `body` runs with the database
// loaded (a failed load is reported and ends with its status).
template <class Args>
Command<Args> addDatabaseCommand(CLI::App& app, Invocation& run, const std::string& name,
                                 const std::string& about, int (*body)(const Args&, AppState&),
                                 const std::string& dbHelp = StartUpDbHelp) {
    auto args = std::make_shared<Args>();
    CLI::App* sub = app.add_subcommand(name, about);
    addCommon(*sub, args->common, dbHelp);
    sub->callback([&run, args, body] {
        run.json = args->common.json;
        AppState state;
        run.status = ExitOk;
        if (loadDatabase(state, args->common, run.status)) {
            run.status = body(*args, state);
        }
    });
    return {sub, *args};
}

using CommandAdder = void (*)(CLI::App& app, Invocation& run);

// Puts a subcommand on the list; construct one as a namespace-scope constant.
class CommandRegistration {
  public:
    CommandRegistration(int order, CommandAdder add);
};

// Adds every registered subcommand, in their order.
void addRegisteredCommands(CLI::App& app, Invocation& run);

} // namespace kuyu::cli
