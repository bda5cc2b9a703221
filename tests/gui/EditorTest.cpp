// SPDX-License-Identifier: GPL-3.0-or-later
// The plant data editor as a person uses it: opening it from the menu,
// making a plant from the illustrations, attaching photos whatever way the
// camera held them, undo and redo, saving into the database the searches
// read, and closing with changes not saved.

#include "ShellFixture.h"

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/finders/NameSearch.h"
#include "core/search/Search.h"
#include "gui/app/Commands.h"
#include "gui/app/MainWindow.h"
#include "gui/conditions/Form11.h"
#include "gui/editor/CategoryChooser.h"
#include "gui/editor/DataEditor.h"
#include "gui/editor/PhotoImport.h"
#include "gui/images/ImageBox.h"
#include "gui/platform/QtText.h"

#include <QBuffer>
#include <QComboBox>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace shelltest;
using kuyu::editor::FileSlot;
using kuyu::gui::testing::requireChild;

namespace {

// A world with the editor's command and an empty database made with 新規
// in the folder "key".
struct EditorWorld : World {
    EditorWorld() {
        FillOptionLabels(state);
        registerEditorCommands(*app);
    }
    DataEditor& open() {
        app->run(cmd::Menu68);
        return *app->loaded<DataEditor>();
    }
    // 新規 into a fresh folder; the editor then edits its empty database.
    DataEditor& openNew(const QString& name = QStringLiteral("key")) {
        DataEditor& e = open();
        folder = path(name);
        fakes.dialogs->queuePath(folder);
        requireChild<QPushButton>(&e, QStringLiteral("NewButton"))->click();
        return e;
    }
    void verifyMessages() {
        QVERIFY2(messages->verify(), qPrintable(messages->failures().join('\n')));
    }
    QString folder;
};

void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->setText(text);
    emit box->editingFinished();
}

void clickPicture(CategoryChooser* chooser, int option) {
    QTest::mouseClick(chooser->illustration(), Qt::LeftButton, {},
                      Form11::OptionCell(option).center());
}

// --- photos with an EXIF orientation ---

// The upright picture: a red block in the top-left corner of a landscape
// picture, blue elsewhere.
QImage upright() {
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 20, 12, Qt::red);
    return image;
}

// What a viewer does to a stored picture of orientation `o` to show it.
QImage shownAs(const QImage& stored, int o) {
    switch (o) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.transformed(QTransform().rotate(180));
    case 4:
        return stored.mirrored(false, true);
    case 5:
        return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return stored.transformed(QTransform().rotate(90));
    case 7:
        return stored.transformed(QTransform().rotate(270)).mirrored(true, false);
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}

// The stored picture that a viewer turns into `upright()` for orientation o.
QImage storedFor(int o) {
    const int inverse = o == 6 ? 8 : o == 8 ? 6 : o;
    return shownAs(upright(), inverse);
}

// A JPEG of `image` with an EXIF block holding only the orientation, as a
// phone writes it.
QByteArray jpegWithOrientation(const QImage& image, int o) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    QByteArray tiff("MM\x00\x2A\x00\x00\x00\x08", 8);
    tiff += QByteArray("\x00\x01", 2);                             // one entry
    tiff += QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01", 8);     // orientation, SHORT, 1
    tiff += QByteArray("\x00", 1) + char(o) + QByteArray(2, '\0'); // value
    tiff += QByteArray(4, '\0');                                   // no next IFD
    const QByteArray body = QByteArray("Exif\x00\x00", 6) + tiff;
    const int length = static_cast<int>(body.size()) + 2;
    QByteArray app1("\xFF\xE1", 2);
    app1 += char(length >> 8);
    app1 += char(length & 0xFF);
    app1 += body;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= static_cast<quint8>(ch);
        for (int i = 0; i < 8; ++i) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

QByteArray bigEndian(quint32 v) {
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i) {
        out[i] = char((v >> (24 - 8 * i)) & 0xFF);
    }
    return out;
}

