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

#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

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
};

QTEST_MAIN(PrintToPdfTest)
#include "PrintToPdfTest.moc"
