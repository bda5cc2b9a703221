// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/images/ImageBrowser.h"

#include "core/Errors.h"
#include "core/files/Files.h"
#include "core/images/ImageFolder.h"
#include "core/images/PictureLookup.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/images/ImageBox.h"
#include "gui/images/ImageTexts.h"
#include "gui/images/PictureLoader.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/widgets/Twips.h"
#include "gui/widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <new>

namespace kuyu::gui {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int NameOnDiskRole = Qt::UserRole + 1; // a file row's name, as bytes
constexpr int SideTwips = 127;                   // viewer width less the picture's
constexpr int BelowTwips = 412;                  // viewer height less the picture's
constexpr int ButtonRow = 24;                    // pixels of the viewer's button under the picture

// Label3 shows the folder; its text may break after any "/" so a long
// path shows whole, and a screen reader is given the plain path.
void showFolder(QLabel* label, const QString& path) {
    QString text = path;
    text.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    label->setText(text);
    label->setAccessibleName(path);
}

QString cleanFolder(const QString& folder) {
    QString p = QDir::cleanPath(folder);
    if (p.isEmpty()) {
        p = QStringLiteral("/");
    }
    return p;
}

bool under(const QString& path, const QString& root) {
    return root == QLatin1String("/") || path == root || path.startsWith(root + QLatin1Char('/'));
}

Message cannotLoad(const QString& title) {
    Message m;
    m.text = ts(q(texts::ImageCannotLoad));
    m.title = ts(title);
    m.buttons = MessageButtons::Ok;
    return m;
}

} // namespace

QList<Drive> mountedDrives() {
    QList<Drive> drives;
    drives.append({q(texts::ImageRootDriveName) + QStringLiteral(" (/)"), QStringLiteral("/")});
    const QString home = cleanFolder(QDir::homePath());
    if (home != QLatin1String("/")) {
        drives.append(
            {q(texts::ImageHomeDriveName) + QStringLiteral(" (") + home + QLatin1Char(')'), home});
    }
    QList<Drive> volumes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        if (!root.startsWith(QLatin1String("/media/")) &&
            !root.startsWith(QLatin1String("/run/media/")) &&
            !root.startsWith(QLatin1String("/mnt/"))) {
            continue;
        }
        QString label = v.name();
        if (label.isEmpty()) {
            label = root.section(QLatin1Char('/'), -1);
        }
        volumes.append({label + QStringLiteral(" (") + root + QLatin1Char(')'), root});
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const Drive& a, const Drive& b) { return a.root < b.root; });
    drives.append(volumes);
    return drives;
}

// --- Form72 ------------------------------------------------------------------

