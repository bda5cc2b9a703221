// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/printing/ResultTable.h"

#include "core/features/Features.h"

namespace kuyu::printing {

std::vector<PrintLine> SearchResultLines(const AppState& state, bool withSecondary) {
    std::vector<PrintLine> lines;
    lines.emplace_back();
    PrintLine header{{NameColumn, U"植物名"}, {FamilyColumn, U"科名"}};
    for (int k = 1; k <= ClassCategory; ++k) {
        header.push_back({ResultColumns[k - 1], state.OptionLabel[k][0]});
    }
    lines.push_back(std::move(header));
    lines.emplace_back();

    int printed = 0;
    for (int i = 1; i <= state.PlantCount; ++i) {
        const int score = state.MatchScore.at(i);
        if (score == 0 || score == 1) {
            const Text& code = state.code(i);
            PrintLine line;
            if (score == 0) {
                line.push_back({NameColumn, state.name(i)});
            } else {
                line.push_back({NearMatchColumn, U"*" + state.name(i)});
            }
            line.push_back({FamilyColumn, U"(" + state.family(i) + U")科"});
            for (int k = 1; k <= ClassCategory; ++k) {
                line.push_back({ResultColumns[k - 1], ResultPrintCell(state, k, code)});
            }
            lines.push_back(std::move(line));
            if (withSecondary) {
                PrintLine secondary{{FamilyColumn, U"AI"}};
                for (int k = 1; k <= CategoryCount; ++k) {
                    secondary.push_back(
                        {ResultColumns[k - 1], ResultPrintSecondaryCell(state, k, code)});
                }
                lines.push_back(std::move(secondary));
            }
            lines.emplace_back();
            ++printed;
        }
        if (i == state.PlantCount) {
            lines.push_back({{NameColumn, printed > 0 ? Text(U"以上です")
                                                      : Text(U"該当する植物はありません")}});
        }
    }
    return lines;
}

} // namespace kuyu::printing
