// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search panel (Form41): the ten characteristic buttons with what is
// chosen under each, the name box, the result list and its count line.

#include "gui/widgets/FormWindow.h"

#include <array>
#include <cstdint>

#include "core/text/Text.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;

namespace kuyu::gui {

class App;
class PrintBox;

class SearchPanel : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form41";
    SearchPanel(App& app, QWidget* parent);

    // Clears the ten condition boxes and the count line.
    void clearDisplays();
    // ShowResultList(mode) into this panel: count line, list, condition boxes.
    void showResultList(std::int16_t mode);
    // Clear, caption from SearchMode, search again, show the result.
    void refresh();
    // The name box, as SearchPlants reads it.
    Text nameBoxText() const;
    // The selected line of List1, empty when none.
    QString selectedLine() const;

    QMenu* popupMenu() const { return menu41_; }

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    bool onActivateKey(QWidget* control, int key) override;

  private:
    void openPicker(int category);
    void clearConditions();
    void checkNameAndSearch();
    void showSelectedPicture();
    void showPictureFromKey();

    std::array<QPushButton*, 10> characteristic_{};
    std::array<PrintBox*, 10> tok_{};
    QLineEdit* text1_ = nullptr;
    QListWidget* list1_ = nullptr;
    PrintBox* picture11_ = nullptr;
    QPushButton* command11_ = nullptr;
    QPushButton* command12_ = nullptr;
    QPushButton* command13_ = nullptr;
    QPushButton* command14_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label11_ = nullptr;
    QMenu* menu41_ = nullptr;
    QMenu* menu41A_ = nullptr;
    QAction* menu413_ = nullptr;
};

using Form41 = SearchPanel;

// What SearchPlants reads as the name box: Text1 of the panel when it is
// loaded, empty otherwise.
Text SearchPanelNameBox(const App& app);

// The main window's search commands and the picker's re-search: load the
// panel, clear it, set the caption, search in `mode`, show the result and
// the panel.
void SearchIntoPanel(App& app, std::int16_t mode, const QString& caption);

} // namespace kuyu::gui
