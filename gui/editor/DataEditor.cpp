// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/DataEditor.h"

#include "core/Errors.h"
#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/editor/PlantCsv.h"
#include "core/guide/KanaInput.h"
#include "core/images/PictureLookup.h"
#include "core/text/Text.h"
#include "gui/app/App.h"
#include "gui/app/DataFileSelection.h"
#include "gui/editor/CategoryChooser.h"
#include "gui/editor/EditorTexts.h"
#include "gui/editor/PhotoImport.h"
#include "gui/images/PictureLoader.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollArea>
#include <QSplitter>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

// The bundled illustrations live in the program (see illustrations.qrc).
static void initIllustrationResources() {
    Q_INIT_RESOURCE(illustrations);
}

namespace kuyu::gui {

namespace {

using editor::FileSlot;

constexpr qint64 NoteFileLimit = 1024 * 1024;
constexpr int MaxProblemsShown = 20;
constexpr int RowRole = Qt::UserRole;

const std::array<const char*, editor::FileSlotCount> SlotNames = {"Picture", "CloseUp1", "CloseUp2",
                                                                  "Note", "Video"};

FileSlot slotAt(int i) {
    return static_cast<FileSlot>(i);
}

bool isPictureSlot(FileSlot s) {
    return s == FileSlot::Picture || s == FileSlot::CloseUp1 || s == FileSlot::CloseUp2;
}

bool hasSuffix(const QString& path, const char* suffix) {
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

// A note file as a person may have written it: UTF-8 when it is valid UTF-8,
// else CP932 (a file with a byte order mark is read by the core's rule).
Text decodeNote(const QByteArray& bytes) {
    const std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return decodeFileText(raw);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return ts(text);
    }
    return decodeCp932(raw);
}

// A note as its box shows it: the file's CR LF line ends are line ends, and
// the end of the last line is no line of its own.
QString noteForBox(const Text& note) {
    QString text = qs(note);
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    return text;
}

// The bundled illustrations, written out for PlantData::create to copy.
bool writeIllustrations(const QString& folder) {
    const QDir from(QStringLiteral(":/editor/illustrations"));
    const QStringList names = from.entryList(QDir::Files);
    if (names.isEmpty()) {
        return false;
    }
    for (const QString& n : names) {
        if (!QFile::copy(from.filePath(n), folder + QLatin1Char('/') + n)) {
            return false;
        }
    }
    return true;
}

} // namespace

DataEditor::DataEditor(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    initIllustrationResources();
    setWindowTitle(q(texts::EditorCaption));
    setAcceptDrops(true);
    buildControls();
    buildMenus();
    setCloseButton(closeButton_);

    // The database in use is the one edited first.
    const QString inUse = qs(app.state.DataFilePath);
    if (!inUse.isEmpty() && QFileInfo(inUse).isFile()) {
        Text why;
        if (auto opened = editor::PlantData::open(ts(QFileInfo(inUse).absoluteFilePath()), why)) {
            data_ = std::move(*opened);
        }
    }
    refreshAll();
    if (data_.count() > 0) {
        selectPlant(0);
    }
    resize(1180, 760);
    placeWindow(this);
}

DataEditor::~DataEditor() = default;

void DataEditor::buildControls() {
    newButton_ = makeButton("NewButton", q(texts::EditorNew));
    openButton_ = makeButton("OpenButton", q(texts::EditorOpen));
    saveButton_ = makeButton("SaveButton", q(texts::EditorSave));
    undoButton_ = makeButton("UndoButton", q(texts::EditorUndo));
    redoButton_ = makeButton("RedoButton", q(texts::EditorRedo));
    addButton_ = makeButton("AddButton", q(texts::EditorAddPlant));
    removeButton_ = makeButton("RemoveButton", q(texts::EditorRemovePlant));
    exportButton_ = makeButton("ExportButton", q(texts::EditorExportCsv));
    importButton_ = makeButton("ImportButton", q(texts::EditorImportCsv));
    closeButton_ = makeButton("CloseButton", q(texts::Close));
    connect(newButton_, &QPushButton::clicked, this, &DataEditor::newDatabase);
    connect(openButton_, &QPushButton::clicked, this, &DataEditor::openChosenDatabase);
    connect(saveButton_, &QPushButton::clicked, this, &DataEditor::save);
    connect(undoButton_, &QPushButton::clicked, this, &DataEditor::undo);
    connect(redoButton_, &QPushButton::clicked, this, &DataEditor::redo);
    connect(addButton_, &QPushButton::clicked, this, &DataEditor::addPlant);
    connect(removeButton_, &QPushButton::clicked, this, &DataEditor::removePlant);
    connect(exportButton_, &QPushButton::clicked, this, &DataEditor::exportCsv);
    connect(importButton_, &QPushButton::clicked, this, &DataEditor::importCsv);
    connect(closeButton_, &QPushButton::clicked, this, &DataEditor::requestClose);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {newButton_, openButton_, saveButton_}) {
        buttons->addWidget(b);
    }
    buttons->addSpacing(12);
    for (QPushButton* b : {undoButton_, redoButton_}) {
        buttons->addWidget(b);
    }
    buttons->addSpacing(12);
    for (QPushButton* b : {addButton_, removeButton_}) {
        buttons->addWidget(b);
    }
    buttons->addSpacing(12);
    for (QPushButton* b : {exportButton_, importButton_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    // The list, with its filter.
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("Filter"));
    filter_->setPlaceholderText(q(texts::EditorFilterHint));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, &DataEditor::applyFilter);
    list_ = new QTableWidget(0, ColumnCount, this);
    list_->setObjectName(QStringLiteral("PlantList"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    // In name order at first (a header left alone would sort descending).
    list_->horizontalHeader()->setSortIndicator(ColName, Qt::AscendingOrder);
    list_->setSortingEnabled(true);
    list_->horizontalHeader()->setSortIndicatorShown(true);
    QStringList headings = {q(texts::EditorColumnName), q(texts::EditorColumnFamily),
                            q(texts::EditorColumnClass)};
    for (int k = 1; k <= CategoryCount; ++k) {
        headings << qs(app_.state.OptionLabel[static_cast<std::size_t>(k)][0]).trimmed();
    }
    for (const char32_t* s : texts::EditorSlotNames) {
        headings << q(s);
    }
    headings << q(texts::EditorColumnWarnings);
    list_->setHorizontalHeaderLabels(headings);
    list_->horizontalHeader()->setStretchLastSection(true);
    connect(list_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (filling_) {
            return;
        }
        const auto items = list_->selectedItems();
        if (items.isEmpty()) {
            return;
        }
        const int row = list_->item(items.first()->row(), ColName)->data(RowRole).toInt();
        if (row != current_) {
            selectPlant(row);
        }
    });
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(q(texts::EditorFilter), this));
    filterRow->addWidget(filter_, 1);
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(filterRow);
    leftLayout->addWidget(list_, 1);