// The start of a PNG file claiming `width` x `height` pixels, no pixels.
QByteArray pngHeader(quint32 width, quint32 height) {
    const QByteArray ihdr = QByteArray("IHDR") + bigEndian(width) + bigEndian(height) +
                            QByteArray("\x08\x02\x00\x00\x00", 5);
    const QByteArray idat("IDAT");
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + bigEndian(13) + ihdr + bigEndian(crc32(ihdr)) +
           bigEndian(0) + idat + bigEndian(crc32(idat));
}

bool isRed(QRgb c) {
    return qRed(c) > 180 && qBlue(c) < 90;
}
bool isBlue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 90;
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    f.write(bytes);
    return path;
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

  private slots:
    void theMenuItemOpensOneWindow() {
        EditorWorld w;
        QVERIFY(w.app->run(cmd::Menu68));
        auto* first = w.app->loaded<DataEditor>();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->objectName(), QStringLiteral("DataEditor"));
        QCOMPARE(first->windowTitle(), QStringLiteral("植物データ編集"));
        QVERIFY(w.app->run(cmd::Menu68));
        QCOMPARE(w.app->loaded<DataEditor>(), first);
        int editors = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            editors += qobject_cast<DataEditor*>(top) && top->isVisible() ? 1 : 0;
        }
        QCOMPARE(editors, 1);
        w.verifyMessages();
    }

    void itEditsTheDatabaseInUse() {
        EditorWorld w;
        writeDatabase(w.path(QStringLiteral("KUYU.DAT")),
                      {{"ｽﾐﾚ", codeOf(1), "ｽﾐﾚ"}, {"ﾀﾝﾎﾟﾎﾟ", codeOf(2), "ｷｸ"}});
        QVERIFY(!StartUpLoad(w.state, Text()));
        DataEditor& e = w.open();
        QCOMPARE(e.data().count(), 2);
        auto* list = requireChild<QTableWidget>(&e, QStringLiteral("PlantList"));
        QCOMPARE(list->rowCount(), 2);
        // The filter takes what an input method types.
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("Filter")), QStringLiteral("たん"));
        QVERIFY(list->isRowHidden(
            list->findItems(QStringLiteral("ｽﾐﾚ"), Qt::MatchExactly).first()->row()));
        QVERIFY(!list->isRowHidden(
            list->findItems(QStringLiteral("ﾀﾝﾎﾟﾎﾟ"), Qt::MatchExactly).first()->row()));
        w.verifyMessages();
    }

    // The list starts in name order, whatever the order of the file, and a
    // plant added later takes its place in it.
    void theListIsInNameOrder() {
        EditorWorld w;
        writeDatabase(w.path(QStringLiteral("KUYU.DAT")), {{"ﾀﾝﾎﾟﾎﾟ", codeOf(1), "ｷｸ"},
                                                           {"ｽﾐﾚ", codeOf(2), "ｽﾐﾚ"},
                                                           {"ｱｻｶﾞｵ", codeOf(3), "ﾋﾙｶﾞｵ"}});
        QVERIFY(!StartUpLoad(w.state, Text()));
        DataEditor& e = w.open();
        auto* list = requireChild<QTableWidget>(&e, QStringLiteral("PlantList"));
        const auto names = [list] {
            QStringList out;
            for (int r = 0; r < list->rowCount(); ++r) {
                out << list->item(r, DataEditor::ColName)->text();
            }
            return out;
        };
        QCOMPARE(names(), (QStringList{QStringLiteral("ｱｻｶﾞｵ"), QStringLiteral("ｽﾐﾚ"),
                                       QStringLiteral("ﾀﾝﾎﾟﾎﾟ")}));
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")), QStringLiteral("ｷｷｮｳ"));
        QCOMPARE(names(), (QStringList{QStringLiteral("ｱｻｶﾞｵ"), QStringLiteral("ｷｷｮｳ"),
                                       QStringLiteral("ｽﾐﾚ"), QStringLiteral("ﾀﾝﾎﾟﾎﾟ")}));
        w.verifyMessages();
    }

    // Each file dialog says what it opens a file for, so that each offers
    // the folder of its own last choice.
    void eachFileDialogSaysWhatItIsFor_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("kind");
        QTest::addRow("open") << "OpenButton" << int(FileChoice::DataFile);
        QTest::addRow("picture") << "AttachPicture" << int(FileChoice::Attachment);
        QTest::addRow("close-up 1") << "AttachCloseUp1" << int(FileChoice::Attachment);
        QTest::addRow("close-up 2") << "AttachCloseUp2" << int(FileChoice::Attachment);
        QTest::addRow("note") << "AttachNote" << int(FileChoice::Attachment);
        QTest::addRow("video") << "AttachVideo" << int(FileChoice::Attachment);
        QTest::addRow("spreadsheet") << "ImportButton" << int(FileChoice::Spreadsheet);
    }
    void eachFileDialogSaysWhatItIsFor() {
        QFETCH(QString, button);
        QFETCH(int, kind);
        EditorWorld w;
        DataEditor& e = w.openNew();
        if (button.startsWith(QStringLiteral("Attach"))) {
            // Files are attached to a plant; the others ask nothing first.
            requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
            typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")),
                     QStringLiteral("ｽﾐﾚ"));
        }
        w.fakes.dialogs->calls.clear();
        w.fakes.dialogs->queueCancel();
        requireChild<QPushButton>(&e, button)->click();
        QCOMPARE(w.fakes.dialogs->calls.size(), 1);
        QCOMPARE(int(w.fakes.dialogs->calls[0].kind), kind);
        w.verifyMessages();
    }

    // Each row: what the person does in category k, and the primary code
    // character and value list 1 the plant then has.
    void choosingIllustrationsBuildsTheCode_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QList<int>>("clicks"); // option pictures clicked, in order
        QTest::addColumn<QString>("special");   // a special-state button pressed first
        QTest::addColumn<QString>("reading");   // the reading of several values
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("list1");
        QTest::newRow("one option") << 1 << QList<int>{3} << ""
                                    << ""
                                    << "3"
                                    << "000";
        QTest::newRow("the last option") << 2 << QList<int>{7} << ""
                                         << ""
                                         << "7"
                                         << "000";
        QTest::newRow("the picture's own 不明") << 8 << QList<int>{1, 3} << ""
                                                << ""
                                                << "0"
                                                << "000";
        QTest::newRow("不定") << 6 << QList<int>{} << "StateIndefinite"
                              << ""
                              << "X"
                              << "000";
        QTest::newRow("なし") << 1 << QList<int>{} << "StateNone"
                              << ""
                              << "Y"
                              << "000";
        QTest::newRow("several, shown as 不定") << 1 << QList<int>{1, 3} << "StateSeveral"
                                                << "ReadingIndefinite"
                                                << "A"
                                                << "130";
        QTest::newRow("several, the first shown") << 7 << QList<int>{2, 4} << "StateSeveral"
                                                  << "ReadingFirst"
                                                  << "H"
                                                  << "240";
        QTest::newRow("several, the reading changed afterwards")
            << 7 << QList<int>{2, 4, -1} << "StateSeveral"
            << "ReadingFirst"
            << "H"
            << "240";
        QTest::newRow("a value clicked twice is taken out")
            << 2 << QList<int>{1, 2, 5, 2} << "StateSeveral"
            << "ReadingIndefinite"
            << "A"
            << "150";
    }
    void choosingIllustrationsBuildsTheCode() {
        QFETCH(int, category);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, special);
        QFETCH(QString, reading);
        QFETCH(QString, primary);
        QFETCH(QString, list1);
        EditorWorld w;
        DataEditor& e = w.openNew();
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        QCOMPARE(e.currentPlant(), 0);
        requireChild<QPushButton>(&e, QStringLiteral("Category%1").arg(category))->click();
        auto* chooser = e.chooser();
        QCOMPARE(chooser->category(), category);
        // The new database has the sample's illustrations.
        QVERIFY(!chooser->illustration()->picture().isNull());
        if (!special.isEmpty()) {
            requireChild<QPushButton>(chooser, special)->click();
        }
        // -1: the reading is chosen after the values.
        const bool readingLast = clicks.contains(-1);
        if (!reading.isEmpty() && !readingLast) {
            requireChild<QRadioButton>(chooser, reading)->click();
        }
        for (int n : clicks) {
            if (n > 0) {
                clickPicture(chooser, n);
            }
        }
        if (readingLast) {
            requireChild<QRadioButton>(chooser, reading)->click();
        }
        if (category == 8) {
            clickPicture(chooser, Category(8).optionCount); // 不明's own picture
        }
        const QString code = qs(e.data().plant(0).code);
        QCOMPARE(code.size(), 30);
        QCOMPARE(code.mid(2 * category - 1, 1), primary);
        QCOMPARE(code.mid(20, 3), list1);
        // Every other category is still 不明.
        for (int k = 1; k <= CategoryCount; ++k) {
            if (k != category) {
                QCOMPARE(code.mid(2 * k - 1, 1), QStringLiteral("0"));
            }
        }
        w.verifyMessages();
    }

    void theOptionButtonsChooseAsThePicturesDo() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        requireChild<QPushButton>(&e, QStringLiteral("Category4"))->click();
        auto* chooser = e.chooser();
        requireChild<QPushButton>(chooser, QStringLiteral("Option5"))->click();
        QCOMPARE(qs(e.data().plant(0).code).mid(7, 1), QStringLiteral("5"));
        // The secondary state is its own choice.
        auto* secondary = requireChild<QComboBox>(chooser, QStringLiteral("Secondary"));
        secondary->activated(2);
        QCOMPARE(qs(e.data().plant(0).code).mid(6, 2), QStringLiteral("25"));
        w.verifyMessages();
    }

    void aPhotoIsTurnedUprightByItsOrientation_data() {
        QTest::addColumn<int>("orientation");
        for (int o = 1; o <= 8; ++o) {
            QTest::addRow("orientation %d", o) << o;
        }
    }
    void aPhotoIsTurnedUprightByItsOrientation() {
        QFETCH(int, orientation);
        EditorWorld w;
        const QString photo = writeFile(w.path(QStringLiteral("photo.jpg")),
                                        jpegWithOrientation(storedFor(orientation), orientation));
        const QByteArray original = [&] {
            QFile f(photo);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        const PreparedPhoto made = PreparePhoto(*w.app, photo, PlantPictureBox);
        QVERIFY2(!made.jpeg.isEmpty(), qPrintable(qs(made.why)));
        QImage result;
        QVERIFY(result.loadFromData(made.jpeg, "JPEG"));
        QCOMPARE(result.size(), QSize(60, 30));
        QVERIFY(isRed(result.pixel(5, 4)));
        QVERIFY(isBlue(result.pixel(55, 4)));
        QVERIFY(isBlue(result.pixel(5, 26)));
        QVERIFY(isBlue(result.pixel(55, 26)));
        // The original stays as it was.
        QFile f(photo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), original);
    }

    void photosAreFittedIntoTheirBoxAndLimited() {
        EditorWorld w;
        QImage big(1000, 1000, QImage::Format_RGB32);
        big.fill(Qt::green);
        QVERIFY(big.save(w.path(QStringLiteral("big.png"))));
        QImage result;
        for (const auto& [box, expected] : {std::pair{PlantPictureBox, QSize(200, 200)},
                                            std::pair{CloseUpBox, QSize(240, 240)}}) {
            const PreparedPhoto made = PreparePhoto(*w.app, w.path(QStringLiteral("big.png")), box);
            QVERIFY(result.loadFromData(made.jpeg, "JPEG"));
            QCOMPARE(result.size(), expected);
        }
        // Not a picture at all, and one that is not there.
        writeFile(w.path(QStringLiteral("text.jpg")), "not a picture");
        QVERIFY(PreparePhoto(*w.app, w.path(QStringLiteral("text.jpg")), PlantPictureBox)
                    .jpeg.isEmpty());
        QVERIFY(PreparePhoto(*w.app, w.path(QStringLiteral("gone.jpg")), PlantPictureBox)
                    .jpeg.isEmpty());
        // A file past the limit is refused before it is read.
        QFile huge(w.path(QStringLiteral("huge.jpg")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(PhotoFileLimit + 1));
        huge.close();
        const PreparedPhoto refused =
            PreparePhoto(*w.app, w.path(QStringLiteral("huge.jpg")), PlantPictureBox);
        QVERIFY(refused.jpeg.isEmpty());
        QVERIFY(qs(refused.why).contains(QStringLiteral("大きすぎます")));
        // A small file that says it holds 400 million pixels is refused
        // before they are decoded.
        const PreparedPhoto vast = PreparePhoto(
            *w.app, writeFile(w.path(QStringLiteral("vast.png")), pngHeader(20000, 20000)),
            PlantPictureBox);
        QVERIFY(vast.jpeg.isEmpty());
        QVERIFY(qs(vast.why).contains(QStringLiteral("大きすぎます")));
    }

    void anAttachedPhotoIsSavedUnderTheLookupsName() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")),
                 QStringLiteral("ヤマザクラノナカマ"));
        const QString photo =
            writeFile(w.path(QStringLiteral("DSC0001.JPG")), jpegWithOrientation(storedFor(6), 6));
        const QString closeUp =
            writeFile(w.path(QStringLiteral("DSC0002.JPG")), jpegWithOrientation(storedFor(1), 1));
        QVERIFY(e.attachFile(FileSlot::Picture, photo));
        QVERIFY(e.attachFile(FileSlot::CloseUp1, closeUp));
        QCOMPARE(requireChild<QLabel>(&e, QStringLiteral("FilePicture"))->text(),
                 QStringLiteral("あり"));
        w.messages->expect(QStringLiteral("お知らせ"), QStringLiteral("検索データとして") +
                                                           w.folder + QStringLiteral("/KUYU.DAT") +
                                                           QStringLiteral("をロードしました"));
        requireChild<QPushButton>(&e, QStringLiteral("SaveButton"))->click();
        w.verifyMessages();
        const QString name = QStringLiteral("ﾔﾏｻﾞｸﾗﾉﾅｶﾏ");
        QImage saved(w.folder + QLatin1Char('/') + name.left(8) + QStringLiteral(".JPG"));
        QCOMPARE(saved.size(), QSize(60, 30));
        QVERIFY(isRed(saved.pixel(5, 4)));
        QVERIFY(QFileInfo::exists(w.folder + QLatin1Char('/') + name.left(7) +
                                  QStringLiteral("Q.JPG")));
        QVERIFY(QFileInfo::exists(photo)); // the originals stay
    }

    void undoAndRedoEveryChange() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        auto* undo = requireChild<QPushButton>(&e, QStringLiteral("UndoButton"));
        auto* redo = requireChild<QPushButton>(&e, QStringLiteral("RedoButton"));
        QVERIFY(!undo->isEnabled());
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        auto* name = requireChild<QLineEdit>(&e, QStringLiteral("NameEdit"));
        typeInto(name, QStringLiteral("すみれ"));
        QCOMPARE(name->text(), QStringLiteral("ｽﾐﾚ"));
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("FamilyEdit")), QStringLiteral("ｽﾐﾚ"));
        requireChild<QPushButton>(&e, QStringLiteral("Category1"))->click();
        clickPicture(e.chooser(), 3);
        const editor::Plant made = e.data().plant(0);
        QCOMPARE(qs(made.code).mid(1, 1), QStringLiteral("3"));

        undo->click(); // the state
        QCOMPARE(qs(e.data().plant(0).code).mid(1, 1), QStringLiteral("0"));
        QVERIFY(redo->isEnabled());
        // The menu item and its key do what the button does.
        requireChild<QAction>(&e, QStringLiteral("UndoItem"))->trigger(); // the family
        QVERIFY(e.data().plant(0).family.empty());
        QCOMPARE(requireChild<QAction>(&e, QStringLiteral("UndoItem"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(requireChild<QAction>(&e, QStringLiteral("RedoItem"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Y));
        undo->click(); // the name
        QCOMPARE(name->text(), QString());
        undo->click(); // the plant itself
        QCOMPARE(e.data().count(), 0);
        QCOMPARE(e.currentPlant(), -1);
        QVERIFY(!undo->isEnabled());

        for (int i = 0; i < 4; ++i) {
            redo->click();
        }
        QCOMPARE(e.data().count(), 1);
        QCOMPARE(e.data().plant(0), made);
        QVERIFY(!redo->isEnabled());
        w.verifyMessages();
    }

    void aSaveIsFoundByTheSearchesAtOnce() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")), QStringLiteral("ｽﾐﾚ"));
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("FamilyEdit")), QStringLiteral("ｽﾐﾚ"));
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("AliasEdit")),
                 QStringLiteral("すもとりばな、ｹﾝｶﾊﾞﾅ"));
        auto* chooser = e.chooser();
        requireChild<QPushButton>(&e, QStringLiteral("Category1"))->click();
        clickPicture(chooser, 3);
        requireChild<QPushButton>(&e, QStringLiteral("Category2"))->click();
        clickPicture(chooser, 5);
        QCOMPARE(e.data().plant(0).aliases,
                 (std::vector<Text>{fromUtf8("ｽﾓﾄﾘﾊﾞﾅ"), fromUtf8("ｹﾝｶﾊﾞﾅ")}));

        const QString db = w.folder + QStringLiteral("/KUYU.DAT");
        w.messages->expect(QStringLiteral("お知らせ"), QStringLiteral("検索データとして") + db +
                                                           QStringLiteral("をロードしました"));
        requireChild<QAction>(&e, QStringLiteral("SaveItem"))->trigger();
        w.verifyMessages();
        QCOMPARE(w.state.PlantCount, 1);
        QCOMPARE(qs(w.state.DataFilePath), db);
        QCOMPARE(qs(w.state.DataFolder), w.folder + QLatin1Char('/'));

        // The plain search with 花の色 3 and 花弁数 5.
        w.state.SelectionCode = fromUtf8("3500000000") + Text(20, U' ');
        std::int16_t mode = search::Plain;
        SearchPlants(w.state, mode, Text());
        QCOMPARE(w.state.ResultCount, 1);
        QVERIFY(qs(w.state.ResultLine[1]).contains(QStringLiteral("ｽﾐﾚ")));
        // The name search finds it by its alias.
        w.state.NameKey = fromUtf8("ｹﾝｶﾊﾞﾅ");
        FindPlantsByName(w.state, false);
        QCOMPARE(w.state.ResultCount, 1);
        QCOMPARE(qs(e.data().plant(0).name), QStringLiteral("ｽﾐﾚ"));
        QVERIFY(!e.data().modified());
    }

    void aFileChangedOnDiskAsksBeforeItIsOverwritten() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")), QStringLiteral("ﾅｽﾞﾅ"));
        const QString db = w.folder + QStringLiteral("/KUYU.DAT");
        writeDatabase(db, {{"ﾀﾝﾎﾟﾎﾟ", codeOf(2), "ｷｸ"}});
        w.messages->expect(QStringLiteral("植物データ編集"),
                           QStringLiteral("データファイルは、読み込んだ後でほかから書き換えられて"
                                          "います。上書きしますか？"),
                           Answer::No);
        requireChild<QPushButton>(&e, QStringLiteral("SaveButton"))->click();
        w.verifyMessages();
        QFile f(db);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith(*encodeCp932(fromUtf8("ﾀﾝﾎﾟﾎﾟ"))));
        QVERIFY(e.data().modified());
    }

    void closingWithUnsavedChangesAsks() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        const QString ask = QStringLiteral("保存していない変更があります。保存せずに進めますか？");
        // Nothing changed: it closes without a word.
        requireChild<QPushButton>(&e, QStringLiteral("CloseButton"))->click();
        QVERIFY(!w.app->loaded<DataEditor>());

        DataEditor& again = w.openNew(QStringLiteral("key2"));
        requireChild<QPushButton>(&again, QStringLiteral("AddButton"))->click();
        w.messages->expect(QStringLiteral("植物データ編集"), ask, Answer::No);
        requireChild<QPushButton>(&again, QStringLiteral("CloseButton"))->click();
        QVERIFY(w.app->loaded<DataEditor>());
        // The close box asks the same and keeps the window on a no.
        w.messages->expect(QStringLiteral("植物データ編集"), ask, Answer::No);
        again.close();
        QVERIFY(w.app->loaded<DataEditor>());
        QVERIFY(again.isVisible());
        w.messages->expect(QStringLiteral("植物データ編集"), ask, Answer::Yes);
        again.close();
        QVERIFY(!w.app->loaded<DataEditor>());
        w.verifyMessages();
    }

    void endingTheProgramAsksForUnsavedChanges() {
        EditorWorld w;
        MDIForm1& main = ShowMainWindow(*w.app, 1215);
        int quits = 0;
        main.setQuitHandler([&quits] { ++quits; });
        DataEditor& e = w.openNew();
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        const QString ask = QStringLiteral("保存していない変更があります。保存せずに進めますか？");
        w.messages->expect(QStringLiteral("植物データ編集"), ask, Answer::No);
        main.close();
        QCOMPARE(quits, 0);
        QVERIFY(w.app->loaded<DataEditor>());
        QVERIFY(main.isVisible());
        w.messages->expect(QStringLiteral("植物データ編集"), ask, Answer::Yes);
        main.endProgram();
        QCOMPARE(quits, 1);
        w.verifyMessages();
    }

    void aNoteCp932CannotHoldStaysInItsBox() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")), QStringLiteral("ｽﾐﾚ"));
        auto* note = requireChild<QPlainTextEdit>(&e, QStringLiteral("NoteEdit"));
        const QString typed = QStringLiteral("春に咲く 🌸");
        note->setPlainText(typed);
        w.messages->reset();
        // Moving on to save hands the note over; it is refused with a reason.
        requireChild<QPushButton>(&e, QStringLiteral("SaveButton"))->click();
        QCOMPARE(w.messages->shown.size(), 1);
        QCOMPARE(qs(w.messages->shown[0].title), QStringLiteral("エラーメッセージ"));
        QVERIFY(!w.messages->shown[0].text.empty());
        QCOMPARE(note->toPlainText(), typed);
        QVERIFY(!QFileInfo::exists(w.folder + QStringLiteral("/ｽﾐﾚ.txt")));
        w.messages->reset();
        // Mended, it goes in; the wave dash a Linux input method types is
        // kept as the one the file holds.
        note->setPlainText(QStringLiteral("春、4\u301C5月に咲く"));
        w.messages->expect(QStringLiteral("お知らせ"), QStringLiteral("検索データとして") +
                                                           w.folder + QStringLiteral("/KUYU.DAT") +
                                                           QStringLiteral("をロードしました"));
        requireChild<QPushButton>(&e, QStringLiteral("SaveButton"))->click();
        w.verifyMessages();
        QVERIFY(QFileInfo::exists(w.folder + QStringLiteral("/ｽﾐﾚ.txt")));
        // Read back from its file, it is the same note: nothing is left to save.
        QCOMPARE(note->toPlainText(), QStringLiteral("春、4\uFF5E5月に咲く"));
        QVERIFY(!e.data().modified());
        // So closing asks nothing.
        requireChild<QPushButton>(&e, QStringLiteral("CloseButton"))->click();
        QVERIFY(!w.app->loaded<DataEditor>());
        w.verifyMessages();
    }

    void aSpreadsheetGoesOutAndComesBackTheSame() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        for (const char* name : {"ｽﾐﾚ", "ﾀﾝﾎﾟﾎﾟ"}) {
            requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
            typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")),
                     QString::fromUtf8(name));
        }
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("AliasEdit")),
                 QStringLiteral("ﾂﾂﾞﾐｸﾞｻ"));
        e.chooser()->showCategory(1, {}, {}, {});
        requireChild<QPushButton>(e.chooser(), QStringLiteral("Option2"))->click();
        std::vector<editor::Plant> before;
        for (int r = 0; r < e.data().count(); ++r) {
            before.push_back(e.data().plant(r));
        }
        const QString csv = w.path(QStringLiteral("out.csv"));
        w.fakes.dialogs->queuePath(csv);
        w.messages->expect(QStringLiteral("植物データ編集"),
                           QStringLiteral("CSVファイルに書き出しました: ") + csv);
        requireChild<QPushButton>(&e, QStringLiteral("ExportButton"))->click();
        w.verifyMessages();
        QVERIFY(QFileInfo(csv).size() > 0);

        // A change, then the sheet read back: the table is as it was.
        typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")), QStringLiteral("ﾅｽﾞﾅ"));
        w.fakes.dialogs->queuePath(csv);
        w.messages->expect(
            QStringLiteral("植物データ編集"),
            QStringLiteral("CSVファイルを読み込みました。保存すると検索に使われます"));
        requireChild<QPushButton>(&e, QStringLiteral("ImportButton"))->click();
        w.verifyMessages();
        QCOMPARE(e.data().count(), 2);
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(e.data().plant(r), before[static_cast<std::size_t>(r)]);
        }

        // A sheet with a bad cell changes nothing.
        QFile bad(csv);
        QVERIFY(bad.open(QIODevice::Append));
        bad.write("\xEF\xBB\xBF,,,nonsense\r\n");
        bad.close();
        w.fakes.dialogs->queuePath(csv);
        w.messages->reset();
        requireChild<QPushButton>(&e, QStringLiteral("ImportButton"))->click();
        QCOMPARE(w.messages->shown.size(), 1);
        QVERIFY(
            qs(w.messages->shown[0].text).startsWith(QStringLiteral("CSVファイルに誤りがある")));
        QCOMPARE(e.data().count(), 2);
        w.messages->reset();
    }

    void warningsShowInTheListAndTheStatusLine() {
        EditorWorld w;
        DataEditor& e = w.openNew();
        for (const char* name : {"ｱｵｲｽﾐﾚ", "ﾀﾁﾂﾎﾞｽﾐﾚ"}) {
            requireChild<QPushButton>(&e, QStringLiteral("AddButton"))->click();
            typeInto(requireChild<QLineEdit>(&e, QStringLiteral("NameEdit")),
                     QString::fromUtf8(name));
        }
        // Two plants with the same ten states cannot be told apart.
        auto* list = requireChild<QTableWidget>(&e, QStringLiteral("PlantList"));
        const auto warnings = e.data().warnings();
        QVERIFY(!warnings.empty());
        for (int r = 0; r < list->rowCount(); ++r) {
            QVERIFY(!list->item(r, DataEditor::ColWarnings)->text().isEmpty());
        }
        const QString status = requireChild<QLabel>(&e, QStringLiteral("Status"))->text();
        QVERIFY2(status.contains(QStringLiteral("警告 %1 件").arg(warnings.size())),
                 qPrintable(status));
        w.verifyMessages();
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
