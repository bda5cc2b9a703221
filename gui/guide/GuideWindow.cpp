// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "gui/plantview/PlantPicture.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

// How many candidates 候補 lists; further down nobody looks.
constexpr int ShownCandidates = 30;
const QSize ThumbSize(72, 54);

} // namespace

GuideWindow::GuideWindow(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::GuideCaption));

    count_ = makeLabel("GuideCount", QString());
    QFont big = count_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    count_->setFont(big);
    history_ = makeLabel("GuideHistory", QString());
    sure_ = makeLabel("GuideSure", QString());
    sure_->setWordWrap(true);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("GuidePages"));
    pages_->addTab(buildCandidatesPage(), q(texts::GuidePageCandidates));
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
    layout->addWidget(sure_);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);

    resize(760, 560);
    placeWindow(this);
}

QWidget* GuideWindow::buildCandidatesPage() {
    auto* page = new QWidget;
    auto* hint = new QLabel(q(texts::GuideCandidatesHint), page);
    hint->setWordWrap(true);
    candidates_ = new QListWidget(page);
    candidates_->setObjectName(QStringLiteral("GuideCandidates"));
    candidates_->setIconSize(ThumbSize);
    candidates_->setUniformItemSizes(true);
    connect(candidates_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openCandidate(item->data(Qt::UserRole).toInt()); });
    groupNotice_ = makeLabel("GuideGroupNotice", QString());
    groupNotice_->setWordWrap(true);
    compareTop_ = makeButton("GuideCompareTop", q(texts::GuideCompareTop));
    compareTop_->setAutoDefault(false);
    connect(compareTop_, &QPushButton::clicked, this, &GuideWindow::compareFirstTwo);
    auto* row = new QHBoxLayout;
    row->addWidget(groupNotice_, 1);
    row->addWidget(compareTop_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(hint);
    layout->addWidget(candidates_, 1);
    layout->addLayout(row);
    return page;
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
    back_->setEnabled(session.canUndo());
    reloadNames();
    const Ranking ranking = session.ranking();
    const bool allAnswered = ranking.answered.size() == static_cast<std::size_t>(CategoryCount);
    sure_->setText(q(ranking.settled && !ranking.answered.empty()
                         ? (ranking.leaderShare >= ErrorModel{}.settledShare || allAnswered
                                ? texts::GuideSettled
                                : texts::GuideNotSettledEnd)
                         : texts::GuideNotSettled));
    sure_->setProperty("settled", ranking.settled && !ranking.answered.empty());
    fillCandidates(ranking);
    fillNext(counts, ranking);
    if (!whyName_->text().isEmpty()) {
        showWhy();
    }
}

QCheckBox* GuideWindow::unsureBox(int k) const {
    return findChild<QCheckBox*>(QStringLiteral("GuideUnsure%1").arg(k));
}

QList<int> GuideWindow::candidateRows() const {
    return shownCandidates_;
}

QImage GuideWindow::plantImage(int row) {
    try {
        if (const auto file = findPicture(PlantKey(app_.state.name(row)), app_.state.DataFolder,
                                          PictureSet::Plant)) {
            return LoadPicture(app_, *file);
        }
    } catch (const RunTimeError&) {
        // No picture, or one that cannot be read: the words still say it.
    } catch (const std::bad_alloc&) {
    }
    return {};
}