    auto* right = new QScrollArea(this);
    right->setObjectName(QStringLiteral("PlantArea"));
    right->setWidgetResizable(true);
    right->setWidget(buildPlantForm());

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("Split"));
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    status_ = makeLabel("Status", QString());
    status_->setWordWrap(true);

    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("EditorMenuBar"));
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);
    layout->addWidget(status_);

    // Text boxes would take a dropped file as text: the window takes it.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
            w->setAcceptDrops(false);
        }
    }
    note_->viewport()->setAcceptDrops(false);
}

QWidget* DataEditor::buildPlantForm() {
    form_ = new QWidget(this);
    form_->setObjectName(QStringLiteral("PlantForm"));
    noPlant_ = new QLabel(q(texts::EditorNoPlant), form_);
    noPlant_->setObjectName(QStringLiteral("NoPlant"));

    name_ = new QLineEdit(form_);
    name_->setObjectName(QStringLiteral("NameEdit"));
    name_->setPlaceholderText(q(texts::EditorNameHint));
    connect(name_, &QLineEdit::editingFinished, this, &DataEditor::commitName);
    plantWarnings_ = new QLabel(form_);
    plantWarnings_->setObjectName(QStringLiteral("PlantWarnings"));
    plantWarnings_->setWordWrap(true);
    // Room for two warnings kept at all times, so the form below does not
    // jump while the person clicks through it.
    plantWarnings_->setMinimumHeight(2 * plantWarnings_->fontMetrics().lineSpacing());
    plantWarnings_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warn = plantWarnings_->palette();
    warn.setColor(QPalette::WindowText, QColor(160, 0, 0));
    plantWarnings_->setPalette(warn);

    // Tab 1: names and classification.
    auto* names = new QWidget(form_);
    family_ = new QLineEdit(names);
    family_->setObjectName(QStringLiteral("FamilyEdit"));
    connect(family_, &QLineEdit::editingFinished, this, &DataEditor::commitFamily);
    class_ = new QComboBox(names);
    class_->setObjectName(QStringLiteral("ClassBox"));
    class_->addItem(q(texts::EditorNoClass));
    for (int g = 1; g <= 5; ++g) {
        class_->addItem(qs(app_.state.OptionLabel[ClassCategory][static_cast<std::size_t>(g)]));
    }
    connect(class_, &QComboBox::activated, this, [this](int g) {
        if (!filling_ && current_ >= 0 && g != data_.classification(current_)) {
            accept(data_.setClassification(current_, g));
            refreshAll();
        }
    });
    aliases_ = new QLineEdit(names);
    aliases_->setObjectName(QStringLiteral("AliasEdit"));
    connect(aliases_, &QLineEdit::editingFinished, this, &DataEditor::commitAliases);
    auto* namesLayout = new QGridLayout(names);
    namesLayout->addWidget(new QLabel(q(texts::EditorFamily), names), 0, 0);
    namesLayout->addWidget(family_, 0, 1);
    namesLayout->addWidget(new QLabel(q(texts::EditorClass), names), 1, 0);
    namesLayout->addWidget(class_, 1, 1);
    namesLayout->addWidget(new QLabel(q(texts::EditorAliases), names), 2, 0);
    namesLayout->addWidget(aliases_, 2, 1);
    namesLayout->setRowStretch(3, 1);

    // Tab 2: the ten states.
    auto* states = new QWidget(form_);
    auto* grid = new QGridLayout;
    for (int k = 1; k <= CategoryCount; ++k) {
        auto* b = new QPushButton(states);
        b->setObjectName(QStringLiteral("Category%1").arg(k));
        b->setAutoDefault(false);
        b->setCheckable(true);
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 6px;"));
        connect(b, &QPushButton::clicked, this, [this, k] { showCategory(k); });
        categoryButtons_[static_cast<std::size_t>(k - 1)] = b;
        grid->addWidget(b, (k - 1) % 5, (k - 1) / 5);
    }
    chooser_ = new CategoryChooser(app_.state, states);
    chooser_->setObjectName(QStringLiteral("Chooser"));
    connect(chooser_, &CategoryChooser::primaryChosen, this,
            [this](int k, const editor::CategoryState& s) {
                if (current_ >= 0 && s != data_.primary(current_, k)) {
                    accept(data_.setPrimary(current_, k, s));
                }
                refreshAll();
            });
    connect(chooser_, &CategoryChooser::secondaryChosen, this,
            [this](int k, const std::optional<editor::CategoryState>& s) {
                if (current_ >= 0 && s != data_.secondary(current_, k)) {
                    accept(data_.setSecondary(current_, k, s));
                }
                refreshAll();
            });
    auto* statesLayout = new QVBoxLayout(states);
    statesLayout->addLayout(grid);
    statesLayout->addWidget(chooser_, 1);

    tabs_ = new QTabWidget(form_);
    tabs_->setObjectName(QStringLiteral("PlantTabs"));
    tabs_->addTab(states, q(texts::EditorTabStates));
    tabs_->addTab(names, q(texts::EditorTabNames));
    tabs_->addTab(buildFilesTab(), q(texts::EditorTabFiles));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(q(texts::EditorName), form_));
    nameRow->addWidget(name_, 1);
    auto* layout = new QVBoxLayout(form_);
    layout->addWidget(noPlant_);
    layout->addLayout(nameRow);
    layout->addWidget(plantWarnings_);
    layout->addWidget(tabs_, 1);
    return form_;
}