Form72::Form72(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::ImageBrowserCaption));

    auto* label1 = makeLabel("Label1", q(texts::ImageFileNameCaption));
    auto* label2 = makeLabel("Label2", q(texts::ImageFolderCaption));
    auto* label4 = makeLabel("Label4", q(texts::ImageFileTypeCaption));
    auto* label5 = makeLabel("Label5", q(texts::ImageDriveCaption));
    label3_ = makeLabel("Label3", QString());
    label3_->setWordWrap(true);
    label3_->setTextFormat(Qt::PlainText);

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    label1->setBuddy(text1_);

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setAccessibleName(q(texts::ImageFileNameCaption));

    dir1_ = new QTreeWidget(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setHeaderHidden(true);
    dir1_->setRootIsDecorated(false);
    dir1_->setItemsExpandable(false);
    dir1_->setIndentation(12);
    // Every folder on the way is open; there is nothing to fold.
    dir1_->setStyleSheet(QStringLiteral("QTreeView::branch { image: none; }"));
    dir1_->setAccessibleName(q(texts::ImageFolderCaption));

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    for (const auto& type : texts::ImageFileTypes) {
        combo1_->addItem(q(type.caption));
    }
    combo1_->setCurrentIndex(0);
    label4->setBuddy(combo1_);

    drive1_ = new QComboBox(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drive1_->setMinimumContentsLength(16);
    label5->setBuddy(drive1_);

    command1_ = makeButton("Command1", q(texts::ImageShowCaption));
    command2_ = makeButton("Command2", q(texts::ImageCancelCaption));
    command3_ = makeButton("Command3", q(texts::Close));
    // The close box is the 終了 button: the viewer goes with the chooser.
    setCloseButton(command3_);
    setDefaultButton(command1_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(label2, 0, 1);
    grid->addWidget(text1_, 1, 0);
    grid->addWidget(label3_, 1, 1);
    grid->addWidget(file1_, 2, 0);
    grid->addWidget(dir1_, 2, 1);
    grid->addWidget(label4, 3, 0);
    grid->addWidget(label5, 3, 1);
    grid->addWidget(combo1_, 4, 0);
    grid->addWidget(drive1_, 4, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    buttons->addWidget(command3_);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 2, 4, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    menu_ = makeMenu("MENU_72", QString());
    auto* show = addMenuItem(menu_, "MENU721", q(texts::ImageShowItem));
    auto* cancel = addMenuItem(menu_, "MENU722", q(texts::ImageCancelItem));
    auto* close = addMenuItem(menu_, "MENU724", q(texts::ImageCloseItem));
    menu_->setDefaultAction(show);
    connect(show, &QAction::triggered, command1_, &QPushButton::click);
    connect(cancel, &QAction::triggered, command2_, &QPushButton::click);
    connect(close, &QAction::triggered, command3_, &QPushButton::click);

    connect(command1_, &QPushButton::clicked, this, [this] {
        ViewImageFile(app_);
        text1_->setFocus();
    });
    connect(command2_, &QPushButton::clicked, this, [this] {
        app_.unload(QString::fromLatin1(Form72A::Name));
        text1_->clear();
        applyFileType(true);
        text1_->setFocus();
    });
    connect(command3_, &QPushButton::clicked, this, [this] {
        app_.unload(QString::fromLatin1(Form72A::Name));
        unload();
    });
    connect(combo1_, &QComboBox::activated, this, [this] { applyFileType(false); });
    connect(drive1_, &QComboBox::activated, this, &Form72::chooseDrive);
    connect(text1_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.endsWith(QLatin1Char('*'))) {
            setPattern(q(texts::ImageAllFilesPattern));
        }
    });
    connect(file1_, &QListWidget::itemClicked, this, [this] { takeFileName(); });
    connect(file1_, &QListWidget::currentItemChanged, this, [this] { takeFileName(); });
    connect(file1_, &QListWidget::itemDoubleClicked, this, [this] {
        takeFileName();
        ViewImageFile(app_);
    });
    connect(dir1_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { openFolderItem(item); });

    watch(this, RightClick);
    watch(file1_, RightClick | ActivateKeys);
    watch(dir1_, ActivateKeys);
    for (QLabel* l : {label1, label2, label3_, label4, label5}) {
        watch(l, RightClick);
    }

    pattern_ = q(texts::ImageFileTypes[0].pattern);
    setDrives(mountedDrives());
    if (!setDirPath(QDir::currentPath()) && !setDirPath(QDir::homePath())) {
        setDirPath(QStringLiteral("/"));
    }

    resize(QSize(px(9600), px(6000)).boundedTo(availableArea(this).size() - frameExtra(this)));
    placeWindow(this);
}

QString Form72::fileName() const {
    return text1_->text();
}

void Form72::clearFileName() {
    text1_->clear();
}

void Form72::open() {
    showFolder(label3_, dirPath_);
    // The type list shows the type the file list follows.
    combo1_->setCurrentIndex(0);
    setPattern(q(texts::ImageFileTypes[0].pattern));
    showRestored(this);
    activateWindow();
    fitOnScreen(this);
    text1_->setFocus();
}

void Form72::setDrives(const QList<Drive>& drives) {
    drives_ = drives;
    const QSignalBlocker quiet(drive1_);
    drive1_->clear();
    for (const Drive& d : drives_) {
        drive1_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), d.name, d.root);
    }
    showDriveOf(dirPath_);
}

bool Form72::setDirPath(const QString& folder) {
    return changeFolder(folder) == 0;
}

int Form72::changeFolder(const QString& folder) {
    const QString path = cleanFolder(folder);
    const FolderListing listing = listFolder(ts(path));
    if (listing.error != 0) {
        return listing.error;
    }
    QStringList children;
    for (const Text& name : listing.folders) {
        children << qs(name);
    }
    dirPath_ = path;
    fillFolders(path, children);
    filePath_ = path;
    showFolder(label3_, path);
    showDriveOf(path);
    applyFileType(true);
    return 0;
}

