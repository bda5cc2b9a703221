// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our toolbar customiser: buttons available on the left, the toolbar's
// buttons on the right; add, remove, move up and down, separators, reset.
// Every change is reported at once through layoutChanged.

#include <QDialog>
#include <QStringList>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kuyu::gui {

class ToolbarCustomizeDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* Name = "ToolbarCustomizeDialog";
    ToolbarCustomizeDialog(const QStringList& current, QWidget* parent = nullptr);

    QStringList layout() const;
    // Texts of the two lists as a person reads them.
    QStringList availableTexts() const;
    QStringList currentTexts() const;

    // The actions of the buttons, so tests and keys can drive them.
    void addSelected();
    void removeSelected();
    void moveUp();
    void moveDown();
    void reset();

  signals:
    void layoutChanged(const QStringList& layout);

  private:
    void fill(const QStringList& current);
    void changed();
    void updateButtons();
    static QListWidgetItem* makeItem(const QString& key);

    QListWidget* available_;
    QListWidget* current_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* up_;
    QPushButton* down_;
};

} // namespace kuyu::gui