QWidget* DataEditor::buildFilesTab() {
    auto* files = new QWidget(form_);
    auto* layout = new QVBoxLayout(files);
    for (int i = 0; i < editor::FileSlotCount; ++i) {
        auto* row = new QWidget(files);
        row->setObjectName(QStringLiteral("Slot") + QLatin1String(SlotNames[i]));
        auto* name = new QLabel(q(texts::EditorSlotNames[static_cast<std::size_t>(i)]), row);
        name->setMinimumWidth(60);
        auto* state = new QLabel(row);
        state->setObjectName(QStringLiteral("File") + QLatin1String(SlotNames[i]));
        state->setMinimumWidth(40);
        auto* attach = new QPushButton(q(texts::EditorAttach), row);
        attach->setObjectName(QStringLiteral("Attach") + QLatin1String(SlotNames[i]));
        attach->setAutoDefault(false);
        const FileSlot slot = slotAt(i);
        connect(attach, &QPushButton::clicked, this, [this, slot] { chooseAttachment(slot); });
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(name);
        h->addWidget(state);
        h->addWidget(attach);
        h->addStretch(1);
        slotRows_[static_cast<std::size_t>(i)] = row;
        slotStates_[static_cast<std::size_t>(i)] = state;
        layout->addWidget(row);
    }
    auto* hint = new QLabel(q(texts::EditorDropHint), files);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(new QLabel(q(texts::EditorNote), files));
    note_ = new QPlainTextEdit(files);
    note_->setObjectName(QStringLiteral("NoteEdit"));
    note_->installEventFilter(this);
    layout->addWidget(note_, 1);
    return files;
}

