// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plant data editor: every plant of a data folder in a list, one plant
// at a time in a form (name, family, classification, aliases, the ten states
// chosen from the category illustrations, its pictures, note and video),
// with undo and redo, live checks and saving. After a save the program
// reloads the database, so the searches use the new data at once.

#include "core/editor/PlantData.h"
#include "gui/widgets/FormWindow.h"

#include <QHash>
#include <QImage>
#include <array>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QTableWidget;
class QTabWidget;

namespace kuyu::gui {

class CategoryChooser;

class DataEditor : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "DataEditor";
    DataEditor(App& app, QWidget* parent);
    ~DataEditor() override;

    // The database being edited.
    const editor::PlantData& data() const { return data_; }
    // Edits `path` (a KUYU.DAT); false, with the reason shown, when it
    // cannot be read.
    bool openDatabase(const QString& path);

    // Asks before unsaved changes are given up; true when the window may
    // go (ending the program asks this too).
    bool mayClose() { return mayDiscard(); }

    // The plant shown in the form (0-based row), -1 for none.
    int currentPlant() const { return current_; }
    void selectPlant(int row);
    // Where the shown category's state is chosen.
    CategoryChooser* chooser() const { return chooser_; }

    // Attaches `path` to the shown plant in `slot`, as the file dialog and a
    // drop do. False when it was refused (the reason is shown).
    bool attachFile(editor::FileSlot slot, const QString& path);

    // The list's columns.
    enum Column {
        ColName,
        ColFamily,
        ColClass,
        ColFirstState,                     // ten columns, category 1..10
        ColFirstFile = ColFirstState + 10, // five columns, in slot order
        ColWarnings = ColFirstFile + 5,
        ColumnCount
    };

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    QWidget* buildPlantForm();
    QWidget* buildFilesTab();

    // Button handlers: the menu items press these buttons.
    void newDatabase();
    void openChosenDatabase();
    void save();
    void undo();
    void redo();
    void addPlant();
    void removePlant();
    void exportCsv();
    void importCsv();
    void requestClose();

    // The form's fields into the data; false when one was refused and kept
    // in its box for the person to mend.
    bool commitFields();
    bool commitNote();
    void commitName();
    void commitFamily();
    void commitAliases();
    void showCategory(int k);
    void chooseAttachment(editor::FileSlot slot);
    // A slot for a dropped file: the slot row under `pos`, else by kind.
    std::optional<editor::FileSlot> slotForDrop(const QString& path, const QPoint& pos) const;

    // Says `outcome`'s reason when it was refused; true when it went through.
    bool accept(const editor::Outcome& outcome);
    void tell(const QString& text, const char32_t* title);
    // Asks before unsaved changes are given up; true to go on.
    bool mayDiscard();
    void setData(editor::PlantData data);

    void refreshAll();
    void refreshList();
    void applyFilter();
    void refreshPlant();
    void refreshStatus();
    QImage illustration(int k);
    void reloadDatabase();

    editor::PlantData data_;
    int current_ = -1;
    QHash<int, QImage> illustrations_; // by category, for the folder in use

    QMenuBar* menuBar_ = nullptr;
    std::vector<std::pair<QAction*, QPushButton*>> menuItems_;
    QPushButton* newButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;

    QLineEdit* filter_ = nullptr;
    QTableWidget* list_ = nullptr;
    QLabel* status_ = nullptr;

    QWidget* form_ = nullptr;
    QLabel* noPlant_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* plantWarnings_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* family_ = nullptr;
    QComboBox* class_ = nullptr;
    QLineEdit* aliases_ = nullptr;
    std::array<QPushButton*, 10> categoryButtons_{};
    CategoryChooser* chooser_ = nullptr;
    std::array<QWidget*, editor::FileSlotCount> slotRows_{};
    std::array<QLabel*, editor::FileSlotCount> slotStates_{};
    QPlainTextEdit* note_ = nullptr;
    bool filling_ = false;
};

} // namespace kuyu::gui
