// SPDX-License-Identifier: GPL-3.0-or-later
// Both printouts through the real QPrinter into PDF files, read back with
// pdftotext: what a person without a printer gets.

#include "PlantWindowsSupport.h"

#include "gui/app/CommandIds.h"
#include "gui/app/Commands.h"
#include "gui/app/Fonts.h"
#include "gui/plantview/PlantPicture.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/printing/PrintJobs.h"
#include "gui/printing/PrintSettingsDialog.h"
#include "gui/printing/QtPrinterSurface.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

// The fake dialogs with a real printer that writes PDF files.
class PdfDialogs : public FakeDialogs {
  public:
    QPrinter* printer() override { return &printer_; }
    QPrinter printer_{QPrinter::HighResolution};
};

// KUYU_PRINTOUTS=folder keeps the printed files there, to look at.
void keep(const QString& file) {
    const QString folder = qEnvironmentVariable("KUYU_PRINTOUTS");
    if (!folder.isEmpty()) {
        const QString target = folder + QLatin1Char('/') + QFileInfo(file).fileName();
        QFile::remove(target);
        QFile::copy(file, target);
    }
}

QString pdfText(const QString& file) {
    keep(file);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000) || p.exitCode() != 0) {
        return {};
    }
    return p.readAllStandardOutput();
}

// What pdftoppm says drawing the pages: nothing for a well-formed file.
QString renderComplaints(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("10"), QStringLiteral("-png"), file,
             QFileInfo(file).absolutePath() + QStringLiteral("/rendered")});
    if (!p.waitForFinished(20000)) {
        return QStringLiteral("pdftoppm did not finish");
    }
    const QString said = QString::fromUtf8(p.readAllStandardError()).trimmed();
    return p.exitCode() == 0 ? said : said + QStringLiteral(" (exit code %1)").arg(p.exitCode());
}

// Pictures on the pages, by pdfimages: one line each below its two heading lines.
int pdfImageCount(const QString& file) {
    const QList<QByteArray> lines =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}).trimmed().split('\n');
    return static_cast<int>(lines.size()) - 2;
}

// Top edge (points) of each printed word, by pdftotext's word boxes.
QMap<QString, double> wordTops(const QString& file) {
    const QString boxes = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")}));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="[^"]*" yMin="([^"]*)"[^>]*>([^<]*)</word>)re"));
    QMap<QString, double> tops;
    for (auto m = word.globalMatch(boxes); m.hasNext();) {
        const auto hit = m.next();
        tops.insert(hit.captured(2), hit.captured(1).toDouble());
    }
    return tops;
}

// A full disk for the writes between its making and its end: files may not
// grow beyond a few kilobytes, and a write past that fails as on a full disk.
class FullDisk {
  public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

// True when every needle appears, each after the one before.
bool inOrder(const QString& text, const QStringList& needles) {
    qsizetype at = 0;
    for (const QString& n : needles) {
        at = text.indexOf(n, at);
        if (at < 0) {
            qWarning("not found in order: %s", qPrintable(n));
            return false;
        }
        at += n.size();
    }
    return true;
}

} // namespace

class PrintToPdfTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;
    PdfDialogs* dialogs = nullptr;

  public:
    // The print settings of ｽﾐﾚ, printing into `file`.
    Form42PB* openSettings(const QString& file) {
        dialogs->printer_.setOutputFileName(file);
        f->state.NameKey = ts("ｽﾐﾚ");
        OpenPlantPicture(*f->app);
        f->app->run(hook::PrintPlantPage);
        return f->app->loaded<Form42PB>();
    }
    void expectWritten(const QString& file) {
        f->fakes.messages->expect(QStringLiteral("お知らせ"),
                                  QStringLiteral("印刷結果をPDFファイルに書き出しました。\n") +
                                      file);
    }

  private slots:
    void initTestCase() {
        installFontSubstitutions();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
    }
    void init() {
        f = std::make_unique<WindowsFixture>();
        auto d = std::make_unique<PdfDialogs>();
        dialogs = d.get();
        f->fakes.dialogs = d.get();
        f->fakes.platform.dialogs = std::move(d);
        dialogs->printer_.setOutputFormat(QPrinter::PdfFormat);
        dialogs->printer_.setPageSize(QPageSize(QPageSize::A4));
        registerPrintCommands(*f->app);
        f->addPlant("ｽﾐﾚ", "ｽﾐﾚ", "010503040402020101000000000002");
        f->addPlant("ﾀﾝﾎﾟﾎﾟ", "ｷｸ", "010101010101010101000000000001");
        f->addPlant("ﾅｽﾞﾅ", "ｱﾌﾞﾗﾅ", "020202020202020202000000000001");
        f->state.MatchScore[3] = 4;
        QVERIFY(writePicture(f->here("ｽﾐﾚ.BMP"), 200, 150, Qt::blue, "BMP"));
    }
    void cleanup() {
        QVERIFY2(f->fakes.messages->verify(), qPrintable(f->fakes.messages->failures().join('\n')));
        f.reset();
    }

    void resultTableToPdf() {
        const QString file = f->here("result.pdf");
        dialogs->printer_.setOutputFileName(file);
        f->fakes.messages->expect(
            QStringLiteral("検索結果（条件）印刷"),
            QStringLiteral("検索結果（条件）を印刷します\n用紙の幅はA4の幅(約21cm)が必要です\n"
                           "(プリンタの準備はＯＫ?)"),
            Answer::Yes);
        dialogs->queuePrinter(true, 1);
        f->fakes.messages->expect(QStringLiteral("お知らせ"),
                                  QStringLiteral("印刷結果をPDFファイルに書き出しました。\n") +
                                      file);
        f->app->run(cmd::Menu64A);
        const QString text = pdfText(file);
        QVERIFY2(inOrder(text, {"植物名", "科名", qs(f->state.OptionLabel[1][0]),
                                qs(f->state.OptionLabel[11][0]).trimmed(), "ｽﾐﾚ", "(ｽﾐﾚ)科",
                                qs(f->state.OptionLabel[1][1]), "ﾀﾝﾎﾟﾎﾟ", "(ｷｸ)科", "以上です"}),
                 qPrintable(text));
        QVERIFY(!text.contains("ﾅｽﾞﾅ"));
    }

    void plantPageToPdf() {
        const QString file = f->here("page.pdf");
        dialogs->printer_.setOutputFileName(file);
        f->state.NameKey = ts("ｽﾐﾚ");
        OpenPlantPicture(*f->app);
        f->app->run(hook::PrintPlantPage);
        auto* d = f->app->loaded<Form42PB>();
        QVERIFY(d);
        f->fakes.messages->expect(QStringLiteral("お知らせ"),
                                  QStringLiteral("印刷結果をPDFファイルに書き出しました。\n") +
                                      file);
        requireChild<QPushButton>(d, "Command2")->click();
        const QString text = pdfText(file);
        QStringList card{"ｽﾐﾚ (ｽﾐﾚ)科", qs(f->state.OptionLabel[11][2])};
        card << "花の色" << qs(f->state.OptionLabel[1][1]) << "花弁数"
             << qs(f->state.OptionLabel[2][5]) << "茎断面";
        QVERIFY2(inOrder(text, card), qPrintable(text));
    }

    // A number far beyond any paper is refused when committed, as bad text
    // is, and never reaches the page: printed anyway from the field, the
    // item keeps its last good value and the page keeps everything on it.
    void hugeNumbersNeverReachThePage_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reopened");
        QTest::newRow("picture left") << 2 << "99999999999999999999"
                                      << "30";
        QTest::newRow("picture top") << 3 << "1e20"
                                     << "30";
        QTest::newRow("picture scale") << 1 << "1e30"
                                       << "1";
        QTest::newRow("picture scale that wraps") << 1 << "4e8"
                                                  << "1";
        QTest::newRow("picture width") << 4 << "500"
                                       << "";
        QTest::newRow("card scale") << 16 << "1e30"
                                    << "1";
        QTest::newRow("name top") << 15 << "421"
                                  << "20";
    }
    void hugeNumbersNeverReachThePage() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, reopened);
        const QString file = f->here("page.pdf");
        Form42PB* d = openSettings(file);
        QVERIFY(d);
        d->field(field)->setText(typed);
        QTest::keyClick(d->field(field), Qt::Key_Return);
        QCOMPARE(d->field(field)->text(), QStringLiteral("0"));
        QCOMPARE(f->fakes.beeper->count, 1);
        // Typed again and printed without committing it.
        d->field(field)->setText(typed);
        f->fakes.messages->expect(QStringLiteral("お知らせ"),
                                  QStringLiteral("印刷結果をPDFファイルに書き出しました。\n") +
                                      file);
        requireChild<QPushButton>(d, "Command2")->click();
        const QString text = pdfText(file);
        QVERIFY2(inOrder(text, {"ｽﾐﾚ", "花の色", "茎断面"}), qPrintable(text));
        QCOMPARE(pdfImageCount(file), 1);
        QCOMPARE(renderComplaints(file), QString());
        if (!reopened.isEmpty()) {
            f->app->run(hook::PrintPlantPage);
            QCOMPARE(f->app->loaded<Form42PB>()->field(field)->text(), reopened);
        }
    }

    // A scale field reset to 0 prints its item at the last good scale: the
    // card's rows stay apart and the picture stays on the page.
    void zeroScalesKeepTheLastGoodValue_data() {
        QTest::addColumn<int>("field");
        QTest::newRow("card") << 16;
        QTest::newRow("picture") << 1;
    }
    void zeroScalesKeepTheLastGoodValue() {
        QFETCH(int, field);
        const QString file = f->here("page.pdf");
        Form42PB* d = openSettings(file);
        d->field(field)->setText(QStringLiteral("0"));
        QTest::keyClick(d->field(field), Qt::Key_Return);
        f->fakes.messages->expect(QStringLiteral("お知らせ"),
                                  QStringLiteral("印刷結果をPDFファイルに書き出しました。\n") +
                                      file);
        requireChild<QPushButton>(d, "Command2")->click();
        const QMap<QString, double> tops = wordTops(file);
        QVERIFY2(tops.contains("花の色") && tops.contains("茎断面"),
                 qPrintable(tops.keys().join(' ')));
        // Ten rows of a 360-twip (18-point) card lie 162 points apart.
        QVERIFY2(tops["茎断面"] - tops["花の色"] > 150,
                 qPrintable(QString::number(tops["茎断面"] - tops["花の色"])));
        QCOMPARE(pdfImageCount(file), 1);
    }

    // Numbers no page holds, handed to the surface all the same, still give
    // a page that reads back with what was printed where it belongs.
    void theSurfaceHoldsWhatNoPaperHolds() {
        const QString file = f->here("absurd.pdf");
        dialogs->printer_.setOutputFileName(file);
        {
            QtPrinterSurface surface(&dialogs->printer_);
            QImage picture(4, 4, QImage::Format_RGB32);
            picture.fill(Qt::red);
            surface.drawPicture(picture, QRectF(1e20, 0, 1e30, 1e30));
            surface.drawLine({0, 0}, {std::nan(""), 1e300});
            surface.setPosition(std::nan(""), 1e25);
            QFont huge(QStringLiteral("ＭＳ 明朝"));
            huge.setPointSizeF(1e7);
            surface.setFont(huge);
            surface.printText(QStringLiteral("ずれ"));
            QFont normal(QStringLiteral("ＭＳ 明朝"));
            normal.setPointSizeF(12);
            surface.setFont(normal);
            surface.setPosition(1440, 1440);
            surface.printText(QStringLiteral("見える"));
            surface.endDocument();
            QCOMPARE(surface.writtenFiles(), QStringList{file});
        }
        QCOMPARE(renderComplaints(file), QString());
        const QString text = pdfText(file);
        QVERIFY2(text.contains(QStringLiteral("見える")), qPrintable(text));
    }

    void a4SmallPaperIsLaidOutAsItself() {
        dialogs->printer_.setPageSize(QPageSize(QPageSize::A4Small));
        Form42PB* d = openSettings(QString());
        QCOMPARE(requireChild<QLabel>(d, "Label14")->text(),
                 QStringLiteral("A4 Small、210 x 297 mm"));
    }

    // On a full disk the printout says the printer failed, leaves no broken
    // file, and a file of the same name from before is kept as it was.
    void fullDiskKeepsWhatWasThere_data() {
        QTest::addColumn<bool>("page");
        QTest::addColumn<bool>("existing");
        QTest::newRow("plant page over a file") << true << true;
        QTest::newRow("plant page, new file") << true << false;
        QTest::newRow("result table over a file") << false << true;
    }
    void fullDiskKeepsWhatWasThere() {
        QFETCH(bool, page);
        QFETCH(bool, existing);
        const QString file = f->here("out.pdf");
        const QByteArray before = "a printout from before";
        if (existing) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(before);
        }
        const QString error = QStringLiteral("エラーメッセージ");
        const QString printerError = QStringLiteral("プリンタのエラーです");
        if (page) {
            Form42PB* d = openSettings(file);
            f->fakes.messages->expect(error, printerError);
            FullDisk full;
            requireChild<QPushButton>(d, "Command2")->click();
        } else {
            f->fakes.messages->expect(
                QStringLiteral("検索結果（条件）印刷"),
                QStringLiteral("検索結果（条件）を印刷します\n用紙の幅はA4の幅(約21cm)が必要です\n"
                               "(プリンタの準備はＯＫ?)"),
                Answer::Yes);
            dialogs->printer_.setOutputFileName(file);
            dialogs->queuePrinter(true, 1);
            f->fakes.messages->expect(error, printerError, Answer::Cancel);
            FullDisk full;
            f->app->run(cmd::Menu64A);
        }
        QFile after(file);
        if (existing) {
            QVERIFY(after.open(QIODevice::ReadOnly));
            QCOMPARE(after.readAll(), before);
        } else {
            QVERIFY(!after.exists());
        }
        const QStringList left = QDir(f->dir.path()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(!left.join(' ').contains(QStringLiteral(".part")), qPrintable(left.join(' ')));
    }
};

QTEST_MAIN(PrintToPdfTest)
#include "PrintToPdfTest.moc"