void DataEditor::buildMenus() {
    auto item = [this](QMenu* menu, const char* name, const char32_t* caption, QPushButton* button,
                       const QKeySequence& key = {}) {
        QAction* a = menu->addAction(q(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, button, &QPushButton::click);
        menuItems_.push_back({a, button});
        return a;
    };
    QMenu* file = menuBar_->addMenu(q(texts::EditorMenuFile));
    file->setObjectName(QStringLiteral("EditorFileMenu"));
    item(file, "NewItem", texts::EditorNew, newButton_);
    item(file, "OpenItem", texts::EditorOpen, openButton_);
    item(file, "SaveItem", texts::EditorSave, saveButton_, QKeySequence::Save);
    file->addSeparator();
    item(file, "ExportItem", texts::EditorExportCsv, exportButton_);
    item(file, "ImportItem", texts::EditorImportCsv, importButton_);
    file->addSeparator();
    item(file, "CloseItem", texts::Close, closeButton_);
    QMenu* edit = menuBar_->addMenu(q(texts::EditorMenuEdit));
    edit->setObjectName(QStringLiteral("EditorEditMenu"));
    item(edit, "UndoItem", texts::EditorUndo, undoButton_, QKeySequence(Qt::CTRL | Qt::Key_Z));
    item(edit, "RedoItem", texts::EditorRedo, redoButton_, QKeySequence(Qt::CTRL | Qt::Key_Y));
    edit->addSeparator();
    item(edit, "AddItem", texts::EditorAddPlant, addButton_);
    item(edit, "RemoveItem", texts::EditorRemovePlant, removeButton_);
}

// --- messages --------------------------------------------------------------

void DataEditor::tell(const QString& text, const char32_t* title) {
    Message m;
    m.text = ts(text);
    m.title = title;
    m.icon = title == texts::TitleError ? MessageIcon::Exclamation : MessageIcon::Information;
    app_.platform.messages->show(this, m);
}

bool DataEditor::accept(const editor::Outcome& outcome) {
    if (!outcome.ok) {
        tell(qs(outcome.message), texts::TitleError);
    }
    return outcome.ok;
}

bool DataEditor::mayDiscard() {
    // A note the data refused is a change not yet in it: that asks too.
    const bool committed = commitFields();
    if (committed && !data_.modified()) {
        return true;
    }
    Message m;
    m.text = texts::EditorAskDiscard;
    m.title = texts::EditorTitle;
    m.icon = MessageIcon::Question;
    m.buttons = MessageButtons::YesNo;
    return app_.platform.messages->show(this, m) == Answer::Yes;
}

// --- the database ----------------------------------------------------------

void DataEditor::setData(editor::PlantData data) {
    data_ = std::move(data);
    illustrations_.clear();
    current_ = -1;
    filter_->clear();
    refreshAll();
    if (data_.count() > 0) {
        selectPlant(0);
    }
}

bool DataEditor::openDatabase(const QString& path) {
    Text why;
    auto opened = editor::PlantData::open(ts(QFileInfo(path).absoluteFilePath()), why);
    if (!opened) {
        tell(qs(why), texts::TitleError);
        return false;
    }
    setData(std::move(*opened));
    return true;
}

void DataEditor::openChosenDatabase() {
    if (!mayDiscard()) {
        return;
    }
    const auto chosen =
        app_.platform.dialogs->openFile(this, q(texts::EditorOpenTitle), DataFileFilters());
    if (chosen && !chosen->isEmpty()) {
        openDatabase(*chosen);
    }
}

void DataEditor::newDatabase() {
    if (!mayDiscard()) {
        return;
    }
    const auto folder = app_.platform.dialogs->chooseFolder(this, q(texts::EditorNewTitle));
    if (!folder || folder->isEmpty()) {
        return;
    }
    QTemporaryDir bundled;
    if (!bundled.isValid() || !writeIllustrations(bundled.path())) {
        tell(q(texts::EditorPhotoUnreadable) + QStringLiteral(":/editor/illustrations"),
             texts::TitleError);
        return;
    }
    Text why;
    auto made = editor::PlantData::create(ts(*folder), ts(bundled.path() + QLatin1Char('/')), why);
    if (!made) {
        tell(qs(why), texts::TitleError);
        return;
    }
    setData(std::move(*made));
}

void DataEditor::save() {
    if (data_.folder().empty() || !commitFields()) {
        return;
    }
    if (data_.changedOnDisk()) {
        Message m;
        m.text = texts::EditorAskOverwrite;
        m.title = texts::EditorTitle;
        m.icon = MessageIcon::Exclamation;
        m.buttons = MessageButtons::YesNo;
        if (app_.platform.messages->show(this, m) != Answer::Yes) {
            return;
        }
    }
    editor::Outcome saved;
    {
        const CursorGuard hourglass;
        saved = data_.save();
    }
    refreshAll();
    if (!accept(saved)) {
        return;
    }
    reloadDatabase();
}

// The same load as choosing the file in ﾃﾞｰﾀﾌｧｲﾙ選択: the searches, pages and
// guide read the new table at once.
void DataEditor::reloadDatabase() {
    Message message;
    try {
        const CursorGuard hourglass;
        message = LoadDataFile(app_.state, data_.databasePath(), data_.folder());
    } catch (const RunTimeError&) {
        return;
    }
    emit app_.conditionsChanged();
    app_.platform.messages->show(this, message);
    app_.tellAliasTrouble(this);
    app_.notify(hook::GuideRefresh);
}

void DataEditor::exportCsv() {
    if (data_.folder().empty() || !commitFields()) {
        return;
    }
    const QString suggested = qs(data_.folder()) + QStringLiteral("KUYU.csv");
    const auto chosen = app_.platform.dialogs->saveFile(this, q(texts::EditorExportTitle),
                                                        {q(texts::EditorCsvFilter)}, suggested);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    const std::string csv = editor::ExportCsv(data_);
    QSaveFile file(*chosen);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        tell(q(texts::EditorCsvUnwritable) + *chosen + QStringLiteral("\r") + file.errorString(),
             texts::TitleError);
        return;
    }
    tell(q(texts::EditorExported) + *chosen, texts::EditorTitle);
}

