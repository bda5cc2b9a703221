#pragma once
// The identification guide (識別ガイド): the current count and mode, then
// three pages. 次に見る特徴 lists the unset characters best first, each
// option with the count it would leave; pressing one commits it as the
// picker does. 外れた理由 tells why a named plant is not listed. 比べる puts
// two plants side by side. 戻る steps back over the last condition change.

#include "core/guide/Guide.h"
#include "gui/widgets/FormWindow.h"

#include <cstdint>

class QGridLayout;
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
    // The unset categories in the order shown.
    QList<int> shownOrder() const { return order_; }

  private:
    QWidget* buildNextPage();
    QWidget* buildWhyPage();
    QWidget* buildComparePage();
    QLineEdit* makeNameBox(const char* objectName);
    void fillNext(const GuideCounts& counts);
    void showWhy();
    void showCompare();
    void showPicture(QLabel* label, int row);
    void reloadNames();

    QLabel* count_ = nullptr;
    QLabel* history_ = nullptr;
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
