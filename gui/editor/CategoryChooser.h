// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choosing one category's state for a plant: the category's own
// illustration, clicked as in the condition picker, a button per option, the
// special states in words, several values, and a second state.

#include "core/editor/PlantData.h"
#include "core/state/AppState.h"

#include <QImage>
#include <QWidget>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kuyu::gui {

class ImageBox;

class CategoryChooser : public QWidget {
    Q_OBJECT
  public:
    // `state` holds the category names and option labels.
    CategoryChooser(const AppState& state, QWidget* parent);

    // Shows category k (1..10) with its illustration (null when there is
    // none) and the plant's states.
    void showCategory(int k, const QImage& illustration, const editor::CategoryState& primary,
                      const std::optional<editor::CategoryState>& secondary);
    int category() const { return k_; }
    ImageBox* illustration() const { return image_; }

  signals:
    void primaryChosen(int k, const kuyu::editor::CategoryState& state);
    void secondaryChosen(int k, const std::optional<kuyu::editor::CategoryState>& state);

  private:
    int optionCount() const; // real options, without 不明
    void chooseOption(int n);
    void chooseSpecial(editor::StateKind kind);
    void startSeveral();
    void emitSeveral();
    void chooseSecondary(int index);
    void refresh();

    const AppState& state_;
    int k_ = 0;
    editor::CategoryState primary_;
    std::optional<editor::CategoryState> secondary_;
    bool several_ = false; // clicks add and remove values
    std::vector<int> values_;

    QLabel* heading_ = nullptr;
    ImageBox* image_ = nullptr;
    QLabel* missing_ = nullptr;
    QPushButton* options_[8] = {};
    QPushButton* unknown_ = nullptr;
    QPushButton* indefinite_ = nullptr;
    QPushButton* none_ = nullptr;
    QPushButton* severalButton_ = nullptr;
    QRadioButton* readingIndefinite_ = nullptr;
    QRadioButton* readingFirst_ = nullptr;
    QLabel* chosen_ = nullptr;
    QComboBox* secondaryBox_ = nullptr;
    bool filling_ = false;
};

} // namespace kuyu::gui