void DataEditor::importCsv() {
    if (data_.folder().empty() || !commitFields()) {
        return;
    }
    const auto chosen = app_.platform.dialogs->openFile(
        this, q(texts::EditorImportTitle), {q(texts::EditorCsvFilter), q(texts::EditorAllFilter)},
        FileChoice::Spreadsheet);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    QFile file(*chosen);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(q(texts::EditorCsvUnreadable) + *chosen, texts::TitleError);
        return;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(editor::MaxCsvBytes) + 1);
    if (bytes.size() > static_cast<qint64>(editor::MaxCsvBytes)) {
        tell(q(texts::EditorCsvTooLarge) + *chosen, texts::TitleError);
        return;
    }
    const editor::CsvImport read = editor::ImportCsv(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!read.problems.empty()) {
        // Every bad cell, so the person can mend the sheet at once; a long
        // list is cut where a box could still show it.
        QStringList lines;
        for (const auto& p : read.problems) {
            if (lines.size() == MaxProblemsShown) {
                lines << q(texts::EditorCsvMoreProblems);
                break;
            }
            lines << qs(p.message);
        }
        tell(q(texts::EditorCsvRefused) + QStringLiteral("\r") + lines.join(QLatin1Char('\r')),
             texts::TitleError);
        return;
    }
    if (accept(data_.replaceAll(read.plants))) {
        current_ = data_.count() > 0 ? 0 : -1;
        refreshAll();
        tell(q(texts::EditorImported), texts::EditorTitle);
    }
}

void DataEditor::requestClose() {
    if (mayDiscard()) {
        unload();
    }
}

void DataEditor::closeEvent(QCloseEvent* event) {
    // The close box asks as the 終了 button does; a "no" keeps the window.
    event->ignore();
    closeButton_->click();
}

// --- edits -----------------------------------------------------------------

void DataEditor::undo() {
    if (!commitFields() || !data_.canUndo()) {
        return;
    }
    data_.undo();
    refreshAll();
}

void DataEditor::redo() {
    if (!commitFields() || !data_.canRedo()) {
        return;
    }
    data_.redo();
    refreshAll();
}

void DataEditor::addPlant() {
    if (data_.folder().empty() || !commitFields()) {
        return;
    }
    const int row = data_.addPlant();
    filter_->clear();
    refreshAll();
    selectPlant(row);
    tabs_->setCurrentIndex(0);
    name_->setFocus(Qt::OtherFocusReason);
}

void DataEditor::removePlant() {
    if (current_ < 0) {
        return;
    }
    Message m;
    m.text = data_.plant(current_).name + texts::EditorAskRemove;
    m.title = texts::EditorTitle;
    m.icon = MessageIcon::Question;
    m.buttons = MessageButtons::YesNo;
    if (app_.platform.messages->show(this, m) != Answer::Yes) {
        return;
    }
    const int row = current_;
    if (accept(data_.removePlant(row))) {
        current_ = std::min(row, data_.count() - 1);
    }
    refreshAll();
}

