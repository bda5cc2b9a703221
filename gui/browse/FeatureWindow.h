// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The feature view (Form46A): for one plant of the result pages, the value of
// each of the ten search categories in words and, above them, the plant's
// classification. Controls: Label11 (classification), Label1-Label10 (the
// category names), the feature boxes TOK1_0-TOK1_9 (the TOK1 control array,
// element i as TOK1_i) and Command1 終了; the pop-up menu MENU_46A with its
// one item MENU461A.

#include "gui/widgets/FormWindow.h"

#include <array>

class QMenu;
class QPushButton;

namespace kuyu::gui {

class PrintBox;

class Form46A : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form46A";
    Form46A(App& app, QWidget* parent);

    PrintBox* feature(int i) const { return tok1_.at(i); }
    QLabel* classification() const { return label11_; }
    QPushButton* closeButton() const { return command1_; }
    QMenu* popupMenu() const { return menu_; }
    void clearFeatures();
    // The plant's name as the caption; the window widens to show it whole.
    void setCaption(const QString& caption);

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* label11_ = nullptr;
    std::array<PrintBox*, 10> tok1_{};
    QPushButton* command1_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* menu461A_ = nullptr;
    int dx_ = 0;        // extra width the feature texts' face needs
    int baseWidth_ = 0; // the width without a caption to widen for
};

} // namespace kuyu::gui
