// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browse/ResultPages.h"

#include "core/browse/BrowseTexts.h"

#include <algorithm>

namespace kuyu {

namespace bt = browse_texts;

Text PageTitle(std::int16_t mode) {
    switch (mode) {
    case 1:
        return bt::PageTitleFuzzy;
    case 2:
        return bt::PageTitleAi;
    default:
        return bt::PageTitlePlain;
    }
}

int PageCountOf(int resultCount) {
    return (resultCount - 1) / 3 + 1;
}

bool HasLaterPage(int resultCount, int page) {
    return (resultCount - 1) / 3 >= page;
}

int RowAt(int page, int position) {
    return 3 * page - 3 + position;
}

Text PageCaption(std::int16_t mode, int resultCount, int page) {
    const int remaining = resultCount - 3 * page;
    Text caption = PageTitle(mode);
    if (remaining > 0) {
        caption += bt::CaptionRemaining + numberWithSign(remaining) + bt::CaptionKinds;
    } else {
        caption += bt::CaptionNoneLeft;
    }
    return caption + numberWithSign(page) + bt::CaptionSlash +
           numberWithSign(PageCountOf(resultCount)) + bt::CaptionPages;
}

Text PictureBaseName(const Text& pageLine) {
    Text base = mid(pageLine, 7, 8);
    base.erase(base.find_last_not_of(U' ') + 1);
    return base;
}

Text PlantKeyOfLabel(const Text& label, std::size_t length) {
    const std::size_t bracket = label.find(U'(');
    // Characters 2 to a - 2, where a is the bracket's position from 1.
    Text key =
        bracket == Text::npos ? mid(label, 2) : mid(label, 2, bracket >= 2 ? bracket - 2 : 0);
    const auto first = key.find_first_not_of(U' ');
    if (first == Text::npos) {
        return {};
    }
    key = key.substr(first, key.find_last_not_of(U' ') - first + 1);
    return left(key, length);
}

void ResultPageList::take(const AppState& state) {
    const int n = std::clamp<int>(state.ResultCount, 0, PlantCapacity);
    const auto rows = static_cast<std::ptrdiff_t>(n) + 1;
    captions_.assign(state.ResultCaption.begin(),
                     state.ResultCaption.begin() +
                         std::min<std::ptrdiff_t>(rows, std::ssize(state.ResultCaption)));
    lines_.assign(state.ResultLine.begin(),
                  state.ResultLine.begin() +
                      std::min<std::ptrdiff_t>(rows, std::ssize(state.ResultLine)));
    captions_.resize(static_cast<std::size_t>(rows));
    lines_.resize(static_cast<std::size_t>(rows));
    count_ = n;
}

const Text& ResultPageList::caption(int row) const {
    static const Text none;
    return row >= 1 && row <= count_ ? captions_[static_cast<std::size_t>(row)] : none;
}

const Text& ResultPageList::line(int row) const {
    static const Text none;
    return row >= 1 && row <= count_ ? lines_[static_cast<std::size_t>(row)] : none;
}

} // namespace kuyu
