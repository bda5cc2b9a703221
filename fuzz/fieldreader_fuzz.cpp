// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the database's sequential-input field reader over any
// bytes, decoded as the loader decodes files.

#include "core/Errors.h"
#include "core/database/Database.h"
#include "core/text/Text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kuyu::FieldReader reader(kuyu::decodeFileText(bytes));
    // Every field consumes input, so there can be no more fields than
    // characters (plus one empty field at the very end).
    std::size_t fields = 0;
    try {
        while (!reader.atEnd()) {
            reader.readField();
            if (++fields > size + 1) {
                std::abort();
            }
        }
    } catch (const kuyu::RunTimeError&) {
        // Input past end: the loader reports it as a read error.
    }
    return 0;
}
