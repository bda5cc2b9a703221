#include "gui/guide/GuideWindow.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/guide/KanaInput.h"
#include "core/images/PictureLookup.h"
#include "core/state/PlantCode.h"
#include "gui/app/App.h"
#include "gui/guide/GuideSession.h"
#include "gui/guide/GuideTexts.h"
#include "gui/images/PictureLoader.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/WindowPlacement.h"

#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace kuyu::gui {

namespace {

// Option labels carry "&" ("整&離"); on a button it must not become a key.
QString buttonText(const Text& label) {
    return qs(label).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString modeText(int mode) {
    return q(mode == search::Fuzzy ? texts::GuideModeFuzzy
             : mode == search::Ai  ? texts::GuideModeAi
                                   : texts::GuideModePlain);
}

QString mark(bool kept) {
    return q(kept ? texts::GuideListed : texts::GuideNotListed);
}

const QColor DifferBackground(255, 236, 160);

} // namespace

GuideWindow::GuideWindow(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::GuideCaption));

    count_ = makeLabel("GuideCount", QString());
    QFont big = count_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    count_->setFont(big);
    history_ = makeLabel("GuideHistory", QString());

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("GuidePages"));
    pages_->addTab(buildNextPage(), q(texts::GuidePageNext));
    pages_->addTab(buildWhyPage(), q(texts::GuidePageWhy));
    pages_->addTab(buildComparePage(), q(texts::GuidePageCompare));

    back_ = makeButton("GuideBack", q(texts::GuideBack));
    close_ = makeButton("GuideClose", q(texts::Close));
    connect(back_, &QPushButton::clicked, this, [this] { SessionOf(app_).undo(); });
    connect(close_, &QPushButton::clicked, this, [this] { unload(); });
    setCancelButton(close_);

    auto* top = new QHBoxLayout;
    top->addWidget(count_);
    top->addStretch(1);
    top->addWidget(history_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(back_);
    bottom->addStretch(1);
    bottom->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);

    resize(760, 560);
    placeWindow(this);
}

QWidget* GuideWindow::buildNextPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* hint = new QLabel(q(texts::GuideNextHint), page);
    hint->setObjectName(QStringLiteral("GuideNextHint"));
    hint->setWordWrap(true);
    nextArea_ = new QScrollArea(page);
    nextArea_->setObjectName(QStringLiteral("GuideNextList"));
    nextArea_->setWidgetResizable(true);
    layout->addWidget(hint);
    layout->addWidget(nextArea_, 1);
    return page;
}

QLineEdit* GuideWindow::makeNameBox(const char* objectName) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setPlaceholderText(q(texts::GuideNameHint));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(q(texts::GuideNameHint)) + 24);
    // What an input method types becomes the half-width katakana of the names.
    connect(box, &QLineEdit::textEdited, box, [box](const QString& typed) {
        const QString half = qs(ToHalfWidthKana(ts(typed)));
        if (half != typed) {
            const int fromEnd = typed.size() - box->cursorPosition();
            box->setText(half);
            box->setCursorPosition(qMax(0, static_cast<int>(half.size()) - fromEnd));
        }
    });
    if (!names_) {
        names_ = new QStringListModel(this);
    }
    auto* completer = new QCompleter(names_, box);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setFilterMode(Qt::MatchContains);
    box->setCompleter(completer);
    return box;
}

QWidget* GuideWindow::buildWhyPage() {
    auto* page = new QWidget;
    whyName_ = makeNameBox("GuideWhyName");
    auto* show = makeButton("GuideWhyShow", q(texts::GuideShow));
    connect(show, &QPushButton::clicked, this, &GuideWindow::showWhy);
    connect(whyName_, &QLineEdit::returnPressed, show, &QPushButton::click);
    connect(whyName_->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString&) { showWhy(); });
    whyStatus_ = makeLabel("GuideWhyStatus", QString());
    whyStatus_->setWordWrap(true);
    whyTable_ = new QTreeWidget(page);
    whyTable_->setObjectName(QStringLiteral("GuideWhyTable"));
    whyTable_->setRootIsDecorated(false);
    QStringList headers;
    for (const char32_t* h : texts::GuideWhyColumns) {
        headers << q(h);
    }
    whyTable_->setHeaderLabels(headers);
    whyTable_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(q(texts::GuideWhyPrompt), page));
    row->addWidget(whyName_, 1);
    row->addWidget(show);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(whyStatus_);
    layout->addWidget(whyTable_, 1);
    return page;
}