void DataEditor::commitName() {
    if (filling_ || current_ < 0) {
        return;
    }
    const Text typed = ts(name_->text());
    if (typed != data_.plant(current_).name) {
        accept(data_.setName(current_, typed));
        refreshAll();
    }
}

void DataEditor::commitFamily() {
    if (filling_ || current_ < 0) {
        return;
    }
    const Text typed = ts(family_->text().trimmed());
    if (typed != data_.plant(current_).family) {
        accept(data_.setFamily(current_, typed));
        refreshAll();
    }
}

void DataEditor::commitAliases() {
    if (filling_ || current_ < 0) {
        return;
    }
    // Typed through an input method the separator is "、"; made half-width
    // it is "､".
    const QString typed = qs(ToHalfWidthKana(ts(aliases_->text())));
    std::vector<Text> aliases;
    for (const QString& part :
         typed.split(QRegularExpression(QStringLiteral("[,､、，]")), Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty()) {
            aliases.push_back(ts(part.trimmed()));
        }
    }
    if (aliases != data_.plant(current_).aliases) {
        accept(data_.setAliases(current_, aliases));
        refreshAll();
    }
}

bool DataEditor::commitNote() {
    if (filling_ || current_ < 0) {
        return true;
    }
    const Text typed = ts(note_->toPlainText());
    if (noteForBox(typed) == noteForBox(data_.note(current_))) {
        return true;
    }
    // A refused note stays in its box, so nothing typed is lost.
    if (!accept(data_.setNote(current_, typed))) {
        tabs_->setCurrentIndex(2);
        note_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    refreshAll();
    return true;
}

bool DataEditor::commitFields() {
    if (current_ < 0) {
        return true;
    }
    commitName();
    commitFamily();
    commitAliases();
    return commitNote();
}

void DataEditor::selectPlant(int row) {
    if (row == current_ || row < -1 || row >= data_.count()) {
        return;
    }
    if (!commitFields()) {
        refreshList(); // the list shows the plant whose note is being mended
        return;
    }
    current_ = row;
    refreshList();
    refreshPlant();
}

void DataEditor::showCategory(int k) {
    for (int i = 1; i <= CategoryCount; ++i) {
        categoryButtons_[static_cast<std::size_t>(i - 1)]->setChecked(i == k);
    }
    if (current_ < 0) {
        return;
    }
    chooser_->showCategory(k, illustration(k), data_.primary(current_, k),
                           data_.secondary(current_, k));
}

QImage DataEditor::illustration(int k) {
    if (auto it = illustrations_.constFind(k); it != illustrations_.constEnd()) {
        return *it;
    }
    // The edited folder's own illustrations first, then the current
    // folder's, where the picker looks.
    std::vector<Text> candidates;
    for (const Text& name :
         pictureCandidates(Category(k).illustration, Text(), PictureSet::Illustration)) {
        if (!data_.folder().empty()) {
            candidates.push_back(data_.folder() + name);
        }
    }
    for (const Text& name :
         pictureCandidates(Category(k).illustration, Text(), PictureSet::Illustration)) {
        candidates.push_back(name);
    }
    QImage picture;
    if (const auto file = firstExisting(candidates)) {
        try {
            picture = LoadPicture(app_, *file);
        } catch (const RunTimeError&) {
            picture = QImage(); // shown as missing; the buttons still choose
        }
    }
    illustrations_.insert(k, picture);
    return picture;
}

// --- files -----------------------------------------------------------------

void DataEditor::chooseAttachment(FileSlot slot) {
    if (current_ < 0) {
        return;
    }
    QStringList filters;
    if (isPictureSlot(slot)) {
        filters << q(texts::EditorPhotoFilter);
    } else if (slot == FileSlot::Note) {
        filters << q(texts::EditorNoteFilter);
    } else {
        filters << q(texts::EditorVideoFilter);
    }
    filters << q(texts::EditorAllFilter);
    const auto chosen = app_.platform.dialogs->openFile(this, q(texts::EditorAttachTitle), filters,
                                                        FileChoice::Attachment);
    if (chosen && !chosen->isEmpty()) {
        attachFile(slot, *chosen);
    }
}

bool DataEditor::attachFile(FileSlot slot, const QString& path) {
    if (current_ < 0) {
        tell(q(texts::EditorNeedPlant), texts::TitleMessage);
        return false;
    }
    const QString shown = QFileInfo(path).fileName();
    bool done = false;
    if (isPictureSlot(slot)) {
        if (!IsPhotoFile(path)) {
            tell(q(texts::EditorCannotAttach) + shown, texts::TitleError);
            return false;
        }
        PreparedPhoto photo;
        {
            const CursorGuard hourglass;
            photo =
                PreparePhoto(app_, path, slot == FileSlot::Picture ? PlantPictureBox : CloseUpBox);
        }
        if (photo.jpeg.isEmpty()) {
            tell(qs(photo.why), texts::TitleError);
            return false;
        }
        done = accept(data_.attachBytes(current_, slot, photo.jpeg.toStdString(), U".JPG"));
    } else if (slot == FileSlot::Note) {
        QFile file(path);
        if (!hasSuffix(path, "txt") || !file.open(QIODevice::ReadOnly)) {
            tell(q(texts::EditorNoteUnreadable) + shown, texts::TitleError);
            return false;
        }
        const QByteArray bytes = file.read(NoteFileLimit + 1);
        if (bytes.size() > NoteFileLimit) {
            tell(q(texts::EditorNoteTooLarge) + shown, texts::TitleError);
            return false;
        }
        done = accept(data_.setNote(current_, decodeNote(bytes)));
    } else {
        if (!hasSuffix(path, "avi")) {
            tell(q(texts::EditorCannotAttach) + shown, texts::TitleError);
            return false;
        }
        done = accept(data_.attachFile(current_, slot, ts(QFileInfo(path).absoluteFilePath())));
    }
    refreshAll();
    return done;
}

std::optional<FileSlot> DataEditor::slotForDrop(const QString& path, const QPoint& pos) const {
    for (int i = 0; i < editor::FileSlotCount; ++i) {
        QWidget* row = slotRows_[static_cast<std::size_t>(i)];
        if (row->isVisible() && row->rect().contains(row->mapFrom(this, pos))) {
            return slotAt(i);
        }
    }
    if (hasSuffix(path, "txt")) {
        return FileSlot::Note;
    }
    if (hasSuffix(path, "avi")) {
        return FileSlot::Video;
    }
    if (!IsPhotoFile(path)) {
        return std::nullopt;
    }
    // A photo goes to the first picture the plant lacks.
    for (FileSlot s : {FileSlot::Picture, FileSlot::CloseUp1, FileSlot::CloseUp2}) {
        if (!data_.hasFile(current_, s)) {
            return s;
        }
    }
    return FileSlot::Picture;
}

void DataEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void DataEditor::dropEvent(QDropEvent* event) {
    const auto urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) {
            continue;
        }
        const QString path = url.toLocalFile();
        const auto slot = slotForDrop(path, event->position().toPoint());
        if (!slot) {
            tell(q(texts::EditorCannotAttach) + QFileInfo(path).fileName(), texts::TitleError);
            continue;
        }
        if (!attachFile(*slot, path)) {
            break;
        }
    }
}

