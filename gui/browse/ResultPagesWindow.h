// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The illustrated result pages (Form45, "図示検索"): the result list three
// plants to a page, a name label over each picture, NEXT and BACK, the
// close-up buttons UP1-UP3 and 終了. The pages browse their own copy of the
// result list, taken when they open, and keep their own page and mode, so a
// search elsewhere changes nothing here until the pages are opened again.
//
// Positions 1-3 (left, centre, right): picture ImageK, label LabelK, close-up
// button Command4-Command6. A click on a label shows the plant's features
// (Form46A), a double-click on a picture the plant picture window, a right
// click on a picture one of sixteen pop-up menus (MENU_45A...). Page Up/Down
// and "1"-"3" work whichever control has the focus; Esc closes.

#include "core/browse/ResultPages.h"
#include "gui/widgets/FormWindow.h"

#include <QPixmap>
#include <array>
#include <cstdint>

class QMenu;
class QPushButton;

namespace kuyu::gui {

// One picture position: the picture at its natural size from the top-left,
// cut at the position's edge. The picture is converted for the screen once,
// when it is set, not at each paint.
class PagePicture : public QWidget {
    Q_OBJECT
  public:
    explicit PagePicture(QWidget* parent);
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

  signals:
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QPixmap picture_;
};

class Form45 : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form45";
    Form45(App& app, QWidget* parent);

    // Steps of the opening after the no-result check: NEXT shown unless
    // there is one page, BACK hidden, the caption, page 1, shown and raised.
    void openPages(std::int16_t mode);
    // Takes the copy of the result list and builds page 1.
    void prepareResultPages();
    // The Clicks of NEXT and BACK.
    void showNextPage();
    void showPreviousPage();
    // Blank picture, then the row's plant picture found by its base name.
    void loadPagePosition(int position, int row);
    // UP1-UP3: the close-up of the position's plant in Form43.
    void showCloseUp(int position);

    int page() const { return page_; }
    const ResultPageList& pages() const { return pages_; }
    bool nextShown() const;
    bool backShown() const;
    QString labelText(int position) const;
    PagePicture* picture(int position) const { return images_.at(position - 1); }
    QMenu* popupMenu(const QString& name) const;

    // The light-grey blank put into a position before each lookup.
    static const QPixmap& blankPicture();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void showPage(bool reportErrors);
    void hidePageButton(QPushButton* button);
    void setLabel(int position, const QString& caption);
    void showFeatures(int position);
    void showPlantPicture(int position);
    bool pageKey(const QKeyEvent* event);
    void closeFeatureView();

    ResultPageList pages_;
    int page_ = 1;
    std::int16_t mode_ = 0;
    int dy_ = 0; // extra height the labels' font needs, added below them
    std::array<QLabel*, 3> labels_{};
    std::array<PagePicture*, 3> images_{};
    std::array<QPushButton*, 3> ups_{};
    QPushButton* command1_ = nullptr; // NEXT
    QPushButton* command2_ = nullptr; // BACK
    QPushButton* command3_ = nullptr; // 終了
    QHash<QString, QMenu*> menus_;
};

} // namespace kuyu::gui