QPixmap GuideWindow::smallPicture(int row) {
    if (thumbsGeneration_ != app_.state.LoadGeneration) {
        thumbs_.clear();
        thumbsGeneration_ = app_.state.LoadGeneration;
    }
    if (const auto it = thumbs_.find(row); it != thumbs_.end()) {
        return it->second;
    }
    const QImage image = plantImage(row);
    QPixmap thumb(ThumbSize);
    thumb.fill(Qt::transparent);
    if (!image.isNull()) {
        thumb = QPixmap::fromImage(
            image.scaled(ThumbSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    thumbs_.emplace(row, thumb);
    return thumb;
}

void GuideWindow::fillCandidates(const Ranking& ranking) {
    const AppState& s = app_.state;
    candidates_->clear();
    shownCandidates_.clear();
    const std::size_t n = std::min<std::size_t>(ShownCandidates, ranking.candidates.size());
    for (std::size_t i = 0; i < n; ++i) {
        const Candidate& c = ranking.candidates[i];
        QString text = QString::number(c.rank) + q(texts::GuideRankTail) + qs(s.name(c.row)) +
                       q(texts::GuideFamilyLead) + qs(s.family(c.row)) + q(texts::GuideFamilyTail) +
                       QLatin1Char('\n') + q(texts::GuideFitsLead) + QString::number(c.fits);
        if (c.disagree.empty()) {
            text += q(texts::GuideDisagreeNone);
        } else {
            QStringList names;
            for (const int k : c.disagree) {
                names << qs(s.OptionLabel[k][0]);
            }
            text += q(texts::GuideDisagreeLead) + names.join(q(texts::GuideListSeparator));
        }
        auto* item = new QListWidgetItem(QIcon(smallPicture(c.row)), text, candidates_);
        item->setData(Qt::UserRole, c.row);
        shownCandidates_ << c.row;
    }
    QStringList notices;
    for (const auto& g : ranking.groups) {
        QStringList names;
        for (const int row : g) {
            names << qs(s.name(row));
        }
        notices << qs(IdenticalGroupNotice(static_cast<int>(g.size()))) + QStringLiteral("（") +
                       names.join(q(texts::GuideListSeparator)) + QStringLiteral("）");
    }
    groupNotice_->setText(notices.join(QLatin1Char('\n')));
    compareTop_->setEnabled(ranking.candidates.size() >= 2);
}

void GuideWindow::openCandidate(int row) {
    if (row < 1 || row > app_.state.PlantCount) {
        return;
    }
    // The picture window finds its plant by NameKey; the search's own name
    // filter is left as it was.
    const Text before = app_.state.NameKey;
    app_.state.NameKey = PlantKey(app_.state.name(row));
    OpenPlantPicture(app_);
    app_.state.NameKey = before;
}

void GuideWindow::compareFirstTwo() {
    if (shownCandidates_.size() < 2) {
        return;
    }
    compareA_->setText(qs(app_.state.name(shownCandidates_[0])));
    compareB_->setText(qs(app_.state.name(shownCandidates_[1])));
    pages_->setCurrentIndex(3);
    showCompare();
}

void GuideWindow::addOptionRow(QGridLayout* grid, int row, int k, const GuideCounts& counts,
                               const GuideAnswer& answer, bool suggested) {
    const AppState& s = app_.state;
    const auto& c = counts.categories[static_cast<std::size_t>(k - 1)];
    QString title = qs(s.OptionLabel[k][0]);
    if (suggested) {
        title += QLatin1Char('\n') + q(texts::GuideExpectedLead) +
                 QString::number(ExpectedRemaining(counts, k), 'f', 1) +
                 q(texts::GuideExpectedTail);
    }
    auto* name = new QLabel(title);
    name->setObjectName(QStringLiteral("GuideCategory%1").arg(k));
    grid->addWidget(name, row, 0);
    const int last = static_cast<int>(c.counts.size());
    for (int v = 1; v <= last; ++v) {
        const int n = c.counts[static_cast<std::size_t>(v - 1)];
        auto* b = new QPushButton(buttonText(s.OptionLabel[k][v]) + QLatin1Char('\n') +
                                  QString::number(n));
        b->setObjectName(QStringLiteral("GuideOption%1_%2").arg(k).arg(v));
        b->setAutoDefault(false);
        b->setCheckable(true);
        b->setChecked(v == last ? answer.unknown()
                                : answer.asked && ((answer.options >> v) & 1U) != 0);
        QString accessible = qs(s.OptionLabel[k][0] + U" " + s.OptionLabel[k][v]) +
                             QLatin1Char(' ') + QString::number(n);
        if (n == 0) {
            b->setStyleSheet(QStringLiteral("color: gray;"));
            b->setToolTip(q(texts::GuideNoPlantLeft));
            accessible += QLatin1Char(' ') + q(texts::GuideNoPlantLeft);
        }
        b->setAccessibleName(accessible);
        connect(b, &QPushButton::clicked, this,
                [this, k, v] { SessionOf(app_).pressOption(k, v); });
        grid->addWidget(b, row, v);
    }
    auto* unsure = new QCheckBox(q(texts::GuideUnsure));
    unsure->setObjectName(QStringLiteral("GuideUnsure%1").arg(k));
    unsure->setChecked(answer.unsure);
    connect(unsure, &QCheckBox::clicked, this,
            [this, k](bool on) { SessionOf(app_).setUnsure(k, on); });
    grid->addWidget(unsure, row, 9);
}

void GuideWindow::fillNext(const GuideCounts& counts, const Ranking& ranking) {
    order_.clear();
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("GuideNextContent"));
    auto* grid = new QGridLayout(content);
    const Answers& answers = SessionOf(app_).answers();
    int row = 0;
    const bool allAnswered = ranking.answered.size() == static_cast<std::size_t>(CategoryCount);
    if (counts.total == 0 || allAnswered) {
        auto* note =
            new QLabel(q(counts.total == 0 ? texts::GuideNoCandidates : texts::GuideAllSet));
        note->setObjectName(QStringLiteral("GuideNextNote"));
        note->setWordWrap(true);
        grid->addWidget(note, row++, 0, 1, 10);
    }
    for (const int k : ranking.next) {
        order_ << k;
        addOptionRow(grid, row++, k, counts, answers.at(k), true);
    }
    if (!ranking.answered.empty()) {
        auto* heading = new QLabel(q(texts::GuideAnsweredHeading));
        heading->setObjectName(QStringLiteral("GuideAnsweredHeading"));
        grid->addWidget(heading, row++, 0, 1, 10);
        for (const int k : ranking.answered) {
            addOptionRow(grid, row++, k, counts, answers.at(k), false);
        }
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(10, 1);
    // The old rows go later: the button or box that was pressed may still be
    // finishing its click.
    if (QWidget* old = nextArea_->takeWidget()) {
        old->hide();
        old->deleteLater();
    }
    nextArea_->setWidget(content);
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
    const QImage image = plantImage(row);
    if (!image.isNull()) {
        label->setPixmap(QPixmap::fromImage(
            image.scaled(200, 140, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
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
    showRestored(&w);
    fitOnScreen(&w);
    w.refresh();
    w.activateWindow();
}

} // namespace kuyu::gui
