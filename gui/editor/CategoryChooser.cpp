// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/CategoryChooser.h"

#include "core/conditions/Conditions.h"
#include "gui/conditions/Form11.h"
#include "gui/editor/EditorTexts.h"
#include "gui/images/ImageBox.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kuyu::gui {

namespace {

using editor::CategoryState;
using editor::StateKind;

// A label as a button caption: its "&" is a character, not an access key.
QString asCaption(const Text& label) {
    return qs(label).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* helpLabel(const char32_t* text, QWidget* parent) {
    auto* l = new QLabel(q(text), parent);
    l->setWordWrap(true);
    return l;
}

CategoryState ofKind(StateKind kind, int option = 0) {
    CategoryState s;
    s.kind = kind;
    s.option = option;
    return s;
}

} // namespace

CategoryChooser::CategoryChooser(const AppState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("CategoryHeading"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    image_ = new ImageBox(this);
    image_->setObjectName(QStringLiteral("Illustration"));
    image_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    image_->setMinimumSize(px(8890), px(5400));
    image_->setFitToScreen(false);
    missing_ = new QLabel(this);
    missing_->setObjectName(QStringLiteral("IllustrationMissing"));
    missing_->setWordWrap(true);

    auto* optionRow = new QHBoxLayout;
    for (int n = 1; n <= 8; ++n) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Option%1").arg(n));
        b->setAutoDefault(false);
        b->setCheckable(true);
        connect(b, &QPushButton::clicked, this, [this, n] { chooseOption(n); });
        options_[n - 1] = b;
        optionRow->addWidget(b);
    }

    auto special = [this](const char* name, const char32_t* caption, StateKind kind) {
        auto* b = new QPushButton(q(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setCheckable(true);
        connect(b, &QPushButton::clicked, this, [this, kind] { chooseSpecial(kind); });
        return b;
    };
    unknown_ = special("StateUnknown", texts::EditorStateUnknown, StateKind::Unknown);
    indefinite_ = special("StateIndefinite", texts::EditorStateIndefinite, StateKind::Indefinite);
    none_ = special("StateNone", texts::EditorStateNone, StateKind::None);
    severalButton_ = new QPushButton(q(texts::EditorStateSeveral), this);
    severalButton_->setObjectName(QStringLiteral("StateSeveral"));
    severalButton_->setAutoDefault(false);
    severalButton_->setCheckable(true);
    connect(severalButton_, &QPushButton::clicked, this, &CategoryChooser::startSeveral);

    readingIndefinite_ = new QRadioButton(q(texts::EditorSeveralIndefinite), this);
    readingIndefinite_->setObjectName(QStringLiteral("ReadingIndefinite"));
    readingFirst_ = new QRadioButton(q(texts::EditorSeveralFirst), this);
    readingFirst_->setObjectName(QStringLiteral("ReadingFirst"));
    readingIndefinite_->setChecked(true);
    auto* readings = new QButtonGroup(this);
    readings->addButton(readingIndefinite_);
    readings->addButton(readingFirst_);
    connect(readings, &QButtonGroup::buttonClicked, this, [this] {
        if (several_ && values_.size() >= 2) {
            emitSeveral();
        }
    });

    auto* specials = new QGridLayout;
    specials->addWidget(unknown_, 0, 0);
    specials->addWidget(helpLabel(texts::EditorUnknownHelp, this), 0, 1);
    specials->addWidget(indefinite_, 1, 0);
    specials->addWidget(helpLabel(texts::EditorIndefiniteHelp, this), 1, 1);
    specials->addWidget(none_, 2, 0);
    specials->addWidget(helpLabel(texts::EditorNoneHelp, this), 2, 1);
    specials->addWidget(severalButton_, 3, 0, Qt::AlignTop);
    auto* severalBox = new QVBoxLayout;
    severalBox->addWidget(helpLabel(texts::EditorSeveralHelp, this));
    severalBox->addWidget(readingIndefinite_);
    severalBox->addWidget(readingFirst_);
    specials->addLayout(severalBox, 3, 1);
    specials->setColumnStretch(1, 1);

    chosen_ = new QLabel(this);
    chosen_->setObjectName(QStringLiteral("ChosenState"));
    chosen_->setWordWrap(true);

    secondaryBox_ = new QComboBox(this);
    secondaryBox_->setObjectName(QStringLiteral("Secondary"));
    connect(secondaryBox_, &QComboBox::activated, this, &CategoryChooser::chooseSecondary);
    auto* secondaryRow = new QHBoxLayout;
    secondaryRow->addWidget(new QLabel(q(texts::EditorSecondary), this));
    secondaryRow->addWidget(secondaryBox_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(helpLabel(texts::EditorChooseHint, this));
    layout->addWidget(image_, 0, Qt::AlignLeft);
    layout->addWidget(missing_);
    layout->addLayout(optionRow);
    layout->addLayout(specials);
    layout->addWidget(chosen_);
    layout->addLayout(secondaryRow);
    layout->addStretch(1);

    // The picture's cells are the picker's: a click picks the option under it.
    connect(image_, &ImageBox::leftReleased, this, [this](QPoint pos) {
        const int n = Form11::OptionAt(pos);
        if (k_ == 0 || n == 0 || n > optionCount() + 1) {
            return;
        }
        if (n == optionCount() + 1) {
            chooseSpecial(StateKind::Unknown); // the picture's own 不明 cell
        } else {
            chooseOption(n);
        }
    });
}

int CategoryChooser::optionCount() const {
    return k_ >= 1 && k_ <= CategoryCount ? Category(k_).optionCount - 1 : 0;
}

void CategoryChooser::showCategory(int k, const QImage& illustration, const CategoryState& primary,
                                   const std::optional<CategoryState>& secondary) {
    if (k != k_) {
        several_ = false;
    }
    k_ = k;
    primary_ = primary;
    secondary_ = secondary;
    if (primary.kind == StateKind::Several) {
        several_ = true;
    }
    values_.clear();
    if (primary.kind == StateKind::Several) {
        values_ = primary.values;
    } else if (primary.kind == StateKind::Option) {
        values_ = {primary.option};
    }
    image_->setPicture(illustration);
    image_->setVisible(!illustration.isNull());
    missing_->setVisible(illustration.isNull());
    missing_->setText(qs(Category(k).illustration) + q(texts::EditorNoIllustration));
    refresh();
}

void CategoryChooser::refresh() {
    filling_ = true;
    const int count = optionCount();
    heading_->setText(qs(state_.OptionLabel[static_cast<std::size_t>(k_)][0]));
    for (int n = 1; n <= 8; ++n) {
        QPushButton* b = options_[n - 1];
        b->setVisible(n <= count);
        if (n <= count) {
            b->setText(
                QString::number(n) + QLatin1Char(' ') +
                asCaption(
                    state_.OptionLabel[static_cast<std::size_t>(k_)][static_cast<std::size_t>(n)]));
        }
        const bool on = primary_.kind == StateKind::Option
                            ? primary_.option == n
                            : (primary_.kind == StateKind::Several &&
                               std::find(primary_.values.begin(), primary_.values.end(), n) !=
                                   primary_.values.end());
        b->setChecked(on);
    }
    unknown_->setChecked(primary_.kind == StateKind::Unknown && !several_);
    indefinite_->setChecked(primary_.kind == StateKind::Indefinite);
    none_->setChecked(primary_.kind == StateKind::None);
    severalButton_->setChecked(several_);
    if (primary_.kind == StateKind::Several) {
        (primary_.reading == editor::SeveralReading::AnyShownFirst ? readingFirst_
                                                                   : readingIndefinite_)
            ->setChecked(true);
    }
    readingIndefinite_->setEnabled(several_);
    readingFirst_->setEnabled(several_);
    chosen_->setText(q(texts::EditorNowChosen) + qs(editor::StateWords(k_, primary_)));

    secondaryBox_->clear();
    secondaryBox_->addItem(q(texts::EditorNoSecondary));
    for (int n = 1; n <= count; ++n) {
        secondaryBox_->addItem(
            qs(state_.OptionLabel[static_cast<std::size_t>(k_)][static_cast<std::size_t>(n)]));
    }
    secondaryBox_->addItem(q(texts::EditorStateUnknown));
    secondaryBox_->addItem(q(texts::EditorStateIndefinite));
    secondaryBox_->addItem(q(texts::EditorStateNone));
    int index = 0;
    if (secondary_) {
        switch (secondary_->kind) {
        case StateKind::Option:
            index = secondary_->option;
            break;
        case StateKind::Unknown:
            index = count + 1;
            break;
        case StateKind::Indefinite:
            index = count + 2;
            break;
        case StateKind::None:
            index = count + 3;
            break;
        case StateKind::Several:
            index = 0;
            break;
        }
    }
    secondaryBox_->setCurrentIndex(index);
    filling_ = false;
}

void CategoryChooser::chooseOption(int n) {
    if (k_ == 0 || n < 1 || n > optionCount()) {
        return;
    }
    if (!several_) {
        emit primaryChosen(k_, ofKind(StateKind::Option, n));
        return;
    }
    const auto it = std::find(values_.begin(), values_.end(), n);
    if (it != values_.end()) {
        values_.erase(it);
    } else {
        values_.push_back(n);
    }
    emitSeveral();
}

void CategoryChooser::emitSeveral() {
    if (values_.empty()) {
        emit primaryChosen(k_, ofKind(StateKind::Unknown));
    } else if (values_.size() == 1) {
        emit primaryChosen(k_, ofKind(StateKind::Option, values_.front()));
    } else {
        CategoryState s = ofKind(StateKind::Several);
        s.values = values_;
        s.reading = readingFirst_->isChecked() ? editor::SeveralReading::AnyShownFirst
                                               : editor::SeveralReading::AnyShownIndefinite;
        emit primaryChosen(k_, s);
    }
}

void CategoryChooser::chooseSpecial(StateKind kind) {
    if (k_ == 0) {
        return;
    }
    several_ = false;
    emit primaryChosen(k_, ofKind(kind));
}

void CategoryChooser::startSeveral() {
    if (k_ == 0) {
        return;
    }
    several_ = !several_;
    if (!several_ && values_.size() >= 2) {
        // Leaving several values keeps the first one.
        emit primaryChosen(k_, ofKind(StateKind::Option, values_.front()));
        return;
    }
    refresh();
}

void CategoryChooser::chooseSecondary(int index) {
    if (filling_ || k_ == 0) {
        return;
    }
    const int count = optionCount();
    std::optional<CategoryState> s;
    if (index >= 1 && index <= count) {
        s = ofKind(StateKind::Option, index);
    } else if (index == count + 1) {
        s = ofKind(StateKind::Unknown);
    } else if (index == count + 2) {
        s = ofKind(StateKind::Indefinite);
    } else if (index == count + 3) {
        s = ofKind(StateKind::None);
    }
    emit secondaryChosen(k_, s);
}

} // namespace kuyu::gui
