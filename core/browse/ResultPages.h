// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The illustrated result pages without a screen: three plants to a page, the
// working copy of the result list the pages browse, the page caption, which
// of NEXT and BACK show, and the names the positions derive from their
// labels and list lines.

#include "core/state/AppState.h"
#include "core/text/Text.h"

#include <cstdint>
#include <vector>

namespace kuyu {

constexpr int PagePositions = 3; // left, centre, right

// "図示検索" for 0 (and any unknown mode), "ファジィー図示検索" for 1,
// "ＡＩ図示検索" for 2.
Text PageTitle(std::int16_t mode);

// (n - 1) \ 3 + 1: the result count divided by three, rounded up; one page
// for an empty list.
int PageCountOf(int resultCount);

// True when a page after `page` exists: NEXT shows exactly then.
bool HasLaterPage(int resultCount, int page);

// The row shown at `position` (1..3) of `page`: 3p - 2, 3p - 1, 3p.
int RowAt(int page, int position);

// The window caption: the title, then what remains after this page and
// "(page/pages ﾍﾟｰｼﾞ)", numbers written with a blank for the sign.
Text PageCaption(std::int16_t mode, int resultCount, int page);

// The base name of a row's picture: the eight characters of the list line
// from character 7 (the plant's name in the line), trailing blanks removed.
Text PictureBaseName(const Text& pageLine);

// The plant key of a name label showing a result caption ("  name (family)科"
// or "* name (family)科"): the text between the mark and the first "(",
// blanks trimmed, cut to `length` characters (8 for the plant, 7 for its
// close-up). An empty label, or one without "(", gives what stands after the
// mark, so a label never names a plant by accident of its punctuation.
Text PlantKeyOfLabel(const Text& label, std::size_t length = 8);

// The list the pages browse: a copy of the result list taken when the pages
// open, so a later search elsewhere does not change what NEXT and BACK show.
class ResultPageList {
  public:
    // Copies ResultCount rows of ResultCaption and ResultLine (never more
    // than PlantCapacity); every other row reads empty.
    void take(const AppState& state);

    int count() const { return count_; }
    // Rows outside 1..count() (above the 2000 rows included) read empty.
    const Text& caption(int row) const;
    const Text& line(int row) const;

  private:
    std::vector<Text> captions_; // rows 1..count_, index 0 unused
    std::vector<Text> lines_;
    int count_ = 0;
};

} // namespace kuyu
