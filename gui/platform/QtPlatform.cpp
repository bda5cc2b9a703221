// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/QtPlatform.h"

#include "gui/widgets/WindowPlacement.h"

#include "gui/platform/PlatformTexts.h"
#include "gui/platform/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

// The manual is compiled into the program so it works from any folder.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace kuyu::gui {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A box goes over the window that asked. Boxes asked for by the slim main
// window (or by no window) go over the window in use, or in the middle of the
// screen, rather than over the toolbar at the top edge.
void placeOverAsker(QMessageBox& box, QWidget* parent) {
    QWidget* asker = parent ? parent->window() : nullptr;
    if (!asker || qobject_cast<QMainWindow*>(asker)) {
        QWidget* active = QApplication::activeWindow();
        asker = active && !qobject_cast<QMainWindow*>(active) ? active : nullptr;
    }
    // A short text makes a narrow box whose title the window manager cuts
    // ("「くゆW… er 2.2"): leave room for the whole title and the frame's
    // buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int wanted = titleBarWidth(&box, box.windowTitle());
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.adjustSize();
    const QRect area = availableArea(asker ? asker : parent);
    const QRect over = asker ? asker->frameGeometry() : area;
    const QSize size = box.frameGeometry().size().expandedTo(box.sizeHint());
    QPoint at = over.center() - QPoint(size.width() / 2, size.height() / 2);
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    box.move(at);
}

} // namespace

Answer QtMessageBoxes::show(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setIcon(qtIcon(message.icon));
    box.setWindowTitle(qs(message.title));
    // Lines may be joined by CR (as the old program did) or LF.
    QString text = qs(message.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\r'), QChar(u'\n'));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else if (message.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.button(QMessageBox::Cancel)->setText(q(texts::Cancel));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // "System-modal" on this platform: nothing else in the program takes input.
    box.setWindowModality(message.systemModal ? Qt::ApplicationModal : Qt::WindowModal);
    placeOverAsker(box, parent);
    // Where no window manager hands the keyboard on, it stays with nobody
    // once the box is gone: it goes back to the window that asked.
    QPointer<QWidget> asker = QApplication::activeWindow();
    if (!asker && parent) {
        asker = parent->window();
    }
    const int answer = box.exec();
    box.hide();
    if (asker && asker->isVisible() && QApplication::activeWindow() != asker) {
        asker->activateWindow();
    }
    switch (answer) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
    }
}

namespace {

// The detail view of Qt's file dialog cuts its size, type and date columns
// ("平…ト", "8 Dec 2…"): each takes the width of its contents, the name the
// rest, and the dialog is wide enough for all of them.
void showColumnsWhole(QFileDialog& dialog) {
    dialog.resize(dialog.sizeHint().expandedTo(QSize(800, 480)));
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

} // namespace

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& title,
                                           const QStringList& filters, FileChoice kind) {
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Show each filter's own text; the patterns behind it stay out of sight.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFont(QFont(QStringLiteral("ＭＳ 明朝")));
    dialog.setNameFilters(filters);
    showColumnsWhole(dialog);
    placeDialog(&dialog, parent);
    Remembered& last = remembered(kind);
    if (!last.filter.isEmpty()) {
        dialog.selectNameFilter(last.filter);
    }
    if (!last.file.isEmpty()) {
        const QFileInfo info(last.file);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    } else if (kind == FileChoice::Attachment) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        dialog.setDirectory(!pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures
                                                                               : QDir::homePath());
    } else {
        dialog.setDirectory(QDir::currentPath());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    last.file = QFileInfo(chosen.first()).absoluteFilePath();
    last.filter = dialog.selectedNameFilter();
    return last.file;
}