void Form72::fillFolders(const QString& folder, const QStringList& children) {
    dir1_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    // The folders on the way down, each inside the one before, then the
    // folders of the current one.
    auto* item = new QTreeWidgetItem(dir1_, QStringList(QStringLiteral("/")));
    item->setIcon(0, open);
    item->setData(0, PathRole, QStringLiteral("/"));
    QString path;
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        item = new QTreeWidgetItem(item, QStringList(part));
        item->setIcon(0, open);
        item->setData(0, PathRole, path);
    }
    QTreeWidgetItem* current = item;
    for (const QString& child : children) {
        auto* c = new QTreeWidgetItem(current, QStringList(child));
        c->setIcon(0, closed);
        c->setData(0, PathRole, path + QLatin1Char('/') + child);
    }
    dir1_->expandAll();
    dir1_->setCurrentItem(current);
    dir1_->scrollToItem(current);
}

void Form72::openFolderItem(QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    const int error = changeFolder(item->data(0, PathRole).toString());
    if (error == 0) {
        text1_->setFocus();
    } else if (error == err::PathFileAccess) {
        // A folder that may not be read, or read but not entered, would
        // show as an empty one: the person is told why it does not open.
        Message m;
        m.text = Text(texts::ImageFolderNoAccess) + U"\r" + errorNumberText(err::PathFileAccess);
        m.title = texts::TitleError;
        app_.platform.messages->show(this, m);
    } else if (app_.platform.beeper) {
        app_.platform.beeper->beep();
    }
}

void Form72::chooseDrive(int index) {
    if (index >= 0 && index < drives_.size()) {
        // A drive that cannot be read (no medium, no permission) leaves the
        // folder list where it was, without a word.
        if (!setDirPath(drives_[index].root)) {
            showDriveOf(dirPath_);
        }
    }
    applyFileType(true);
    text1_->setFocus();
}

int Form72::driveOf(const QString& path) const {
    int best = -1;
    for (int i = 0; i < drives_.size(); ++i) {
        if (under(path, drives_[i].root) &&
            (best < 0 || drives_[i].root.size() > drives_[best].root.size())) {
            best = i;
        }
    }
    return best;
}

void Form72::showDriveOf(const QString& path) {
    const QSignalBlocker quiet(drive1_);
    drive1_->setCurrentIndex(driveOf(path));
}

void Form72::applyFileType(bool starRule) {
    QString pattern = pattern_;
    for (const auto& type : texts::ImageFileTypes) {
        if (combo1_->currentText() == q(type.caption)) {
            pattern = q(type.pattern);
        }
    }
    if (starRule && text1_->text().endsWith(QLatin1Char('*'))) {
        pattern = q(texts::ImageAllFilesPattern);
    }
    setPattern(pattern);
}

void Form72::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refreshFiles();
}

void Form72::refreshFiles() {
    const QSignalBlocker quiet(file1_);
    file1_->clear();
    const FolderListing listing = listFolder(ts(filePath_));
    const Text patterns = ts(pattern_);
    for (std::size_t i = 0; i < listing.files.size(); ++i) {
        if (matchesFilePattern(listing.files[i], patterns)) {
            auto* item = new QListWidgetItem(qs(listing.files[i]), file1_);
            item->setData(NameOnDiskRole, QByteArray::fromStdString(listing.fileNames.at(i)));
        }
    }
}

std::optional<std::string> Form72::chosenFileOnDisk() const {
    // A row keeps the name it was listed under; two rows can read alike.
    const QListWidgetItem* item = file1_->currentItem();
    if (!item || item->text() != text1_->text()) {
        return std::nullopt;
    }
    const auto folder = resolvePath(ts(filePath_));
    if (!folder) {
        return std::nullopt;
    }
    std::string full = *folder;
    if (full.empty() || full.back() != '/') {
        full += '/';
    }
    return full + item->data(NameOnDiskRole).toByteArray().toStdString();
}

void Form72::takeFileName() {
    if (QListWidgetItem* item = file1_->currentItem()) {
        text1_->setText(item->text());
    }
}

void Form72::onRightClick(QWidget*, const QPoint& globalPos) {
    menu_->popup(globalPos, menu_->defaultAction());
}