bool DataEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == note_ && event->type() == QEvent::FocusOut) {
        commitNote();
    }
    return FormWindow::eventFilter(watched, event);
}

// --- showing ---------------------------------------------------------------

void DataEditor::refreshAll() {
    if (current_ >= data_.count()) {
        current_ = data_.count() - 1;
    }
    refreshList();
    refreshPlant();
    refreshStatus();
}

void DataEditor::refreshList() {
    filling_ = true;
    const auto warnings = data_.warnings();
    std::vector<QStringList> byPlant(static_cast<std::size_t>(data_.count()));
    for (const auto& w : warnings) {
        if (w.plant >= 0 && w.plant < data_.count()) {
            byPlant[static_cast<std::size_t>(w.plant)] << qs(w.message);
        }
    }
    list_->setSortingEnabled(false);
    list_->setRowCount(data_.count());
    const QBrush warned(QColor(255, 240, 200));
    for (int row = 0; row < data_.count(); ++row) {
        const editor::Plant& p = data_.plant(row);
        QStringList cells = {qs(p.name), qs(p.family)};
        const int g = data_.classification(row);
        cells << (g >= 1 && g <= 5
                      ? qs(app_.state.OptionLabel[ClassCategory][static_cast<std::size_t>(g)])
                      : QString());
        for (int k = 1; k <= CategoryCount; ++k) {
            cells << qs(editor::StateWords(k, data_.primary(row, k)));
        }
        for (int i = 0; i < editor::FileSlotCount; ++i) {
            cells << (data_.hasFile(row, slotAt(i)) ? q(texts::EditorPresent) : QString());
        }
        const QStringList& found = byPlant[static_cast<std::size_t>(row)];
        cells << found.join(QStringLiteral(" / "));
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = list_->item(row, c);
            if (!item) {
                item = new QTableWidgetItem;
                list_->setItem(row, c, item);
            }
            item->setText(cells[c]);
            item->setData(RowRole, row);
            item->setBackground(found.isEmpty() ? QBrush() : warned);
            if (c == ColWarnings) {
                item->setToolTip(found.join(QLatin1Char('\n')));
            }
        }
    }
    list_->setSortingEnabled(true);
    for (int r = 0; r < list_->rowCount(); ++r) {
        if (list_->item(r, ColName)->data(RowRole).toInt() == current_) {
            list_->selectRow(r);
            list_->scrollToItem(list_->item(r, ColName));
        }
    }
    if (current_ < 0) {
        list_->clearSelection();
    }
    filling_ = false;
    applyFilter();
}