std::optional<QString> QtDialogs::chooseFolder(QWidget* parent, const QString& title) {
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFont(QFont(QStringLiteral("ＭＳ 明朝")));
    dialog.setDirectory(QDir::homePath());
    showColumnsWhole(dialog);
    placeDialog(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const QString& title,
                                           const QStringList& filters, const QString& suggested) {
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFont(QFont(QStringLiteral("ＭＳ 明朝")));
    dialog.setNameFilters(filters);
    const QFileInfo offered(suggested);
    dialog.setDirectory(offered.absolutePath());
    dialog.selectFile(offered.fileName());
    showColumnsWhole(dialog);
    placeDialog(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

QtDialogs::QtDialogs() : font_{QFont(QStringLiteral("ＭＳ 明朝"), 20), QColor(Qt::black)} {}

QtDialogs::~QtDialogs() = default;

QPrinter* QtDialogs::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return printer_.get();
}

bool QtDialogs::choosePrinter(QWidget* parent) {
    QPrinter* p = printer();
    p->setCopyCount(copies_);
    QPrintDialog dialog(p, parent);
    // Printing a part of a page makes no sense here. Printing to a file stays
    // on offer: on a machine without a printer it is the only way to print.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    placeDialog(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    // The program sends each copy as a job of its own, so the printer is
    // asked for one copy per job (else n jobs of n copies would come out).
    copies_ = std::max(1, p->copyCount());
    p->setCopyCount(1);
    fileChosen_ = p->outputFormat() == QPrinter::PdfFormat && !p->outputFileName().isEmpty();
    return true;
}

int QtDialogs::copies() const {
    return copies_;
}

bool QtDialogs::prepareOutput(QWidget* parent, const QString& suggestedName) {
    QPrinter* p = printer();
    if (p->outputFormat() != QPrinter::PdfFormat) {
        return true;
    }
    if (fileChosen_) {
        fileChosen_ = false;
        return true;
    }
    // Each printout asks for its file, so it never overwrites an earlier one
    // unasked; the folder chosen last is offered again.
    QString folder = QFileInfo(p->outputFileName()).absolutePath();
    if (p->outputFileName().isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    QFileDialog dialog(parent, q(texts::SavePdfTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilter(q(texts::PdfFilter));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(folder);
    dialog.selectFile(suggestedName);
    showColumnsWhole(dialog);
    placeDialog(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    p->setOutputFileName(dialog.selectedFiles().first());
    return true;
}

std::optional<FontChoice> QtDialogs::chooseFont(QWidget* parent) {
    FontChoiceDialog dialog(font_, parent);
    placeDialog(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    font_ = dialog.choice();
    return font_;
}

FontChoiceDialog::FontChoiceDialog(const FontChoice& initial, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FontChoiceDialog"));
    setWindowTitle(q(texts::FontDialogCaption));
    // The chooser lists installed families only: a face we map ("ＭＳ 明朝")
    // is offered as the font it stands for.
    QFont shown = initial.font;
    shown.setFamily(QFontInfo(initial.font).family());
    fonts_ = new QFontDialog(shown, this);
    fonts_->setObjectName(QStringLiteral("FontChooser"));
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::ScalableFonts |
                       QFontDialog::DontUseNativeDialog);
    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("FontColour"));
    for (const auto& [name, rgb] : texts::FontColours) {
        QPixmap swatch(16, 16);
        swatch.fill(QColor::fromRgb(rgb));
        colours_->addItem(QIcon(swatch), q(name), QColor::fromRgb(rgb));
    }
    const int at = colours_->findData(initial.colour);
    colours_->setCurrentIndex(at >= 0 ? at : 0);
    // Many Japanese fonts come in one weight only, so the chooser's style list
    // cannot offer bold or italic for them; these boxes always can.
    bold_ = new QCheckBox(q(texts::FontBold), this);
    bold_->setObjectName(QStringLiteral("FontBold"));
    bold_->setChecked(initial.font.bold());
    italic_ = new QCheckBox(q(texts::FontItalic), this);
    italic_->setObjectName(QStringLiteral("FontItalic"));
    italic_->setChecked(initial.font.italic());
    connect(fonts_, &QFontDialog::currentFontChanged, this, [this](const QFont& f) {
        if (f.bold()) {
            bold_->setChecked(true);
        }
        if (f.italic()) {
            italic_->setChecked(true);
        }
    });
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(bold_);
    styleRow->addWidget(italic_);
    styleRow->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* colourRow = new QFormLayout;
    colourRow->addRow(q(texts::FontColourLabel), colours_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(styleRow);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

FontChoice FontChoiceDialog::choice() const {
    QFont f = fonts_->currentFont();
    f.setBold(bold_->isChecked());
    f.setItalic(italic_->isChecked());
    return {f, colours_->currentData().value<QColor>()};
}

// --- help ----------------------------------------------------------------

QUrl helpPageUrl(const QString& page) {
    initHelpResources();
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(q(texts::HelpCaption));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));

    auto* contents = new QPushButton(q(texts::HelpContents), this);
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto* back = new QPushButton(q(texts::HelpBack), this);
    back->setObjectName(QStringLiteral("HelpBack"));
    auto* forward = new QPushButton(q(texts::HelpForward), this);
    forward->setObjectName(QStringLiteral("HelpForward"));
    auto* howto = new QPushButton(q(texts::HelpHowTo), this);
    howto->setObjectName(QStringLiteral("HelpHowTo"));
    auto* close = new QPushButton(q(texts::HelpClose), this);
    close->setObjectName(QStringLiteral("HelpClose"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/help")});

    auto* buttons = new QHBoxLayout;
    for (auto* b : {contents, back, forward, howto}) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this,
            [this] { showPage(QStringLiteral("index.html")); });
    connect(howto, &QPushButton::clicked, this, [this] { showPage(QStringLiteral("howto.html")); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Beside the main window strip, within the screen.
    QRect area(0, 0, 800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    const int w = qMin(760, area.width());
    const int h = qMin(640, area.height() - 100);
    setGeometry(area.right() - w - 20, area.top() + 100, w, qMax(300, h));
}

void HelpWindow::showPage(const QString& page) {
    browser_->setSource(helpPageUrl(page));
}

QUrl HelpWindow::currentPage() const {
    return browser_->source();
}

QtHelpViewer::QtHelpViewer() = default;

QtHelpViewer::~QtHelpViewer() {
    delete window_.data();
}

void QtHelpViewer::open(const QString& page) {
    if (!window_) {
        window_ = new HelpWindow;
    }
    window_->showPage(page);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtHelpViewer::showContents() {
    open(contents_);
}

void QtHelpViewer::showHowToUse() {
    open(QStringLiteral("howto.html"));
}

void QtHelpViewer::quit() {
    if (window_) {
        window_->close();
    }
}

// --- settings --------------------------------------------------------------

bool QtSettingsStore::save(const QString& key, const QStringList& value) {
    QSettings settings(file_, QSettings::IniFormat);
    // An empty list must still read back as "saved, no buttons".
    settings.setValue(key, value.isEmpty() ? QVariant(QStringLiteral("")) : QVariant(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<QStringList> QtSettingsStore::load(const QString& key) const {
    const QSettings settings(file_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !settings.contains(key)) {
        return std::nullopt;
    }
    const QVariant v = settings.value(key);
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty()) {
        return QStringList{};
    }
    return v.toStringList();
}

void QtBeeper::beep() {
    QApplication::beep();
}

QString defaultSettingsFile() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty()) {
        dir = QDir::homePath();
    }
    return dir + QStringLiteral("/kuyu/kuyu.ini");
}

Platform makeQtPlatform(const QString& settingsFile) {
    Platform p;
    p.messages = std::make_unique<QtMessageBoxes>();
    p.dialogs = std::make_unique<QtDialogs>();
    p.help = std::make_unique<QtHelpViewer>();
    p.settings = std::make_unique<QtSettingsStore>(settingsFile);
    p.beeper = std::make_unique<QtBeeper>();
    return p;
}

} // namespace kuyu::gui