QWidget* GuideWindow::buildComparePage() {
    auto* page = new QWidget;
    compareA_ = makeNameBox("GuideCompareA");
    compareB_ = makeNameBox("GuideCompareB");
    auto* show = makeButton("GuideCompareShow", q(texts::GuideShow));
    connect(show, &QPushButton::clicked, this, &GuideWindow::showCompare);
    for (QLineEdit* box : {compareA_, compareB_}) {
        connect(box, &QLineEdit::returnPressed, show, &QPushButton::click);
    }
    pictureA_ = makeLabel("GuidePictureA", QString());
    pictureB_ = makeLabel("GuidePictureB", QString());
    for (QLabel* p : {pictureA_, pictureB_}) {
        p->setAlignment(Qt::AlignCenter);
        p->setMaximumHeight(150);
    }
    compareStatus_ = makeLabel("GuideCompareStatus", q(texts::GuideCompareHint));
    compareTable_ = new QTreeWidget(page);
    compareTable_->setObjectName(QStringLiteral("GuideCompareTable"));
    compareTable_->setRootIsDecorated(false);
    compareTable_->setHeaderLabels({q(texts::GuideCompareFeature), QString(), QString()});
    compareTable_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* names = new QGridLayout;
    names->addWidget(new QLabel(q(texts::GuideComparePromptA), page), 0, 0);
    names->addWidget(compareA_, 0, 1);
    names->addWidget(new QLabel(q(texts::GuideComparePromptB), page), 0, 2);
    names->addWidget(compareB_, 0, 3);
    names->addWidget(show, 0, 4);
    names->addWidget(pictureA_, 1, 0, 1, 2);
    names->addWidget(pictureB_, 1, 2, 1, 2);
    names->setColumnStretch(1, 1);
    names->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(names);
    layout->addWidget(compareStatus_);
    layout->addWidget(compareTable_, 1);
    return page;
}

void GuideWindow::reloadNames() {
    const AppState& s = app_.state;
    if (namesGeneration_ == s.LoadGeneration && names_->rowCount() > 0) {
        return;
    }
    namesGeneration_ = s.LoadGeneration;
    std::set<QString> all;
    for (int j = 1; j <= s.PlantCount; ++j) {
        all.insert(qs(s.name(j)));
    }
    const AliasTable aliases = ReadAliases(s);
    for (int e = 1; e <= aliases.count; ++e) {
        all.insert(qs(aliases.Alias[static_cast<std::size_t>(e)]));
    }
    names_->setStringList(QStringList(all.begin(), all.end()));
}

QPushButton* GuideWindow::optionButton(int k, int v) const {
    return findChild<QPushButton*>(QStringLiteral("GuideOption%1_%2").arg(k).arg(v));
}

void GuideWindow::refresh() {
    GuideSession& session = SessionOf(app_);
    const GuideCounts counts = session.counts();
    count_->setText(q(texts::GuideCountLead) + QString::number(counts.total) +
                    q(texts::GuideCountTail) + modeText(session.mode()));
    const auto& history = session.history();
    history_->setText(q(texts::GuideHistoryLead) + QString::number(history.entries().size()) +
                      q(texts::GuideHistoryTail));
    back_->setEnabled(history.canUndo());
    reloadNames();
    fillNext(counts);
    if (!whyName_->text().isEmpty()) {
        showWhy();
    }
}

void GuideWindow::fillNext(const GuideCounts& counts) {
    const AppState& s = app_.state;
    order_.clear();
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("GuideNextContent"));
    auto* grid = new QGridLayout(content);
    const std::vector<int> ranking = RankCategories(counts);
    int row = 0;
    if (counts.total == 0 || ranking.empty()) {
        auto* note =
            new QLabel(q(counts.total == 0 ? texts::GuideNoCandidates : texts::GuideAllSet));
        note->setObjectName(QStringLiteral("GuideNextNote"));
        note->setWordWrap(true);
        grid->addWidget(note, row++, 0, 1, 8);
    }
    if (counts.total > 0) {
        for (const int k : ranking) {
            order_ << k;
            const auto& c = counts.categories[static_cast<std::size_t>(k - 1)];
            auto* name = new QLabel(qs(s.OptionLabel[k][0]) + QLatin1Char('\n') +
                                    q(texts::GuideExpectedLead) +
                                    QString::number(ExpectedRemaining(counts, k), 'f', 1) +
                                    q(texts::GuideExpectedTail));
            name->setObjectName(QStringLiteral("GuideCategory%1").arg(k));
            grid->addWidget(name, row, 0);
            for (std::size_t v = 1; v < c.counts.size(); ++v) {
                const int n = c.counts[v - 1];
                auto* b = new QPushButton(buttonText(s.OptionLabel[k][v]) + QLatin1Char('\n') +
                                          QString::number(n));
                b->setObjectName(QStringLiteral("GuideOption%1_%2").arg(k).arg(v));
                b->setAutoDefault(false);
                b->setAccessibleName(qs(s.OptionLabel[k][0] + U" " + s.OptionLabel[k][v]) +
                                     QLatin1Char(' ') + QString::number(n));
                if (n == 0) {
                    b->setStyleSheet(QStringLiteral("color: gray;"));
                }
                const int option = static_cast<int>(v);
                connect(b, &QPushButton::clicked, this,
                        [this, k, option] { SessionOf(app_).commitOption(k, option); });
                grid->addWidget(b, row, static_cast<int>(v));
            }
            ++row;
        }
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(8, 1);
    nextArea_->setWidget(content); // the old content goes with it
    // Widen the window so a row of options shows whole, within the screen.
    if (isVisible()) {
        layout()->activate();
        const int extra = content->sizeHint().width() - nextArea_->viewport()->width();
        if (extra > 0) {
            resize(qMin(width() + extra + 2, maximumWidth()), height());
            fitOnScreen(this);
        }
    }
}

