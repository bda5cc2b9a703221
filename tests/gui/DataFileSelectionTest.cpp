// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing another database while running: the dialog's title and filters,
// a good file in another folder, a file the reload refuses, and cancel.

#include "ShellFixture.h"

#include "core/database/Database.h"
#include "gui/app/Commands.h"
#include "gui/app/DataFileSelection.h"
#include "gui/platform/QtText.h"

#include <QRegularExpression>
#include <QtTest>

using namespace shelltest;

namespace {

// A world that has loaded KUYU.DAT (three plants) from its current folder at
// start-up, with a condition chosen.
struct LoadedWorld : World {
    LoadedWorld() {
        writeDatabase(
            path(QStringLiteral("KUYU.DAT")),
            {{"ｽﾐﾚ", codeOf(1), "ｽﾐﾚ"}, {"ﾀﾝﾎﾟﾎﾟ", codeOf(2), "ｷｸ"}, {"ﾅｽﾞﾅ", codeOf(3), "ｱﾌﾞﾗﾅ"}});
        if (StartUpLoad(state, Text())) {
            qFatal("start-up load failed");
        }
        state.SelectionCode = fromUtf8("3000000000") + Text(20, U' ');
        state.CategoryChosen[1] = true;
        registerShellCommands(*app);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("other")));
        other = path(QStringLiteral("other"));
    }
    QString other;
};

// What Qt does with a name filter: the patterns are inside the last brackets.
QStringList patternsOf(const QString& filter) {
    const auto m = QRegularExpression(QStringLiteral("^(.*)\\(([^()]*)\\)$")).match(filter);
    return m.hasMatch() ? m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList{};
}

bool matches(const QString& filter, const QString& name) {
    for (const QString& p : patternsOf(filter)) {
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(p))
                .match(name)
                .hasMatch()) {
            return true;
        }
    }
    return false;
}

} // namespace

class DataFileSelectionTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogTitleAndFilters() {
        const QStringList filters = DataFileFilters();
        QCOMPARE(filters.size(), 3);
        // The texts the user reads, double quotes and all.
        QVERIFY(filters[0].startsWith(QStringLiteral("\"Data Files (*.dat)\" (")));
        QVERIFY(filters[1].startsWith(QStringLiteral("\"Text Files (*.txt)\" (")));
        QVERIFY(filters[2].startsWith(QStringLiteral("All Files (*.*) (")));
        // Data from Windows media is named in capitals as often as not.
        QVERIFY(matches(filters[0], QStringLiteral("KUYU.DAT")));
        QVERIFY(matches(filters[0], QStringLiteral("kuyu.dat")));
        QVERIFY(!matches(filters[0], QStringLiteral("SNAME.TXT")));
        QVERIFY(matches(filters[1], QStringLiteral("SNAME.TXT")));
        QVERIFY(!matches(filters[1], QStringLiteral("KUYU.DAT")));
        // "All files" means every file, with or without a dot.
        QVERIFY(matches(filters[2], QStringLiteral("README")));
        QVERIFY(matches(filters[2], QStringLiteral("KUYU.DAT")));
    }

    void goodFileInAnotherFolder() {
        LoadedWorld w;
        const QString file = w.other + QStringLiteral("/ZUKAN.DAT");
        writeDatabase(file, {{"ﾂﾕｸｻ", codeOf(4), "ﾂﾕｸｻ"}, {"ﾄﾞｸﾀﾞﾐ", codeOf(5), "ﾄﾞｸﾀﾞﾐ"}});
        w.fakes.dialogs->queuePath(file);
        w.messages->expect(QStringLiteral("お知らせ"), QStringLiteral("検索データとして") + file +
                                                           QStringLiteral("をロードしました"));
        const QString before = QDir::currentPath();

        QVERIFY(w.app->run(cmd::Menu71));

        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join('\n')));
        QCOMPARE(w.messages->shown.first().icon, MessageIcon::None);
        QCOMPARE(w.fakes.dialogs->calls.size(), 1);
        QCOMPARE(w.fakes.dialogs->calls[0].title, QStringLiteral("データファイル選択"));
        QCOMPARE(w.fakes.dialogs->calls[0].filters, DataFileFilters());
        QCOMPARE(w.state.PlantCount, 2);
        QCOMPARE(qs(w.state.name(1)), QStringLiteral("ﾂﾕｸｻ"));
        QCOMPARE(qs(w.state.DataFilePath), file);
        QCOMPARE(qs(w.state.DataFolder), w.other + QLatin1Char('/'));
        QCOMPARE(w.state.SelectionCode, emptySelectionCode());
        QVERIFY(!w.state.CategoryChosen[1]);
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(w.fakes.dialogs->lastFileName(), file);
    }

    // A folder in the place of the chosen folder's alias file is told of
    // after the load, once: not when the same file is chosen again.
    void anUnusableAliasFileIsToldAfterTheLoadOnce() {
        LoadedWorld w;
        const QString file = w.other + QStringLiteral("/ZUKAN.DAT");
        writeDatabase(file, {{"ﾂﾕｸｻ", codeOf(4), "ﾂﾕｸｻ"}});
        QVERIFY(QDir(w.other).mkdir(QStringLiteral("SNAME.DAT")));
        const QString loaded =
            QStringLiteral("検索データとして") + file + QStringLiteral("をロードしました");
        w.fakes.dialogs->queuePath(file);
        w.fakes.dialogs->queuePath(file);
        w.messages->expect(QStringLiteral("お知らせ"), loaded);
        w.messages->expect(QStringLiteral("お知らせ"),
                           w.other + QStringLiteral("/SNAME.DATを読めません（エラー番号75のエラー"
                                                    "です）。別名は使われません"));
        w.messages->expect(QStringLiteral("お知らせ"), loaded);
        QVERIFY(w.app->run(cmd::Menu71));
        QVERIFY(w.app->run(cmd::Menu71));
        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join('\n')));
        QCOMPARE(w.messages->shown.size(), 3);
    }

    void badFirstRecordKeepsTheTableInUse() {
        LoadedWorld w;
        const QString file = w.other + QStringLiteral("/NOTES.TXT");
        writeDatabase(file, {{"ﾂﾕｸｻ", codeOf(4, 29), "ﾂﾕｸｻ"}, {"ﾄﾞｸﾀﾞﾐ", codeOf(5), "ﾄﾞｸﾀﾞﾐ"}});
        w.fakes.dialogs->queuePath(file);
        w.messages->expect(QStringLiteral("エラーメッセージ"),
                           QStringLiteral("ファイルがロードできません"));

        w.app->run(cmd::Menu71);

        QVERIFY2(w.messages->verify(), qPrintable(w.messages->failures().join('\n')));
        QCOMPARE(w.messages->shown.first().icon, MessageIcon::Critical);
        QCOMPARE(w.state.PlantCount, 3);
        QCOMPARE(qs(w.state.name(3)), QStringLiteral("ﾅｽﾞﾅ"));
        QVERIFY(w.state.DataFolder.empty());
        QVERIFY(w.state.CategoryChosen[1]); // the selection stays as it was
        QCOMPARE(QDir::currentPath(), w.dir.path());
    }

    void aFileThatIsNotThere() {
        LoadedWorld w;
        w.fakes.dialogs->queuePath(w.other + QStringLiteral("/GONE.DAT"));
        w.messages->expect(QStringLiteral("エラーメッセージ"),
                           QStringLiteral("ファイルがロードできません"));
        w.app->run(cmd::Menu71);
        QVERIFY(w.messages->verify());
        QCOMPARE(w.state.PlantCount, 3);
    }

    void cancelLoadsNothing() {
        LoadedWorld w;
        const Text pathBefore = w.state.DataFilePath;
        w.fakes.dialogs->queueCancel();
        w.app->run(cmd::Menu71);
        QCOMPARE(w.fakes.dialogs->calls.size(), 1);
        QVERIFY(w.messages->shown.isEmpty());
        QCOMPARE(w.state.PlantCount, 3);
        QVERIFY(w.state.DataFilePath == pathBefore);
        QVERIFY(w.state.CategoryChosen[1]);
        QCOMPARE(QDir::currentPath(), w.dir.path());
    }

    void theSameFileCanBeChosenAgain() {
        LoadedWorld w;
        const QString file = w.other + QStringLiteral("/ZUKAN.DAT");
        writeDatabase(file, {{"ﾂﾕｸｻ", codeOf(4), "ﾂﾕｸｻ"}});
        const QString notice =
            QStringLiteral("検索データとして") + file + QStringLiteral("をロードしました");
        w.fakes.dialogs->queuePath(file);
        w.fakes.dialogs->queuePath(file);
        w.messages->expect(QStringLiteral("お知らせ"), notice);
        w.messages->expect(QStringLiteral("お知らせ"), notice);
        w.app->run(cmd::Menu71);
        w.state.CategoryChosen[2] = true;
        w.app->run(cmd::Menu71);
        QVERIFY(w.messages->verify());
        QCOMPARE(w.state.PlantCount, 1);
        QVERIFY(!w.state.CategoryChosen[2]);
    }
};

QTEST_MAIN(DataFileSelectionTest)
#include "DataFileSelectionTest.moc"
