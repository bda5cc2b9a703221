// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as SNAME.DAT, read as the name search reads it
// and used by a name search over a small plant table.

#include "FuzzFiles.h"
#include "core/database/Database.h"
#include "core/finders/NameSearch.h"
#include "core/state/AppState.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kuyu;
    fuzz::writeFile(fuzz::workFolder() + "SNAME.DAT",
                    std::string_view(reinterpret_cast<const char*>(data), size));
    static AppState state; // made once, as in the program
    state.DataFolder = fromUtf8(fuzz::workFolder());
    const char32_t* names[] = {U"ｽﾐﾚ", U"ﾀﾝﾎﾟﾎﾟ", U"ﾋﾒｼﾞｮｵﾝ"};
    for (int j = 1; j <= 3; ++j) {
        state.PlantName[static_cast<std::size_t>(j)] = names[j - 1];
        state.PlantCode[static_cast<std::size_t>(j)] = Text(CodeLength, U'1');
        state.PlantFamily[static_cast<std::size_t>(j)] = U"ｷｸ";
    }
    state.PlantCount = 3;

    const AliasTable aliases = ReadAliases(state);
    if (aliases.count < 0 || aliases.count > PlantCapacity ||
        aliases.Alias.size() != static_cast<std::size_t>(aliases.count) + 1 ||
        aliases.PlantName.size() != aliases.Alias.size()) {
        std::abort();
    }
    // The name search over them: the first alias as the typed name.
    state.NameKey = aliases.count > 0 ? aliases.Alias[1] : Text(U"ｽﾐﾚ");
    FindPlantsByName(state, true, aliases);
    FindPlantsByName(state, false, aliases);
    return 0;
}
