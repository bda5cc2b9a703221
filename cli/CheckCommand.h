#pragma once
// kuyu-cli check: every problem of a hand-written data folder, and whether
// the program will load its database.

#include <string>

namespace kuyu::cli {

struct CheckArgs {
    std::string db;
    bool json = false;
};
// Exit 0 when the program loads the database (at start-up and through data
// file selection), 2 when it does not.
int runCheck(const CheckArgs& args);

} // namespace kuyu::cli