bool Form72::onActivateKey(QWidget* control, int) {
    if (control == file1_) {
        command1_->click();
        return true;
    }
    if (control == dir1_) {
        openFolderItem(dir1_->currentItem());
        return true;
    }
    return false;
}

// --- Form72A -----------------------------------------------------------------

Form72A::Form72A(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(q(texts::ImageViewerCaption));
    area_ = new QScrollArea(this);
    area_->setObjectName(QStringLiteral("ImageArea"));
    area_->setFrameShape(QFrame::NoFrame);
    area_->setWidgetResizable(false);
    image1_ = new ImageBox;
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setStretch(false);
    image1_->setFitToScreen(false); // the scroll area shows the rest
    area_->setWidget(image1_);

    command1_ = makeButton("Command1", q(texts::Close));
    setDefaultButton(command1_);
    setCancelButton(command1_);
    connect(command1_, &QPushButton::clicked, this, [this] { unload(); });

    menu_ = makeMenu("MENU_72A", QString());
    auto* item = addMenuItem(menu_, "MENU721A", q(texts::ImageViewerCloseItem));
    connect(item, &QAction::triggered, command1_, &QPushButton::click);
    watch(this, RightClick);
    watch(image1_, RightClick);
    watch(area_, RightClick);
}

void Form72A::showPicture(const QImage& picture, const QString& caption) {
    image1_->setPicture(picture);
    const int side = px(SideTwips);
    // A picture narrower than the button or the caption still leaves both
    // whole (the title bar also holds the window manager's buttons).
    const int captionWidth = titleBarWidth(this, caption);
    QSize wanted(
        std::max({picture.width() + side, command1_->sizeHint().width() + side, captionWidth}),
        picture.height() + px(BelowTwips));
    // Natural size, but never a window that runs off the screen: the
    // picture scrolls instead.
    wanted = wanted.boundedTo(availableArea(this).size() - frameExtra(this));
    setWindowTitle(caption);
    resize(wanted);
    layOut();
    if (!placed_) {
        // First time: under the main window, clear of the chooser's middle.
        placeWindow(this);
        placed_ = true;
    }
    showRestored(this);
    activateWindow();
    fitOnScreen(this);
}

void Form72A::layOut() {
    const int side = px(SideTwips) / 2;
    const int bw = command1_->sizeHint().width();
    area_->setGeometry(side, 0, std::max(1, width() - 2 * side),
                       std::max(1, height() - ButtonRow - 3));
    command1_->setGeometry(std::max(0, width() - bw - side), std::max(0, height() - ButtonRow - 1),
                           bw, ButtonRow);
}

void Form72A::resizeEvent(QResizeEvent* event) {
    FormWindow::resizeEvent(event);
    layOut();
}

void Form72A::onRightClick(QWidget*, const QPoint& globalPos) {
    menu_->popup(globalPos);
}

// --- loading -----------------------------------------------------------------

void ViewImageFile(App& app) {
    Form72* chooser = app.loaded<Form72>();
    if (!chooser) {
        return;
    }
    CursorGuard hourglass;
    const QString name = chooser->fileName();
    const Text full = joinPath(ts(chooser->filePath()), ts(name));
    if (browserPictureKind(full) == PictureKind::None) {
        hourglass.restore();
        app.platform.messages->show(chooser, cannotLoad(name));
        return;
    }
    QImage picture;
    try {
        const auto onDisk = chooser->chosenFileOnDisk();
        picture = onDisk ? LoadPictureFile(app, *onDisk, browserPictureKind(full))
                         : LoadPicture(app, full);
    } catch (const std::exception&) {
        // Missing, unreadable, too large or corrupt: the viewer keeps what
        // it showed.
        picture = QImage();
    }
    if (picture.isNull()) {
        hourglass.restore();
        app.platform.messages->show(chooser, cannotLoad(q(texts::TitleError)));
        chooser->clearFileName();
        return;
    }
    const QString caption = name + QLatin1Char(' ') + QString::number(picture.width()) +
                            q(texts::ImageTimes) + QString::number(picture.height());
    app.load<Form72A>().showPicture(picture, caption);
}

void registerImageBrowserCommands(App& app) {
    app.registerCommand(cmd::Menu72, [&app] { app.load<Form72>().open(); });
}

} // namespace kuyu::gui
