// SPDX-License-Identifier: GPL-3.0-or-later
// The plant-name search as a person uses it: typing a name, exact and
// partial passes over names and aliases, the list of hits with its count of
// distinct plants, and showing a hit.

#include "FinderFixture.h"

#include "gui/finders/NameSearchWindows.h"
#include "gui/widgets/PrintBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

namespace {

const QString NoticeTitle = QStringLiteral("メッセージ");

// A hit row: mark, number in five columns, name in 18, "(" family ")" in
// 15, then the alias for rows found through one.
QString hitRow(const QString& mark, int n, const QString& name, const QString& family,
               const QString& alias = {}) {
    return (mark + QString::number(n).leftJustified(5) + name).leftJustified(24, ' ', true) +
           ("(" + family + ")").leftJustified(15, ' ', true) + alias;
}

QString countLine(int n) {
    return QStringLiteral("  以上  ") + " " + QString::number(n) + " " +
           QStringLiteral(" 種類 です");
}

} // namespace

class NameSearchTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FinderFixture> f;

    NameSearchInput* input() const { return f->app->loaded<NameSearchInput>(); }
    NameSearchList* hits() const { return f->app->loaded<NameSearchList>(); }
    template <class T> T* in(const char* name) const {
        return requireChild<T>(input(), QString::fromLatin1(name));
    }
    template <class T> T* inList(const char* name) const {
        return requireChild<T>(hits(), QString::fromLatin1(name));
    }
    QListWidget* hitList() const { return inList<QListWidget>("List1"); }
    PrintBox* count() const { return inList<PrintBox>("Picture11"); }
    void search(const QString& name, bool partial) {
        in<QCheckBox>("Check1")->setChecked(partial);
        in<QLineEdit>("Text1")->setText(name);
        in<QPushButton>("Command1")->click();
    }

  private slots:
    void init() {
        f = std::make_unique<FinderFixture>();
        QVERIFY(f->app->run(cmd::Menu54));
    }
    void cleanup() {
        const QStringList failures = f->fakes.messages->failures();
        f.reset();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void controlsKeepTheirNames() {
        QCOMPARE(input()->objectName(), QStringLiteral("Form54"));
        QCOMPARE(input()->windowTitle(), QStringLiteral("植物名図示検索"));
        QVERIFY(input()->isVisible());
        for (const char* name : {"Label1", "Label2"}) {
            QVERIFY2(in<QLabel>(name), name);
        }
        QVERIFY(in<QLineEdit>("Text1"));
        QCOMPARE(in<QCheckBox>("Check1")->text(), QStringLiteral("部分一致検索"));
        QVERIFY(!in<QCheckBox>("Check1")->isChecked());
        QCOMPARE(in<QPushButton>("Command2")->text(), QStringLiteral("中止(終了）"));
        QVERIFY(in<QPushButton>("Command1")->isDefault());
        QVERIFY(in<QMenu>("MENU_54"));
        QVERIFY(in<QAction>("MENU541") && in<QAction>("MENU542"));

        search(QStringLiteral("ｽﾐﾚ"), false);
        QCOMPARE(hits()->objectName(), QStringLiteral("Form54A"));
        QCOMPARE(hits()->windowTitle(), QStringLiteral("植物名図示検索リストアップ"));
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            QVERIFY2(inList<QLabel>(name), name);
        }
        QVERIFY(hitList() && count());
        QVERIFY(inList<QPushButton>("Command2")->isDefault());
        QCOMPARE(inList<QPushButton>("Command1")->text(), QStringLiteral("終了"));
        for (const char* name : {"MENU_54A", "MENU_54AB"}) {
            QVERIFY2(inList<QMenu>(name), name);
        }
        for (const char* name : {"MENU541A", "MENU542A", "MENU541AB", "MENU542AB"}) {
            QVERIFY2(inList<QAction>(name), name);
        }
    }

    void exactPassesNameThenAlias() {
        // ｽﾐﾚ is a plant and also an alias of ｽﾐﾚﾓﾄﾞｷ: two kinds.
        search(QStringLiteral("ｽﾐﾚ"), false);
        QVERIFY(hits()->isVisible());
        QCOMPARE(listLines(hitList()),
                 (QStringList{hitRow(" ", 1, "ｽﾐﾚ", "スミレ"),
                              hitRow(" ", 2, "ｽﾐﾚﾓﾄﾞｷ", "スミレモドキ", "ｽﾐﾚ")}));
        QCOMPARE(count()->lines(), QStringList{countLine(2)});
        QCOMPARE(count()->lineColor(0), QColor(128, 0, 128));
        QCOMPARE(f->state->ResultCount, 2);
        QCOMPARE(f->state->NameKey, Text());

        // Part of names only, without 部分一致検索: nothing, in light red.
        search(QStringLiteral("ﾐﾚ"), false);
        QCOMPARE(hitList()->count(), 0);
        QCOMPARE(count()->lines(), QStringList{QStringLiteral("    該当する植物はありません")});
        QCOMPARE(count()->lineColor(0), QColor(255, 0, 0));
    }

    // The alias file is read afresh at every search: one that is there but
    // cannot be read is told of at the first, not at the next ones, and
    // another trouble with it is told again.
    void anUnusableAliasFileIsToldOnce() {
        const QString path = f->path(QStringLiteral("SNAME.DAT"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(f->dir_.path()).mkdir(QStringLiteral("SNAME.DAT")));
        auto* messages = f->fakes.messages;
        messages->expect(QStringLiteral("お知らせ"),
                         path + QStringLiteral("を読めません（エラー番号75のエラーです）。"
                                               "別名は使われません"));
        for (int i = 0; i < 3; ++i) {
            search(QStringLiteral("ｽﾐﾚ"), false);
            QCOMPARE(hitList()->count(), 1); // the plant, not the alias
        }
        QVERIFY2(messages->verify(), qPrintable(messages->failures().join('\n')));
        QCOMPARE(messages->shown.size(), 1);
        QCOMPARE(messages->shown[0].icon, MessageIcon::Exclamation);

        QVERIFY(QDir(f->dir_.path()).rmdir(QStringLiteral("SNAME.DAT")));
        {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64{33} << 20));
        }
        messages->expect(QStringLiteral("お知らせ"),
                         path + QStringLiteral("を読めません（エラー番号7のエラーです）。"
                                               "別名は使われません"));
        search(QStringLiteral("ｽﾐﾚ"), false);
        search(QStringLiteral("ｽﾐﾚ"), true);
        QVERIFY2(messages->verify(), qPrintable(messages->failures().join('\n')));
        QCOMPARE(messages->shown.size(), 2);

        // Mended: the aliases count again, with nothing to tell.
        f->write(QStringLiteral("SNAME.DAT"), finderAliases());
        search(QStringLiteral("ｽﾐﾚ"), false);
        QCOMPARE(hitList()->count(), 2);
        QCOMPARE(messages->shown.size(), 2);
    }

    void partialPassesAndTheDistinctCount() {
        search(QStringLiteral("ｽﾐﾚ"), true);
        QCOMPARE(listLines(hitList()),
                 (QStringList{hitRow(" ", 1, "ｽﾐﾚ", "スミレ"),
                              hitRow(" ", 2, "ｽﾐﾚﾓﾄﾞｷ", "スミレモドキ", "ｽﾐﾚ"),
                              hitRow("･", 3, "ﾀﾁﾂﾎﾞｽﾐﾚﾓﾄﾞｷﾉﾅｶﾏ", "スミレ"),
                              hitRow("･", 4, "ｽﾐﾚﾓﾄﾞｷ", "スミレモドキ"),
                              hitRow("･", 5, "ﾏﾙﾊﾞ/ｽﾐﾚ", "スミレ"),
                              hitRow("*", 6, "ﾉｲﾊﾞﾗ", "バラ", "ﾆｵｲｽﾐﾚ")}));
        // ｽﾐﾚﾓﾄﾞｷ is there twice but counts once.
        QCOMPARE(count()->lines(), QStringList{countLine(5)});
        QCOMPARE(f->state->ResultCount, 5);

        // A second search replaces the list and the count line.
        search(QStringLiteral("ﾊﾞﾗ"), true);
        QCOMPARE(listLines(hitList()), QStringList{hitRow("･", 1, "ﾉｲﾊﾞﾗ", "バラ")});
        QCOMPARE(count()->lines(), QStringList{countLine(1)});
    }

    void typedNameIsChecked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("left");
        const QString kanaOnly = QStringLiteral("半角ｶﾀｶﾅで植物名を入力してください");
        QTest::newRow("empty") << "" << QStringLiteral("植物名を入力してください") << "";
        QTest::newRow("hiragana") << "すみれ" << kanaOnly << "";
        QTest::newRow("full-width") << "スミレ" << kanaOnly << "";
        QTest::newRow("blank") << "ｽﾐﾚ " << kanaOnly << "";
        QTest::newRow("digit") << "1" << kanaOnly << "";
        QTest::newRow("middle dot") << "･" << kanaOnly << "";
        // The marks alone are half-width katakana and are searched.
        QTest::newRow("prolonged sound mark") << "ｰ"
                                              << ""
                                              << "ｰ";
        QTest::newRow("voiced mark") << "ﾞ"
                                     << ""
                                     << "ﾞ";
        QTest::newRow("semi-voiced mark") << "ﾟ"
                                          << ""
                                          << "ﾟ";
    }
    void typedNameIsChecked() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, left);
        if (!message.isEmpty()) {
            f->fakes.messages->expect(NoticeTitle, message);
        }
        search(typed, true);
        QVERIFY(f->fakes.messages->verify());
        QCOMPARE(in<QLineEdit>("Text1")->text(), left);
        QCOMPARE(hits() != nullptr, message.isEmpty());
    }

    void enterInTheNameBoxSearches() {
        QVERIFY(QTest::qWaitForWindowExposed(input()));
        in<QLineEdit>("Text1")->setText(QStringLiteral("ﾉｲﾊﾞﾗ"));
        in<QLineEdit>("Text1")->setFocus();
        QTest::keyClick(in<QLineEdit>("Text1"), Qt::Key_Return);
        QVERIFY(hits());
        QCOMPARE(hitList()->count(), 1);
        QCOMPARE(count()->lines().size(), 1);

        // Enter on a button that has the focus presses that button, not the
        // window's default: 図示 is not run from 終了, nor 確認 from 中止.
        inList<QPushButton>("Command1")->setFocus();
        QTest::keyClick(inList<QPushButton>("Command1"), Qt::Key_Return);
        FinderFixture::settle();
        QVERIFY(!hits());
        QWidget* picture = f->app->window(QStringLiteral("Form42"));
        QVERIFY(!picture || !picture->isVisible());
        in<QPushButton>("Command2")->setFocus();
        QTest::keyClick(in<QPushButton>("Command2"), Qt::Key_Return);
        FinderFixture::settle();
        QVERIFY(!input());
        QVERIFY(!hits());
    }

    void showingAHit() {
        QVERIFY(QFile::copy(f->path("IRO.BMP"), f->path(QStringLiteral("ｽﾐﾚﾓﾄﾞｷ.BMP"))));
        search(QStringLiteral("ｽﾐﾚ"), false);
        QVERIFY(QTest::qWaitForWindowExposed(hits()));

        // Nothing selected: 図示 does nothing, Enter gives an empty key.
        inList<QPushButton>("Command2")->click();
        QTest::keyClick(hitList(), Qt::Key_Return);
        QWidget* picture = f->app->window(QStringLiteral("Form42"));
        QVERIFY(!picture || !picture->isVisible());

        // The alias row opens the plant it stands for.
        hitList()->setCurrentRow(1);
        QTest::keyClick(hitList(), Qt::Key_Return);
        picture = f->app->window(QStringLiteral("Form42"));
        QVERIFY(picture && picture->isVisible());
        QCOMPARE(picture->windowTitle(), QStringLiteral("ｽﾐﾚﾓﾄﾞｷ (スミレモドキ)科"));
    }

    void popUpMenus() {
        QVERIFY(QTest::qWaitForWindowExposed(input()));
        QTest::mouseClick(in<QLabel>("Label1"), Qt::RightButton);
        QVERIFY(in<QMenu>("MENU_54")->isVisible());
        QCOMPARE(in<QMenu>("MENU_54")->defaultAction(), in<QAction>("MENU542"));
        in<QMenu>("MENU_54")->hide();

        in<QLineEdit>("Text1")->setText(QStringLiteral("ｽﾐﾚ"));
        in<QAction>("MENU542")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(hits()));
        QTest::mouseClick(hitList()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(inList<QMenu>("MENU_54AB")->isVisible());
        QVERIFY(!inList<QAction>("MENU541AB")->isEnabled());
        inList<QMenu>("MENU_54AB")->hide();
        hitList()->setCurrentRow(0);
        QTest::mouseClick(hitList()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(inList<QMenu>("MENU_54A")->isVisible());
        QCOMPARE(inList<QMenu>("MENU_54A")->defaultAction(), inList<QAction>("MENU541A"));
        inList<QMenu>("MENU_54A")->hide();
        inList<QAction>("MENU542A")->trigger();
        FinderFixture::settle();
        QVERIFY(!hits());
        QVERIFY(input());
    }

    void closingTheInputClosesTheList() {
        search(QStringLiteral("ｽﾐﾚ"), false);
        QVERIFY(hits());
        in<QPushButton>("Command2")->click();
        FinderFixture::settle();
        QVERIFY(!input());
        QVERIFY(!hits());

        // Esc and the close box do the same.
        QVERIFY(f->app->run(cmd::Menu54));
        search(QStringLiteral("ｽﾐﾚ"), false);
        QTest::keyClick(in<QLineEdit>("Text1"), Qt::Key_Escape);
        FinderFixture::settle();
        QVERIFY(!input() && !hits());

        QVERIFY(f->app->run(cmd::Menu54));
        search(QStringLiteral("ｽﾐﾚ"), false);
        input()->close();
        FinderFixture::settle();
        QVERIFY(!input() && !hits());
    }

    // ｵﾌﾟｼｮﾝ → かな入力を半角ｶﾀｶﾅに変換: off, only half-width katakana passes;
    // on, hiragana and full-width katakana are made half-width first (and the
    // box shows what was looked for), anything else still gets the message.
    void kanaInputConversion_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("rows"); // -1: refused with the message
        QTest::newRow("off: hiragana") << false << "すみれ"
                                       << "" << -1;
        QTest::newRow("off: full-width") << false << "スミレ"
                                         << "" << -1;
        QTest::newRow("off: half-width") << false << "ｽﾐﾚ"
                                         << "ｽﾐﾚ" << 2;
        QTest::newRow("on: hiragana") << true << "すみれ"
                                      << "ｽﾐﾚ" << 2;
        QTest::newRow("on: full-width") << true << "スミレ"
                                        << "ｽﾐﾚ" << 2;
        QTest::newRow("on: half-width") << true << "ｽﾐﾚ"
                                        << "ｽﾐﾚ" << 2;
        QTest::newRow("on: voiced kana") << true << "のいばら"
                                         << "ﾉｲﾊﾞﾗ" << 1;
        QTest::newRow("on: mixed widths") << true << "にオイｽﾐﾚ"
                                          << "ﾆｵｲｽﾐﾚ" << 1;
        QTest::newRow("on: Latin letter") << true << "すみれA"
                                          << "" << -1;
        QTest::newRow("on: full-width Latin") << true << "ｽﾐﾚＡ"
                                              << "" << -1;
        QTest::newRow("on: kanji") << true << "菫"
                                   << "" << -1;
        QTest::newRow("on: ideographic space") << true << "すみれ　"
                                               << "" << -1;
    }
    void kanaInputConversion() {
        QFETCH(bool, on);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, rows);
        f->fakes.settings->values.insert(QStringLiteral("KanaInputToHalfWidth"),
                                         {on ? QStringLiteral("1") : QStringLiteral("0")});
        if (rows < 0) {
            f->fakes.messages->expect(NoticeTitle,
                                      QStringLiteral("半角ｶﾀｶﾅで植物名を入力してください"));
        }
        search(typed, false);
        QVERIFY(f->fakes.messages->verify());
        QCOMPARE(in<QLineEdit>("Text1")->text(), left);
        if (rows < 0) {
            QVERIFY(!hits());
        } else {
            QVERIFY(hits());
            QCOMPARE(hitList()->count(), rows);
        }
    }
};

QTEST_MAIN(NameSearchTest)
#include "NameSearchTest.moc"
