// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plant-name illustrated search: the input window (Form54) and the list
// of its hits (Form54A).

#include "gui/widgets/FormWindow.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class PrintBox;

class NameSearchInput : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form54";
    NameSearchInput(App& app, QWidget* parent);

    QMenu* popupMenu() const { return menu54_; }

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;

  private:
    void search();
    void close54();

    QLineEdit* text1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QMenu* menu54_ = nullptr;
    QAction* menu542_ = nullptr;
};

class NameSearchList : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form54A";
    NameSearchList(App& app, QWidget* parent);

    // ShowNameMatchList: the hit rows and the count of distinct plants.
    void showNameMatchList();
    void clearCountLine();
    // Ends the list as its 終了 button does.
    void end();

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    bool onActivateKey(QWidget* control, int key) override;

  private:
    void showPicture();
    QString selectedRow() const;

    QListWidget* list1_ = nullptr;
    PrintBox* picture11_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QMenu* menu54A_ = nullptr;
    QMenu* menu54AB_ = nullptr;
    QAction* menu541A_ = nullptr;
};

using Form54 = NameSearchInput;
using Form54A = NameSearchList;

} // namespace kuyu::gui
