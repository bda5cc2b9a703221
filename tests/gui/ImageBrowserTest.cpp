// SPDX-License-Identifier: GPL-3.0-or-later
// The image browser: which files each type lists, the "*" rule, which names
// load and how the viewer sizes and captions itself, what a broken picture
// does, and moving between folders and drives.

#include "PlantWindowsSupport.h"

#include "gui/app/CommandIds.h"
#include "gui/app/Commands.h"
#include "gui/images/ImageBox.h"
#include "gui/images/ImageBrowser.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

#include <cstdio>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

const QString CannotLoad = QStringLiteral("画像ファイルがロードできません");
const QString ErrorTitle = QStringLiteral("エラーメッセージ");

template <class T> T* child(QWidget* w, const char* name) {
    return requireChild<T>(w, QString::fromLatin1(name));
}

QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

// A person's double-click: the first click selects, the second opens.
void doubleClick(QAbstractItemView* view, const QRect& item) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

QString shownText(QLabel* label) {
    return label->text().remove(QChar(0x200B));
}

// A bitmap of `size` saved under `name`, bytes as they are (raw CP932, or
// bytes no code page defines).
bool writeBitmapNamed(const QByteArray& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    image.save(&b, "BMP");
    FILE* out = std::fopen(name.constData(), "wb");
    if (!out) {
        return false;
    }
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()),
                                     out) == static_cast<std::size_t>(bytes.size());
    return std::fclose(out) == 0 && written;
}

} // namespace

class ImageBrowserTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;

    Form72* chooser() { return f->app->loaded<Form72>(); }
    Form72A* viewer() { return f->app->loaded<Form72A>(); }
    QLineEdit* text1() { return child<QLineEdit>(chooser(), "Text1"); }
    QListWidget* file1() { return child<QListWidget>(chooser(), "File1"); }
    QStringList listed() { return items(file1()); }
    void chooseType(int index) {
        auto* combo = child<QComboBox>(chooser(), "Combo1");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void press(const char* button) { child<QPushButton>(chooser(), button)->click(); }
    void showFile(const QString& name) {
        text1()->setText(name);
        press("Command1");
    }
    void expectError() { f->fakes.messages->expect(ErrorTitle, CannotLoad); }
    // Runs one test function of this program again as the user nobody, in
    // a folder of its own; true when it passed.
    static bool runAsNobody(const char* function) {
        const passwd* nobody = getpwnam("nobody");
        if (!nobody) {
            return false;
        }
        const QByteArray self = QCoreApplication::applicationFilePath().toLocal8Bit();
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir("/tmp") != 0 || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                setuid(nobody->pw_uid) != 0) {
                _exit(2);
            }
            execl(self.constData(), self.constData(), function, "-silent",
                  static_cast<char*>(nullptr));
            _exit(3);
        }
        int status = 0;
        return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

  private slots:
    void init() {
        f = std::make_unique<WindowsFixture>();
        registerImageBrowserCommands(*f->app);
        QVERIFY(f->app->run(cmd::Menu72));
        QVERIFY(chooser() && QTest::qWaitForWindowExposed(chooser()));
    }
    void cleanup() {
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
    }

    void controlsCaptionsAndPopupMenu() {
        QCOMPARE(chooser()->windowTitle(), QStringLiteral("画像データファイル選択"));
        for (const char* name :
             {"Drive1", "Dir1", "Label3", "File1", "Text1", "Combo1", "Command1", "Command2",
              "Command3", "MENU_72", "MENU721", "MENU722", "MENU724"}) {
            QVERIFY2(chooser()->findChild<QObject*>(QString::fromLatin1(name)), name);
        }
        QCOMPARE(shownText(child<QLabel>(chooser(), "Label3")), QDir::cleanPath(f->dir.path()));
        auto* combo = child<QComboBox>(chooser(), "Combo1");
        QCOMPARE(combo->count(), 7);
        QCOMPARE(combo->currentText(), QStringLiteral("BMP,GIF,Pi,JPGファイル"));
        QCOMPARE(chooser()->pattern(), QStringLiteral("*.BMP;*.GIF;*.JPG;*.JPEG;*.Pi"));

        // A right click on the file list pops the menu up with 表示 as its
        // default; its items press the buttons.
        QVERIFY(writePicture(f->here("a.BMP"), 4, 4, Qt::red, "BMP"));
        chooser()->setDirPath(f->dir.path());
        QTest::mouseClick(file1()->viewport(), Qt::RightButton);
        auto* menu = child<QMenu>(chooser(), "MENU_72");
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->defaultAction()->objectName(), QStringLiteral("MENU721"));
        menu->hide();
        text1()->setText(QStringLiteral("a.BMP"));
        child<QAction>(chooser(), "MENU721")->trigger();
        QVERIFY(viewer() && viewer()->isVisible());
        QTest::mouseClick(viewer()->image(), Qt::RightButton);
        auto* viewerMenu = child<QMenu>(viewer(), "MENU_72A");
        QVERIFY(viewerMenu->isVisible());
        viewerMenu->hide();
        child<QAction>(viewer(), "MENU721A")->trigger();
        f->flush();
        QVERIFY(!viewer());
    }

    void fileTypesListTheirFilesInAnyLetterCase() {
        for (const char* name : {"a.BMP", "b.bmp", "c.GIF", "d.gif", "e.JPG", "f.jpeg", "g.Jpg",
                                 "h.JPEG", "i.Pi", "j.PI", "k.pi", "l.ICO", "m.txt", "README"}) {
            QVERIFY(writeBytes(f->here(QString::fromLatin1(name)), "x"));
        }
        QVERIFY(QDir(f->dir.path()).mkdir(QStringLiteral("sub.BMP"))); // a folder is no file
        chooser()->setDirPath(f->dir.path());
        const QStringList combined = {"a.BMP", "b.bmp",  "c.GIF", "d.gif", "e.JPG", "f.jpeg",
                                      "g.Jpg", "h.JPEG", "i.Pi",  "j.PI",  "k.pi"};
        QCOMPARE(listed(), combined);
        const struct {
            int type;
            QStringList files;
        } rows[] = {
            {1, {"a.BMP", "b.bmp"}},
            {2, {"c.GIF", "d.gif"}},
            {3, {"e.JPG", "f.jpeg", "g.Jpg", "h.JPEG"}},
            {4, {"i.Pi", "j.PI", "k.pi"}},
            {5, {"l.ICO"}},
            {6, combined + QStringList{"l.ICO", "m.txt", "README"}},
            {5, {"l.ICO"}},
            {0, combined}, // the combined type comes back after ICO
        };
        for (const auto& row : rows) {
            chooseType(row.type);
            QStringList expected = row.files;
            expected.sort(Qt::CaseInsensitive);
            QCOMPARE(listed(), expected);
        }
    }

    void starAtTheEndListsEveryFile() {
        QVERIFY(writeBytes(f->here("a.BMP"), "x"));
        QVERIFY(writeBytes(f->here("b.txt"), "x"));
        chooser()->setDirPath(f->dir.path());
        chooseType(1);
        text1()->setText(QStringLiteral("b*"));
        QCOMPARE(listed(), (QStringList{"a.BMP", "b.txt"}));
        text1()->setText(QStringLiteral("b*x")); // only a "*" at the end counts
        QCOMPARE(listed(), (QStringList{"a.BMP", "b.txt"}));
        chooseType(1); // choosing a type does not look at the name
        QCOMPARE(listed(), QStringList{"a.BMP"});
        text1()->setText(QStringLiteral("*"));
        chooser()->setDirPath(f->dir.path()); // a folder change does
        QCOMPARE(listed(), (QStringList{"a.BMP", "b.txt"}));
        press("Command2"); // 中止 clears the name, then applies the type
        QCOMPARE(text1()->text(), QString());
        QCOMPARE(listed(), QStringList{"a.BMP"});
    }

    void namesLoadByTheirExtensionAlone() {
        QVERIFY(writePicture(f->here("one.bmp"), 1, 1, Qt::red, "BMP"));
        QVERIFY(writePi(f->here("p16.Pi"), 120, 80));
        QVERIFY(writePi(f->here("up.PI"), 8, 2));
        QVERIFY(writePi(f->here("low.pi"), 8, 2));
        QVERIFY(writePicture(f->here("a.jpeg"), 6, 5, Qt::blue, "JPEG"));
        QVERIFY(writePicture(f->here("b.JPG"), 7, 5, Qt::blue, "JPEG"));
        QVERIFY(writeBytes(f->here("t.gif"), tinyGif()));
        QVERIFY(writePicture(f->here("i.ICO"), 16, 16, Qt::green, "ICO"));
        for (const char* name : {"Flower.Bmp", "x.pI", "name.", "FLOWER"}) {
            QVERIFY(writePicture(f->here(QString::fromUtf8(name)), 3, 3, Qt::red, "BMP"));
        }
        chooser()->setDirPath(f->dir.path());
        chooseType(6);
        enum How { Button, Menu, EnterKey, SpaceKey, DoubleClick };
        const struct {
            const char* name;
            const char* caption; // nullptr: not a picture name
            How how;
        } rows[] = {
            {"one.bmp", "one.bmp 1×1", DoubleClick},
            {"p16.Pi", "p16.Pi 120×80", Button},
            {"up.PI", "up.PI 8×2", EnterKey},
            {"low.pi", "low.pi 8×2", SpaceKey},
            {"a.jpeg", "a.jpeg 6×5", Menu},
            {"b.JPG", "b.JPG 7×5", Button},
            {"t.gif", "t.gif 1×1", DoubleClick},
            {"i.ICO", "i.ICO 16×16", Button},
            {"Flower.Bmp", nullptr, DoubleClick},
            {"x.pI", nullptr, Button},
            {"name.", nullptr, EnterKey},
            {"FLOWER", nullptr, Menu},
        };
        for (const auto& row : rows) {
            const QString name = QString::fromUtf8(row.name);
            press("Command2");
            f->flush();
            const auto found = file1()->findItems(name, Qt::MatchExactly);
            QVERIFY2(found.size() == 1, row.name);
            QListWidgetItem* item = found.first();
            file1()->setCurrentItem(item);
            QCOMPARE(text1()->text(), name);
            if (!row.caption) {
                f->fakes.messages->expect(name, CannotLoad);
            }
            switch (row.how) {
            case Button:
                press("Command1");
                break;
            case Menu:
                child<QAction>(chooser(), "MENU721")->trigger();
                break;
            case EnterKey:
                QTest::keyClick(file1(), Qt::Key_Return);
                break;
            case SpaceKey:
                QTest::keyClick(file1(), Qt::Key_Space);
                break;
            case DoubleClick:
                doubleClick(file1(), file1()->visualItemRect(item));
                break;
            }
            if (row.caption) {
                QVERIFY2(viewer() && viewer()->isVisible(), row.name);
                QCOMPARE(viewer()->windowTitle(), QString::fromUtf8(row.caption));
            } else {
                QVERIFY2(!viewer(), row.name);
                QCOMPARE(text1()->text(), name); // the name stays for correcting
            }
        }
    }

    void viewerTakesThePictureSizeAndNeverRunsOffTheScreen() {
        QVERIFY(writePicture(f->here("mid.BMP"), 320, 150, Qt::red, "BMP"));
        QVERIFY(writePicture(f->here("huge.BMP"), 3000, 2400, Qt::red, "BMP"));
        chooser()->setDirPath(f->dir.path());
        showFile(QStringLiteral("mid.BMP"));
        QCOMPARE(viewer()->image()->size(), QSize(320, 150));
        // Picture + 127 x 412 twips, 15 twips to a pixel.
        QCOMPARE(viewer()->size(), QSize(320 + 8, 150 + 27));
        QCOMPARE(requireChild<QPushButton>(viewer(), "Command1")->text(), QStringLiteral("終了"));

        showFile(QStringLiteral("huge.BMP"));
        QCOMPARE(viewer()->windowTitle(), QStringLiteral("huge.BMP 3000×2400"));
        QCOMPARE(viewer()->image()->size(), QSize(3000, 2400));
        const QRect screen = viewer()->screen()->availableGeometry();
        QVERIFY(screen.contains(viewer()->frameGeometry()));
        auto* area = child<QScrollArea>(viewer(), "ImageArea");
        QVERIFY(area->horizontalScrollBar()->maximum() > 0);
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
    }

    void brokenPicturesReportAndLeaveTheViewerAsItWas() {
        QVERIFY(writePicture(f->here("good.BMP"), 40, 30, Qt::red, "BMP"));
        QByteArray bmp;
        {
            QBuffer b(&bmp);
            b.open(QIODevice::WriteOnly);
            QImage(64, 64, QImage::Format_RGB32).save(&b, "BMP");
        }
        QVERIFY(writePi(f->here("whole.Pi"), 64, 64));
        QFile whole(f->here("whole.Pi"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray pi = whole.readAll();
        const struct {
            const char* name;
            QByteArray bytes;
        } rows[] = {
            {"garbage.bmp", "BM this is not a bitmap"},
            {"cut.bmp", bmp.left(40)},
            {"garbage.gif", "GIF89a\x01"},
            {"cut.gif", tinyGif().left(12)},
            {"empty.JPG", ""},
            {"garbage.jpeg", "\xff\xd8\xff\xe0 nothing more"},
            {"garbage.ico", QByteArray("\0\0\1\0\1\0", 6) + "junk"},
            {"garbage.Pi", "Pi but nothing after"},
            {"cut.Pi", pi.left(pi.size() / 4)},
            {"missing.GIF", {}},
        };
        for (const auto& row : rows) {
            if (QByteArray(row.name) != "missing.GIF") {
                QVERIFY(writeBytes(f->here(QString::fromUtf8(row.name)), row.bytes));
            }
        }
        chooser()->setDirPath(f->dir.path());
        showFile(QStringLiteral("good.BMP"));
        for (const auto& row : rows) {
            expectError();
            showFile(QString::fromUtf8(row.name));
            QVERIFY2(f->fakes.messages->verify(), row.name);
            QCOMPARE(text1()->text(), QString());
            QVERIFY(viewer()->isVisible());
            QCOMPARE(viewer()->windowTitle(), QStringLiteral("good.BMP 40×30"));
            QCOMPARE(viewer()->image()->picture().size(), QSize(40, 30));
        }
    }

    void cancelAndCloseWithAndWithoutTheViewer() {
        QVERIFY(writePicture(f->here("a.BMP"), 10, 10, Qt::red, "BMP"));
        chooser()->setDirPath(f->dir.path());
        text1()->setText(QStringLiteral("a.BMP"));
        press("Command2"); // no viewer: only the name goes
        QCOMPARE(text1()->text(), QString());
        QVERIFY(!viewer());
        QVERIFY(chooser()->isVisible());

        showFile(QStringLiteral("a.BMP"));
        QVERIFY(viewer());
        press("Command2");
        f->flush();
        QVERIFY(!viewer());
        QCOMPARE(text1()->text(), QString());

        showFile(QStringLiteral("a.BMP"));
        press("Command3"); // 終了 takes both windows
        f->flush();
        QVERIFY(!viewer());
        QVERIFY(!chooser());
    }

    void folderChangesMoveLabelAndFileList() {
        QDir here(f->dir.path());
        QVERIFY(here.mkdir(QStringLiteral("花")));
        QVERIFY(writePicture(f->here("top.BMP"), 2, 2, Qt::red, "BMP"));
        // A picture whose name a Windows stick left as raw CP932 bytes.
        const QByteArray cp932Name =
            here.filePath(QStringLiteral("花")).toUtf8() + "/\xbd\xd0\xda.BMP"; // ｽﾐﾚ in CP932
        QVERIFY(writeBitmapNamed(cp932Name, QSize(3, 2)));
        chooser()->setDirPath(f->dir.path());
        auto* dir1 = child<QTreeWidget>(chooser(), "Dir1");
        auto* label3 = child<QLabel>(chooser(), "Label3");
        QCOMPARE(listed(), QStringList{"top.BMP"});

        // Double-click a folder: Label3 and the file list follow.
        const auto sub =
            dir1->findItems(QStringLiteral("花"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(sub.size(), 1);
        doubleClick(dir1, dir1->visualItemRect(sub.first()));
        const QString inside = QDir::cleanPath(f->dir.path()) + QStringLiteral("/花");
        QCOMPARE(chooser()->dirPath(), inside);
        QCOMPARE(shownText(label3), inside);
        QCOMPARE(listed(), QStringList{QStringLiteral("ｽﾐﾚ.BMP")});
        showFile(QStringLiteral("ｽﾐﾚ.BMP"));
        QCOMPARE(viewer()->windowTitle(), QStringLiteral("ｽﾐﾚ.BMP 3×2"));

        // Space opens the highlighted folder: back up one.
        dir1->setCurrentItem(dir1->currentItem()->parent());
        QTest::keyClick(dir1, Qt::Key_Space);
        QCOMPARE(shownText(label3), QDir::cleanPath(f->dir.path()));
        QCOMPARE(listed(), QStringList{"top.BMP"});
    }

    // Names that read alike (テスト.bmp in CP932 and in UTF-8; two bytes no
    // code page defines) were listed twice and both rows opened one file.
    void eachRowOpensTheFileItWasListedFor() {
        const QByteArray folder = f->dir.path().toUtf8() + '/';
        const struct {
            QByteArray name;
            QSize size;
        } files[] = {
            {"\x83\x65\x83\x58\x83\x67.bmp", {5, 1}},             // テスト in CP932
            {"\xe3\x83\x86\xe3\x82\xb9\xe3\x83\x88.bmp", {6, 1}}, // テスト in UTF-8
            {"\xfe.bmp", {7, 1}},
            {"\xff.bmp", {8, 1}},
        };
        QStringList expected;
        for (const auto& file : files) {
            QVERIFY(writeBitmapNamed(folder + file.name, file.size));
            expected << QStringLiteral("%1×1").arg(file.size.width());
        }
        chooser()->setDirPath(f->dir.path());
        QCOMPARE(file1()->count(), 4);
        QStringList shown;
        for (int row = 0; row < file1()->count(); ++row) {
            file1()->setCurrentRow(row);
            QCOMPARE(text1()->text(), file1()->item(row)->text());
            press("Command1");
            QVERIFY(viewer());
            shown << viewer()->windowTitle().section(QLatin1Char(' '), -1);
        }
        shown.sort();
        QCOMPARE(shown, expected);
        // A name typed in is looked up as every data file is.
        showFile(QStringLiteral("テスト.bmp"));
        QVERIFY(viewer()->windowTitle().startsWith(QStringLiteral("テスト.bmp ")));
    }

    // A folder that could be read but not entered showed as an empty one
    // without a word. Permissions do not hold for root: the test then runs
    // itself again as nobody.
    void aFolderThatCannotBeEnteredSaysWhy() {
        if (geteuid() == 0) {
            QVERIFY2(runAsNobody("aFolderThatCannotBeEnteredSaysWhy"),
                     "the check failed when run as nobody");
            return;
        }
        QDir here(f->dir.path());
        const QString root = QDir::cleanPath(f->dir.path());
        for (const char* name : {"readable", "closed"}) {
            QVERIFY(here.mkdir(QString::fromLatin1(name)));
            QVERIFY(writePicture(f->here(QString::fromLatin1(name) + QStringLiteral("/p.BMP")), 2,
                                 2, Qt::red, "BMP"));
        }
        QVERIFY(QFile::setPermissions(f->here(QStringLiteral("readable")),
                                      QFileDevice::ReadOwner | QFileDevice::ReadUser));
        QVERIFY(
            QFile::setPermissions(f->here(QStringLiteral("closed")), QFileDevice::Permissions()));
        chooser()->setDirPath(root);
        auto* dir1 = child<QTreeWidget>(chooser(), "Dir1");
        for (const char* name : {"readable", "closed"}) {
            const auto item =
                dir1->findItems(QString::fromLatin1(name), Qt::MatchExactly | Qt::MatchRecursive);
            QCOMPARE(item.size(), 1);
            f->fakes.messages->expect(ErrorTitle,
                                      QStringLiteral("このフォルダは開けません（アクセスが"
                                                     "許可されていません）\rエラー番号75の"
                                                     "エラーです"));
            dir1->setCurrentItem(item.first());
            QTest::keyClick(dir1, Qt::Key_Space);
            QVERIFY2(f->fakes.messages->verify(), name);
            QCOMPARE(chooser()->dirPath(), root);
        }
        for (const char* name : {"readable", "closed"}) {
            QFile::setPermissions(f->here(QString::fromLatin1(name)), QFileDevice::ReadOwner |
                                                                          QFileDevice::WriteOwner |
                                                                          QFileDevice::ExeOwner);
        }
    }

    void driveThatCannotBeReadLeavesTheFolderWhereItWas() {
        QVERIFY(QDir(f->dir.path()).mkdir(QStringLiteral("stick")));
        QVERIFY(writePicture(f->here("stick/s.GIF"), 2, 2, Qt::red, "BMP"));
        QVERIFY(writePicture(f->here("top.BMP"), 2, 2, Qt::red, "BMP"));
        const QString root = QDir::cleanPath(f->dir.path());
        chooser()->setDrives({{QStringLiteral("here"), root},
                              {QStringLiteral("stick"), root + QStringLiteral("/stick")},
                              {QStringLiteral("gone"), root + QStringLiteral("/no-medium")}});
        chooser()->setDirPath(root);
        auto* drive1 = child<QComboBox>(chooser(), "Drive1");
        QCOMPARE(drive1->currentIndex(), 0);

        drive1->setCurrentIndex(2);
        emit drive1->activated(2);
        QCOMPARE(chooser()->dirPath(), root);
        QCOMPARE(drive1->currentIndex(), 0);
        QCOMPARE(listed(), QStringList{"top.BMP"});

        drive1->setCurrentIndex(1);
        emit drive1->activated(1);
        QCOMPARE(chooser()->dirPath(), root + QStringLiteral("/stick"));
        QCOMPARE(shownText(child<QLabel>(chooser(), "Label3")), root + QStringLiteral("/stick"));
        QCOMPARE(listed(), QStringList{"s.GIF"});
    }
};

QTEST_MAIN(ImageBrowserTest)
#include "ImageBrowserTest.moc"
