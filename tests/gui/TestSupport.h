// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers every window test shares: command ids by menu item name, a failed
// test for a command nothing registered, and control lookups that fail the
// one test instead of crashing the whole executable.

#include "gui/app/App.h"
#include "gui/app/ShellTexts.h"

#include <QList>
#include <QObject>
#include <QTest>
#include <source_location>

namespace kuyu::gui::testing {

// The id of a menu item or toolbar command ("MENU41", "Menu91").
inline CommandId menuCommand(const QString& name) {
    for (const auto& e : texts::MenuTree) {
        if (name == QLatin1String(e.name)) {
            return CommandId{e.name};
        }
    }
    QTest::qFail(qPrintable(QStringLiteral("no menu item ") + name), __FILE__, __LINE__);
    return CommandId{"?"};
}

// A command run through App that nothing registered fails the running test.
inline void failOnUnknownCommand() {
    App::unknownCommand = [](const QString& name) {
        QTest::qFail(qPrintable(QStringLiteral("no command registered for ") + name), __FILE__,
                     __LINE__);
    };
}

// The child control `name` of `parent`. A missing one fails the running test
// and a stand-in is returned, so the rest of the test cannot crash; the
// stand-ins live until the executable ends.
template <class T>
T* requireChild(const QObject* parent, const QString& name,
                std::source_location where = std::source_location::current()) {
    if (parent) {
        if (T* child = parent->findChild<T*>(name)) {
            return child;
        }
    }
    QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), where.file_name(),
                 static_cast<int>(where.line()));
    static QList<QObject*> standIns;
    auto* standIn = new T;
    standIns << standIn;
    return standIn;
}

} // namespace kuyu::gui::testing
