// SPDX-License-Identifier: GPL-3.0-or-later
// What the window base decides for every window: Enter presses the focused
// button (not the default), Esc the cancel button, the close box the close
// button (the cancel button unless the window names another).

#include "FinderFixture.h"
#include "gui/conditions/Form11.h"
#include "gui/finders/FamilySearch.h"
#include "gui/finders/NameSearchWindows.h"
#include "gui/finders/SearchPanel.h"
#include "gui/images/ImageBrowser.h"
#include "gui/plantview/PlantPictureWindow.h"
#include "gui/plantview/RegisteredListWindow.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace kuyu;
using namespace kuyu::gui;
using namespace kuyu::gui::testing;

using Loader = std::function<QWidget*(App&)>;
Q_DECLARE_METATYPE(Loader)

class FormWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FinderFixture> f;

    QWidget* open(const Loader& load) {
        QWidget* w = load(*f->app);
        w->show();
        w->activateWindow();
        return w;
    }

  private slots:
    void init() { f = std::make_unique<FinderFixture>(); }
    void cleanup() {
        QVERIFY(f->fakes.messages->verify());
        f.reset();
    }

    void enterPressesTheFocusedButtonEscTheCancelButton_data() {
        QTest::addColumn<Loader>("load");
        QTest::addColumn<QString>("focused"); // a button that is not the default
        QTest::addColumn<QString>("cancel");
        auto row = [](const char* name, Loader load, const char* focused, const char* cancel) {
            QTest::newRow(name) << load << QString::fromLatin1(focused)
                                << QString::fromLatin1(cancel);
        };
        row(
            "Form11", [](App& a) -> QWidget* { return &a.load<Form11>(); }, "Command10",
            "Command10");
        row(
            "Form41", [](App& a) -> QWidget* { return &a.load<SearchPanel>(); }, "Command11",
            "Command11");
        row(
            "Form51", [](App& a) -> QWidget* { return &a.load<FamilySearch>(); }, "Command1",
            "Command1");
        row(
            "Form54", [](App& a) -> QWidget* { return &a.load<NameSearchInput>(); }, "Command2",
            "Command2");
        row(
            "Form54A", [](App& a) -> QWidget* { return &a.load<NameSearchList>(); }, "Command1",
            "Command1");
        row(
            "Form53", [](App& a) -> QWidget* { return &a.load<Form53>(); }, "Command1", "Command1");
        row(
            "Form42", [](App& a) -> QWidget* { return &a.load<Form42>(); }, "Command2", "Command2");
    }
    void enterPressesTheFocusedButtonEscTheCancelButton() {
        QFETCH(Loader, load);
        QFETCH(QString, focused);
        QFETCH(QString, cancel);

        QWidget* w = open(load);
        auto* button = requireChild<QPushButton>(w, focused);
        QSignalSpy pressed(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        FinderFixture::settle();

        w = open(load);
        QSignalSpy cancelled(requireChild<QPushButton>(w, cancel), &QPushButton::clicked);
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        FinderFixture::settle();
    }

    void closeBoxPressesTheCloseButton_data() {
        QTest::addColumn<Loader>("load");
        QTest::addColumn<QString>("close");
        QTest::newRow("Form41 (its cancel button)")
            << Loader([](App& a) -> QWidget* { return &a.load<SearchPanel>(); })
            << QStringLiteral("Command11");
        // 終了, not the 中止 that Esc would press.
        QTest::newRow("Form72 (a button of its own)")
            << Loader([](App& a) -> QWidget* { return &a.load<Form72>(); })
            << QStringLiteral("Command3");
    }
    void closeBoxPressesTheCloseButton() {
        QFETCH(Loader, load);
        QFETCH(QString, close);

        QWidget* w = open(load);
        QSignalSpy pressed(requireChild<QPushButton>(w, close), &QPushButton::clicked);
        w->close();
        QCOMPARE(pressed.count(), 1);
        FinderFixture::settle();
    }
};

QTEST_MAIN(FormWindowTest)
#include "FormWindowTest.moc"
