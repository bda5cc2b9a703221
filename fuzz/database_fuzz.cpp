// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the plant database, through the start-up
// load and through data file selection. A refused file must leave the table
// in use as it was; an accepted one holds at most 2000 plants of fixed-length
// codes.

#include "FuzzFiles.h"
#include "core/database/Database.h"
#include "core/state/AppState.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kuyu;
    const std::string path = fuzz::workFolder() + "KUYU.DAT";
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

    // The states are made once: a fresh one per input would spend the time
    // on 2000-row tables rather than on the reader.
    static AppState state;
    StartUpLoad(state, fromUtf8(path));
    if (state.PlantCount < 0 || state.PlantCount > PlantCapacity) {
        std::abort();
    }
    for (int j = 1; j <= state.PlantCount; ++j) {
        if (state.PlantCode[static_cast<std::size_t>(j)].size() != CodeLength) {
            std::abort();
        }
    }

    // Reload over a table of one plant: a refusal keeps it.
    static AppState reload;
    reload.PlantName[1] = U"ｽﾐﾚ";
    reload.PlantCode[1] = Text(CodeLength, U'1');
    reload.PlantFamily[1] = U"ｽﾐﾚ";
    reload.PlantCount = 1;
    const Message m = LoadDataFile(reload, fromUtf8(path), fromUtf8(fuzz::workFolder()));
    if (m.title != U"お知らせ" && (reload.PlantCount != 1 || reload.PlantName[1] != U"ｽﾐﾚ")) {
        std::abort();
    }
    return 0;
}
