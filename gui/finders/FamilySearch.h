// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The family name search (Form51): every family of the plant table, the
// plants of the chosen family, and the ways to show them.

#include "gui/widgets/FormWindow.h"

#include <cstdint>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class PrintBox;

class FamilySearch : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form51";
    FamilySearch(App& app, QWidget* parent);

    // ListFamilies(mode) into List1 and Picture1; List2 is emptied.
    void listFamilies(std::int16_t mode);
    // ListFamilyPlants for the family selected in List1 (all when none).
    void listFamilyPlants();

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    bool onActivateKey(QWidget* control, int key) override;

  private:
    void showFamilyPages();
    void showPlantPicture();

    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    PrintBox* picture1_ = nullptr;
    PrintBox* picture2_ = nullptr;
    QLabel* label2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QMenu* menu51A_ = nullptr;
    QMenu* menu51AA_ = nullptr;
    QMenu* menu51B_ = nullptr;
    QMenu* menu51BA_ = nullptr;
    QAction* menu511A_ = nullptr;
    QAction* menu511B_ = nullptr;
};

using Form51 = FamilySearch;

} // namespace kuyu::gui
