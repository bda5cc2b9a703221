// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The identification guide (識別ガイド): the current count and mode, whether
// the guide is sure yet, then four pages. 候補 ranks every plant by how well
// it fits the answers, best first, with a small picture. 次に見る特徴 lists
// the characters worth looking at, best first, each option with the count
// the search would leave; a press answers (a second option in the same row
// means "or", 自信がない marks the row unsure, 不明 says it cannot be told).
// A single sure answer is committed as the picker does. 外れた理由 tells why
// a named plant is not listed. 比べる puts two plants side by side. 戻る
// steps back over the last change.

#include "core/guide/Guide.h"
#include "core/guide/Ranking.h"
#include "gui/widgets/FormWindow.h"

#include <QPixmap>

#include <cstdint>
#include <map>

class QCheckBox;
class QGridLayout;
class QListWidget;
class QLineEdit;
class QScrollArea;
class QStringListModel;
class QTabWidget;
class QTreeWidget;

namespace kuyu::gui {

class GuideWindow : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "GuideWindow";
    GuideWindow(App& app, QWidget* parent);

    // Everything again from the shared state: counts, ranking, the plant
    // shown on 外れた理由, the completion lists after a load.
    void refresh();

    QTabWidget* pages() const { return pages_; }
    // The button of option v of category k on 次に見る特徴, when shown.
    QPushButton* optionButton(int k, int v) const;
    // The suggested (unanswered) categories in the order shown.
    QList<int> shownOrder() const { return order_; }
    // The unsure box of category k, when its row is shown.
    QCheckBox* unsureBox(int k) const;
    // The plant rows on 候補, best first.
    QList<int> candidateRows() const;

  private:
    QWidget* buildCandidatesPage();
    QWidget* buildNextPage();
    QWidget* buildWhyPage();
    QWidget* buildComparePage();
    QLineEdit* makeNameBox(const char* objectName);
    void fillCandidates(const Ranking& ranking);
    void fillNext(const GuideCounts& counts, const Ranking& ranking);
    void addOptionRow(QGridLayout* grid, int row, int k, const GuideCounts& counts,
                      const GuideAnswer& answer, bool suggested);
    void openCandidate(int row);
    void compareFirstTwo();
    QImage plantImage(int row);
    QPixmap smallPicture(int row);
    void showWhy();
    void showCompare();
    void showPicture(QLabel* label, int row);
    void reloadNames();

    QLabel* count_ = nullptr;
    QLabel* history_ = nullptr;
    QLabel* sure_ = nullptr;
    QListWidget* candidates_ = nullptr;
    QLabel* groupNotice_ = nullptr;
    QPushButton* compareTop_ = nullptr;
    QList<int> shownCandidates_;
    std::map<int, QPixmap> thumbs_;
    std::uint32_t thumbsGeneration_ = ~0U;
    QTabWidget* pages_ = nullptr;
    QScrollArea* nextArea_ = nullptr;
    QList<int> order_;
    QLineEdit* whyName_ = nullptr;
    QLabel* whyStatus_ = nullptr;
    QTreeWidget* whyTable_ = nullptr;
    QLineEdit* compareA_ = nullptr;
    QLineEdit* compareB_ = nullptr;
    QLabel* pictureA_ = nullptr;
    QLabel* pictureB_ = nullptr;
    QLabel* compareStatus_ = nullptr;
    QTreeWidget* compareTable_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* close_ = nullptr;
    QStringListModel* names_ = nullptr;
    std::uint32_t namesGeneration_ = ~0U;
};

// MENU4B (F12): loads the guide, refreshes and shows it.
void OpenGuideWindow(App& app);

} // namespace kuyu::gui
