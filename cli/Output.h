// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing the command-line front end's results: UTF-8 text lines or one JSON
// document, and the exit statuses every subcommand shares.

#include "core/Message.h"
#include "core/text/Text.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

namespace kuyu::cli {

constexpr int ExitOk = 0;
constexpr int ExitNotFound = 1;    // no such plant, picture or decodable file
constexpr int ExitLoadFailed = 2;  // the database did not load
constexpr int ExitBadInput = 3;    // a file to read in has bad cells
constexpr int ExitWriteFailed = 4; // nothing was written (the old files stay)
constexpr int ExitUsage = 64;      // unknown option, malformed argument
constexpr int ExitInternal = 70;   // an unforeseen failure

inline std::string utf8(const Text& text) {
    return toUtf8(text);
}

inline void printLine(const Text& text) {
    std::cout << toUtf8(text) << '\n';
}

inline void printJson(const nlohmann::json& document) {
    // Replace rather than throw: a name read from a damaged file must not
    // stop the output.
    std::cout << document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

// The error number behind a start-up load message: 53 for the missing-file
// message, otherwise the number inside the error-number message.
int loadErrorNumber(const Message& message);

// Reports a failed load: the message text on stderr and, for --json, the
// error document on stdout. Returns ExitLoadFailed.
int reportLoadFailure(const Message& message, bool json);

// Reports any other failure the same way: "kuyu-cli: " + message on stderr
// and, for --json, {"error": number, "message": message} on stdout, so a
// script reading the document never gets nothing. Returns `status`.
int reportFailure(int status, int error, const std::string& message, bool json);

} // namespace kuyu::cli
