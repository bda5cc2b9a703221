// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ToolbarCustomizeDialog.h"

#include "gui/app/MainWindow.h"
#include "gui/app/ShellPictures.h"
#include "gui/app/ShellTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

constexpr int KeyRole = Qt::UserRole;

bool isSeparator(const QString& key) {
    return key == QLatin1String(MDIForm1::SeparatorKey);
}

QListWidget* makeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setIconSize(QSize(24, 24));
    list->setMinimumSize(220, 300);
    return list;
}

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(const QStringList& current, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(Name));
    setWindowTitle(q(texts::CustomizeCaption));

    available_ = makeList(QStringLiteral("AvailableList"), this);
    current_ = makeList(QStringLiteral("CurrentList"), this);
    auto* availableLabel = new QLabel(q(texts::CustomizeAvailable), this);
    availableLabel->setBuddy(available_);
    auto* currentLabel = new QLabel(q(texts::CustomizeCurrent), this);
    currentLabel->setBuddy(current_);

    add_ = makeButton(QStringLiteral("AddButton"), q(texts::CustomizeAdd), this);
    remove_ = makeButton(QStringLiteral("RemoveButton"), q(texts::CustomizeRemove), this);
    up_ = makeButton(QStringLiteral("MoveUpButton"), q(texts::CustomizeUp), this);
    down_ = makeButton(QStringLiteral("MoveDownButton"), q(texts::CustomizeDown), this);
    auto* resetButton = makeButton(QStringLiteral("ResetButton"), q(texts::CustomizeReset), this);
    auto* closeButton = makeButton(QStringLiteral("CloseButton"), q(texts::CustomizeClose), this);
    closeButton->setDefault(true);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(add_);
    middle->addWidget(remove_);
    middle->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(closeButton);
    right->addWidget(resetButton);
    right->addSpacing(24);
    right->addWidget(up_);
    right->addWidget(down_);
    right->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(availableLabel, 0, 0);
    grid->addWidget(currentLabel, 0, 2);
    grid->addWidget(available_, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(current_, 1, 2);
    grid->addLayout(right, 1, 3);

    connect(add_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::addSelected);
    connect(remove_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::removeSelected);
    connect(up_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::moveUp);
    connect(down_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::moveDown);
    connect(resetButton, &QPushButton::clicked, this, &ToolbarCustomizeDialog::reset);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(available_, &QListWidget::itemDoubleClicked, this,
            &ToolbarCustomizeDialog::addSelected);
    connect(current_, &QListWidget::itemDoubleClicked, this,
            &ToolbarCustomizeDialog::removeSelected);
    connect(available_, &QListWidget::currentRowChanged, this,
            &ToolbarCustomizeDialog::updateButtons);
    connect(current_, &QListWidget::currentRowChanged, this,
            &ToolbarCustomizeDialog::updateButtons);

    fill(current);
}

QListWidgetItem* ToolbarCustomizeDialog::makeItem(const QString& key) {
    auto* item = new QListWidgetItem;
    item->setData(KeyRole, key);
    if (isSeparator(key)) {
        item->setText(q(texts::ToolbarSeparator));
        item->setIcon(toolbarIcon(key));
        return item;
    }
    for (const auto& b : texts::ToolbarButtons) {
        if (key == QLatin1String(b.key)) {
            item->setText(q(b.description));
            item->setIcon(toolbarIcon(key));
        }
    }
    return item;
}

void ToolbarCustomizeDialog::fill(const QStringList& current) {
    available_->clear();
    current_->clear();
    QSet<QString> placed;
    for (const QString& key : current) {
        current_->addItem(makeItem(key));
        placed.insert(key);
    }
    // The separator is always on offer, then every button not yet placed.
    available_->addItem(makeItem(QString::fromLatin1(MDIForm1::SeparatorKey)));
    for (const auto& b : texts::ToolbarButtons) {
        const QString key = QString::fromLatin1(b.key);
        if (!key.isEmpty() && !placed.contains(key)) {
            available_->addItem(makeItem(key));
        }
    }
    available_->setCurrentRow(0);
    current_->setCurrentRow(current_->count() > 0 ? 0 : -1);
    updateButtons();
}

QStringList ToolbarCustomizeDialog::layout() const {
    QStringList keys;
    for (int i = 0; i < current_->count(); ++i) {
        keys << current_->item(i)->data(KeyRole).toString();
    }
    return keys;
}

static QStringList textsOf(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

QStringList ToolbarCustomizeDialog::availableTexts() const {
    return textsOf(available_);
}
QStringList ToolbarCustomizeDialog::currentTexts() const {
    return textsOf(current_);
}

void ToolbarCustomizeDialog::addSelected() {
    QListWidgetItem* chosen = available_->currentItem();
    if (!chosen) {
        return;
    }
    const QString key = chosen->data(KeyRole).toString();
    // Like a desktop customiser: the new button goes in front of the
    // selected one, or at the end when nothing is selected.
    const int at = current_->currentRow() >= 0 ? current_->currentRow() : current_->count();
    current_->insertItem(at, makeItem(key));
    current_->setCurrentRow(at);
    if (!isSeparator(key)) {
        const int row = available_->row(chosen);
        delete available_->takeItem(row);
        available_->setCurrentRow(qMin(row, available_->count() - 1));
    }
    changed();
}

void ToolbarCustomizeDialog::removeSelected() {
    const int row = current_->currentRow();
    if (row < 0) {
        return;
    }
    const QString key = current_->item(row)->data(KeyRole).toString();
    delete current_->takeItem(row);
    current_->setCurrentRow(qMin(row, current_->count() - 1));
    if (!isSeparator(key)) {
        // Back into the offer at its place in the original order.
        int at = 1;
        for (const auto& b : texts::ToolbarButtons) {
            const QString k = QString::fromLatin1(b.key);
            if (k == key) {
                break;
            }
            for (int i = 1; i < available_->count(); ++i) {
                if (available_->item(i)->data(KeyRole).toString() == k) {
                    at = i + 1;
                }
            }
        }
        available_->insertItem(at, makeItem(key));
        available_->setCurrentRow(at);
    }
    changed();
}

void ToolbarCustomizeDialog::moveUp() {
    const int row = current_->currentRow();
    if (row <= 0) {
        return;
    }
    current_->insertItem(row - 1, current_->takeItem(row));
    current_->setCurrentRow(row - 1);
    changed();
}

void ToolbarCustomizeDialog::moveDown() {
    const int row = current_->currentRow();
    if (row < 0 || row >= current_->count() - 1) {
        return;
    }
    current_->insertItem(row + 1, current_->takeItem(row));
    current_->setCurrentRow(row + 1);
    changed();
}

void ToolbarCustomizeDialog::reset() {
    fill(MDIForm1::defaultToolbarLayout());
    changed();
}

void ToolbarCustomizeDialog::changed() {
    updateButtons();
    emit layoutChanged(layout());
}

void ToolbarCustomizeDialog::updateButtons() {
    const int row = current_->currentRow();
    add_->setEnabled(available_->currentItem() != nullptr);
    remove_->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row < current_->count() - 1);
}

} // namespace kuyu::gui
