// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the finder window tests share: a small plant database and alias file
// written in CP932 into a temporary folder (also the current folder, where
// the category illustrations live), loaded into a fresh state, and an App
// over fake platform services.

#include "TestSupport.h"
#include "core/state/AppState.h"
#include "core/state/StartUpState.h"
#include "core/text/Text.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/platform/QtText.h"
#include "gui/platform/testing/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace kuyu::gui::testing {

// A 30-character code from the ten primary and ten secondary codes.
inline Text finderCode(const char32_t* primaries, const char32_t* secondaries) {
    Text code;
    for (int k = 0; k < 10; ++k) {
        code += secondaries[k];
        code += primaries[k];
    }
    return code + Text(9, U' ') + U"1";
}

// Seven plants. With the conditions 花の色 = 1, 花弁数 = 5 and ｵｼﾍﾞ数 = 1:
// ﾉｲﾊﾞﾗ agrees everywhere; ﾍﾋﾞｲﾁｺﾞ misses the colour but its secondary
// colour is 1 (fuzzy and AI); ｽﾐﾚ misses the colour only (fuzzy); ｽﾐﾚﾓﾄﾞｷ
// is unknown everywhere (always listed); the rest miss two or more.
inline Text finderDatabase() {
    struct Row {
        const char32_t* name;
        const char32_t* primaries;
        const char32_t* secondaries;
        const char32_t* family;
    };
    const Row rows[] = {
        {U"ﾉｲﾊﾞﾗ", U"1500100000", U"0000000000", U"バラ"},
        {U"ﾍﾋﾞｲﾁｺﾞ", U"2500100000", U"1000000000", U"バラ"},
        {U"ﾀﾝﾎﾟﾎﾟ", U"2700400000", U"3300300000", U"キク"},
        {U"ｽﾐﾚ", U"3500100000", U"2200200000", U"スミレ"},
        {U"ﾀﾁﾂﾎﾞｽﾐﾚﾓﾄﾞｷﾉﾅｶﾏ", U"Y700100000", U"2200200000", U"スミレ"},
        {U"ｽﾐﾚﾓﾄﾞｷ", U"0000000000", U"0000000000", U"スミレモドキ"},
        {U"ﾏﾙﾊﾞ/ｽﾐﾚ", U"5800500000", U"5800500000", U"スミレ"},
    };
    Text out;
    for (const Row& r : rows) {
        out += Text(r.name) + U"," + finderCode(r.primaries, r.secondaries) + U"," + r.family +
               U"\r\n";
    }
    return out;
}

// ﾆｵｲｽﾐﾚ is another name of ﾉｲﾊﾞﾗ; ｽﾐﾚ is also an alias of ｽﾐﾚﾓﾄﾞｷ.
inline Text finderAliases() {
    return U"ﾆｵｲｽﾐﾚ,ﾉｲﾊﾞﾗ\r\nｽﾐﾚ,ｽﾐﾚﾓﾄﾞｷ\r\n";
}

// A list line as the condition search writes it: mark, number in five
// columns, name in 18, "(" family ")" in 15, then "科".
inline QString resultLine(const QString& mark, int n, const QString& name, const QString& family) {
    const QString first =
        (mark + QString::number(n).leftJustified(5) + name).leftJustified(24, ' ', true);
    const QString second = ("(" + family + ")").leftJustified(15, ' ', true);
    return first + second + QStringLiteral("科");
}

inline QStringList listLines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

class FinderFixture {
  public:
    FinderFixture() : previous_(QDir::currentPath()) {
        write(QStringLiteral("KUYU.DAT"), finderDatabase());
        write(QStringLiteral("SNAME.DAT"), finderAliases());
        for (const char* base : {"IRO", "MAISUU", "KAJO", "HANAGATA", "OSIBE", "HATSUKI", "HAKEI",
                                 "YOUMYAKU", "KUKIKEI", "KUKIDAN"}) {
            QImage picture(60, 40, QImage::Format_RGB32);
            picture.fill(Qt::yellow);
            picture.save(dir_.filePath(QString::fromLatin1(base) + ".BMP"), "BMP");
        }
        QDir::setCurrent(dir_.path());
        state = std::make_unique<AppState>();
        const auto failure = InitialiseState(*state, ts(dir_.filePath(QStringLiteral("KUYU.DAT"))));
        QVERIFY2(!failure, "the test database did not load");
        app = std::make_unique<App>(*state, fakes.platform);
        failOnUnknownCommand();
        registerSearchCommands(*app);
        registerBrowseCommands(*app);
    }
    ~FinderFixture() {
        if (app) {
            app->unloadAll();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous_);
    }
    FinderFixture(const FinderFixture&) = delete;
    FinderFixture& operator=(const FinderFixture&) = delete;

    void write(const QString& name, const Text& content) const {
        const auto bytes = encodeCp932(content);
        QVERIFY(bytes.has_value());
        QFile f(dir_.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes->data(), static_cast<qint64>(bytes->size()));
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Lets deleteLater() of unloaded windows run.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir_;
    QString previous_;
    FakePlatform fakes;
    std::unique_ptr<AppState> state;
    std::unique_ptr<App> app;
};

} // namespace kuyu::gui::testing
