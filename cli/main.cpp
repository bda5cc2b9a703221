// SPDX-License-Identifier: GPL-3.0-or-later
// kuyu-cli: the plant search from the command line, for scripts and batch
// identification. Each subcommand loads the database the way start-up does
// (--db is the start-up command-line text), runs one core operation and
// prints its result as UTF-8 text lines or, with --json, one JSON document.
// The subcommands register themselves (cli/Command.h).

#include "cli/Command.h"
#include "core/Errors.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <new>

#ifndef KUYU_VERSION
#define KUYU_VERSION "0"
#endif

int main(int argc, char** argv) {
    using namespace kuyu::cli;
    CLI::App app{"Plant search from the command line"};
    app.name("kuyu-cli");
    app.set_version_flag("--version", std::string("kuyu-cli ") + KUYU_VERSION);
    app.require_subcommand(1);
    Invocation run;
    addRegisteredCommands(app, run);

    // The parsed subcommand's body runs inside parse(). A failure no
    // subcommand foresaw (memory, an unwritable stream) still ends with a
    // message and a status of its own, not an abort.
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "kuyu-cli: " << e.what() << "\n\n" << app.help();
        return ExitUsage;
    } catch (const std::exception& e) {
        const bool memory = dynamic_cast<const std::bad_alloc*>(&e) != nullptr;
        return reportFailure(ExitInternal, memory ? kuyu::err::OutOfMemory : kuyu::err::DeviceIo,
                             e.what(), run.json);
    }
    return run.status;
}