void GuideWindow::showWhy() {
    whyTable_->clear();
    const AppState& s = app_.state;
    const int row = FindPlantForGuide(s, ts(whyName_->text()));
    if (row == 0) {
        whyStatus_->setText(whyName_->text().isEmpty() ? QString() : q(texts::GuideNoSuchPlant));
        return;
    }
    GuideSession& session = SessionOf(app_);
    const WhyOut w = ExplainPlant(s, session.index(), row, session.query());
    QString status = qs(s.name(row)) + QStringLiteral("　") + q(texts::GuideKeptPlain) +
                     mark(w.keptPlain) + q(texts::GuideKeptFuzzy) + mark(w.keptFuzzy) +
                     q(texts::GuideKeptAi) + mark(w.keptAi);
    if (!w.nameMatches) {
        status += QLatin1Char('\n') + q(texts::GuideNameOut);
    } else if (w.differences.empty()) {
        status += QLatin1Char('\n') + q(texts::GuideAllAgree);
    }
    whyStatus_->setText(status);
    for (const auto& d : w.differences) {
        auto* item = new QTreeWidgetItem(
            whyTable_, {qs(s.OptionLabel[d.category][0]), qs(d.chosenLabel), qs(d.plantState),
                        q(d.aiAccepts ? texts::GuideAiPasses : texts::GuideAiFails)});
        item->setData(0, Qt::UserRole, d.category);
    }
}

void GuideWindow::showPicture(QLabel* label, int row) {
    label->clear();
    if (row == 0) {
        return;
    }
    const Text key = PlantKey(app_.state.name(row));
    try {
        if (const auto file = findPicture(key, app_.state.DataFolder, PictureSet::Plant)) {
            const QImage image = LoadPicture(app_, *file);
            if (!image.isNull()) {
                label->setPixmap(QPixmap::fromImage(
                    image.scaled(200, 140, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
            }
        }
    } catch (const RunTimeError&) {
        // No picture, or one that cannot be read: the table still compares.
    } catch (const std::bad_alloc&) {
    }
}

void GuideWindow::showCompare() {
    compareTable_->clear();
    const AppState& s = app_.state;
    const int a = FindPlantForGuide(s, ts(compareA_->text()));
    const int b = FindPlantForGuide(s, ts(compareB_->text()));
    showPicture(pictureA_, a);
    showPicture(pictureB_, b);
    if (a == 0 || b == 0) {
        compareStatus_->setText(q(texts::GuideNoSuchPlant));
        return;
    }
    compareStatus_->setText(q(texts::GuideCompareHint));
    compareTable_->setHeaderLabels({q(texts::GuideCompareFeature), qs(s.name(a)), qs(s.name(b))});
    for (const auto& r : ComparePlants(s, a, b)) {
        auto* item = new QTreeWidgetItem(compareTable_, {qs(r.name), qs(r.a), qs(r.b)});
        item->setData(0, Qt::UserRole, r.differ);
        if (r.differ) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int c = 0; c < 3; ++c) {
                item->setBackground(c, DifferBackground);
                item->setFont(c, bold);
            }
        }
    }
}

void OpenGuideWindow(App& app) {
    auto& w = app.load<GuideWindow>();
    w.show();
    fitOnScreen(&w);
    w.refresh();
    w.raise();
    w.activateWindow();
}

} // namespace kuyu::gui
