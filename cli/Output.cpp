// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Output.h"

namespace kuyu::cli {

int loadErrorNumber(const Message& message) {
    // errorNumberText puts the number between two fixed texts; anything else
    // is the file-not-found message.
    const Text prefix = errorNumberText(0).substr(0, errorNumberText(0).find(U'0'));
    if (!message.text.starts_with(prefix)) {
        return 53;
    }
    long number = 0;
    bool negative = false;
    bool digits = false;
    for (std::size_t i = prefix.size(); i < message.text.size(); ++i) {
        const char32_t c = message.text[i];
        if (c == U'-' && !digits) {
            negative = true;
        } else if (c >= U'0' && c <= U'9') {
            number = number * 10 + static_cast<long>(c - U'0');
            digits = true;
        } else if (c != U' ' || digits) {
            break;
        }
    }
    return static_cast<int>(negative ? -number : number);
}

int reportLoadFailure(const Message& message, bool json) {
    std::cerr << toUtf8(message.text) << '\n';
    if (json) {
        printJson({{"error", loadErrorNumber(message)}, {"message", toUtf8(message.text)}});
    }
    return ExitLoadFailed;
}

int reportFailure(int status, int error, const std::string& message, bool json) {
    std::cerr << "kuyu-cli: " << message << '\n';
    if (json) {
        printJson({{"error", error}, {"message", message}});
    }
    return status;
}

} // namespace kuyu::cli