void DataEditor::applyFilter() {
    const QString wanted = qs(ToHalfWidthKana(ts(filter_->text().trimmed())));
    for (int r = 0; r < list_->rowCount(); ++r) {
        const int row = list_->item(r, ColName)->data(RowRole).toInt();
        bool show = wanted.isEmpty();
        if (!show && row < data_.count()) {
            const editor::Plant& p = data_.plant(row);
            show = qs(p.name).contains(wanted) || qs(p.family).contains(wanted);
            for (const Text& a : p.aliases) {
                show = show || qs(a).contains(wanted);
            }
        }
        list_->setRowHidden(r, !show);
    }
}

void DataEditor::refreshPlant() {
    filling_ = true;
    const bool shown = current_ >= 0;
    noPlant_->setVisible(!shown);
    name_->setEnabled(shown);
    tabs_->setEnabled(shown);
    if (!shown) {
        for (int k = 1; k <= CategoryCount; ++k) {
            categoryButtons_[static_cast<std::size_t>(k - 1)]->setText(
                qs(app_.state.OptionLabel[static_cast<std::size_t>(k)][0]).trimmed());
        }
        name_->clear();
        family_->clear();
        aliases_->clear();
        note_->clear();
        plantWarnings_->clear();
        filling_ = false;
        return;
    }
    const editor::Plant& p = data_.plant(current_);
    if (name_->text() != qs(p.name)) {
        name_->setText(qs(p.name));
    }
    family_->setText(qs(p.family));
    class_->setCurrentIndex(std::clamp(data_.classification(current_), 0, 5));
    QStringList aliases;
    for (const Text& a : p.aliases) {
        aliases << qs(a);
    }
    aliases_->setText(aliases.join(QStringLiteral("､")));
    QStringList found;
    for (const auto& w : data_.warnings(current_)) {
        found << qs(w.message);
    }
    plantWarnings_->setText(found.join(QLatin1Char('\n')));
    for (int k = 1; k <= CategoryCount; ++k) {
        categoryButtons_[static_cast<std::size_t>(k - 1)]->setText(
            qs(app_.state.OptionLabel[static_cast<std::size_t>(k)][0]).trimmed() +
            QStringLiteral(": ") + qs(editor::StateWords(k, data_.primary(current_, k))));
    }
    for (int i = 0; i < editor::FileSlotCount; ++i) {
        slotStates_[static_cast<std::size_t>(i)]->setText(q(data_.hasFile(current_, slotAt(i))
                                                                ? texts::EditorFileThere
                                                                : texts::EditorFileMissing));
    }
    const QString note = noteForBox(data_.note(current_));
    if (noteForBox(ts(note_->toPlainText())) != note) {
        note_->setPlainText(note);
    }
    filling_ = false;
    showCategory(chooser_->category() == 0 ? 1 : chooser_->category());
}

void DataEditor::refreshStatus() {
    const bool open = !data_.folder().empty();
    QString text;
    if (!open) {
        text = q(texts::EditorStatusNoFolder);
    } else {
        text = q(texts::EditorStatusPlants) + QString::number(data_.count()) +
               q(texts::EditorStatusPlantsUnit);
        const auto warnings = data_.warnings();
        text += warnings.empty()
                    ? q(texts::EditorStatusNoWarnings)
                    : q(texts::EditorStatusWarnings) + QString::number(warnings.size()) +
                          q(texts::EditorStatusWarningsUnit);
        if (data_.modified()) {
            text += q(texts::EditorStatusModified);
        }
        text += QStringLiteral("　") + qs(data_.databasePath());
    }
    status_->setText(text);
    saveButton_->setEnabled(open);
    addButton_->setEnabled(open);
    removeButton_->setEnabled(current_ >= 0);
    undoButton_->setEnabled(data_.canUndo());
    redoButton_->setEnabled(data_.canRedo());
    exportButton_->setEnabled(open);
    importButton_->setEnabled(open);
    // Each menu item is as usable as the button it presses.
    for (const auto& [item, button] : menuItems_) {
        item->setEnabled(button->isEnabled());
    }
}

} // namespace kuyu::gui
