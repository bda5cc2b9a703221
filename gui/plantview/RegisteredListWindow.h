// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registered plant list window Form53: every plant, one line each, sorted
// by name or in file order; a line opens that plant's picture window.

#include "gui/widgets/FormWindow.h"

class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class PrintBox;

class Form53 : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form53";
    Form53(App& app, QWidget* parent);

    QListWidget* list() const { return list1_; }
    PrintBox* countBox() const { return picture11_; }
    QLabel* heading() const { return label1_; }
    QMenu* menuSelected() const { return menu53_; }
    QMenu* menuNothingSelected() const { return menu53A_; }

    // The list-all commands fill the window: caption, colours, count line
    // and lines (mode 0 sorted by name, 1 file order).
    void fill(int mode);

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    bool onActivateKey(QWidget* control, int key) override;

  private:
    void showSelected(); // Command2 (図示)
    void showLine(const QString& line);

    QLabel* label1_ = nullptr;
    QListWidget* list1_ = nullptr;
    PrintBox* picture11_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QMenu* menu53_ = nullptr;
    QMenu* menu53A_ = nullptr;
};

} // namespace kuyu::gui
