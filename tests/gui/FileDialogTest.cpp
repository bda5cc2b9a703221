// SPDX-License-Identifier: GPL-3.0-or-later
// The program's file dialog over Qt's own: each kind of file offers the
// folder of its own last choice again, and photos are first looked for in
// the pictures folder.

#include "gui/platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace kuyu::gui;

namespace {

QFileDialog* openDialog() {
    if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        return d;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
            return d;
        }
    }
    return nullptr;
}

// Answers the next file dialog: notes the folder it opened in, then picks
// `file`, or cancels when `file` is empty. A dialog that does not close
// after that is cancelled, so the test fails instead of waiting forever.
void answerNextDialog(QString* openedIn, const QString& file) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto ticksSinceAnswer = std::make_shared<int>(-1);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QFileDialog* d = openDialog();
        if (*ticksSinceAnswer >= 0) {
            if (!d) {
                timer->stop();
                timer->deleteLater();
            } else if (++*ticksSinceAnswer > 300) {
                *openedIn = QStringLiteral("(the dialog did not take the file)");
                d->reject();
            }
            return;
        }
        if (!d) {
            return;
        }
        *ticksSinceAnswer = 0;
        *openedIn = QDir(d->directory()).absolutePath();
        if (file.isEmpty()) {
            d->reject();
        } else {
            // Typed whole into the name box, as a person may: the dialog
            // takes it without waiting for its folder view to fill.
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name) {
                name->setText(file);
            }
            QMetaObject::invokeMethod(d, "accept");
        }
    });
    timer->start();
}

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QString home_;
    QString pictures_;

    QString dir(const char* name) const { return root_.path() + QLatin1Char('/') + name; }

  private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        home_ = dir("home");
        pictures_ = home_ + QStringLiteral("/Pictures");
        for (const QString& d :
             {pictures_, dir("config"), dir("work"), dir("data"), dir("photos"), dir("sheets")}) {
            QVERIFY(QDir().mkpath(d));
        }
        // A home of our own, without a user-dirs file: the pictures folder
        // is ~/Pictures.
        qputenv("HOME", home_.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir("config").toLocal8Bit());
        QVERIFY(QDir::setCurrent(dir("work")));
        touch(dir("data") + QStringLiteral("/KUYU.DAT"));
        touch(dir("photos") + QStringLiteral("/IMG_0001.JPG"));
        touch(dir("sheets") + QStringLiteral("/plants.csv"));
    }

    // In turn: what a file is chosen for, the folder the dialog must open
    // in, and the file then chosen (empty: cancelled).
    void eachKindOffersItsOwnLastFolder() {
        struct Turn {
            FileChoice kind;
            QString opensIn;
            QString choose;
        };
        const QString dataFile = dir("data") + QStringLiteral("/KUYU.DAT");
        const QString photo = dir("photos") + QStringLiteral("/IMG_0001.JPG");
        const QString sheet = dir("sheets") + QStringLiteral("/plants.csv");
        const Turn turns[] = {
            {FileChoice::DataFile, dir("work"), dataFile},
            {FileChoice::Attachment, pictures_, photo},
            {FileChoice::DataFile, dir("data"), {}},
            {FileChoice::Attachment, dir("photos"), {}},
            {FileChoice::Spreadsheet, dir("work"), sheet},
            {FileChoice::Attachment, dir("photos"), {}},
            {FileChoice::Spreadsheet, dir("sheets"), {}},
            {FileChoice::DataFile, dir("data"), {}},
        };
        QtDialogs dialogs;
        QWidget parent;
        int n = 0;
        for (const Turn& s : turns) {
            ++n;
            QString openedIn;
            answerNextDialog(&openedIn, s.choose);
            const auto chosen =
                dialogs.openFile(&parent, QStringLiteral("t"), {QStringLiteral("all (*)")}, s.kind);
            QVERIFY2(openedIn == s.opensIn,
                     qPrintable(QStringLiteral("turn %1 opened in %2").arg(n).arg(openedIn)));
            QCOMPARE(chosen.value_or(QString()), s.choose);
            // The data file's name is kept whatever else was chosen since.
            QCOMPARE(dialogs.lastFileName(), dataFile);
        }
    }

    // Without a pictures folder the first photo is looked for at home.
    void withoutAPicturesFolderPhotosStartAtHome() {
        QVERIFY(QDir(pictures_).removeRecursively());
        QtDialogs dialogs;
        QWidget parent;
        QString openedIn;
        answerNextDialog(&openedIn, {});
        QVERIFY(!dialogs.openFile(&parent, QStringLiteral("t"), {QStringLiteral("all (*)")},
                                  FileChoice::Attachment));
        QCOMPARE(openedIn, home_);
        QVERIFY(QDir().mkpath(pictures_));
    }
};

QTEST_MAIN(FileDialogTest)
#include "FileDialogTest.moc"
