// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the shell's tests share: a fresh state and a platform of fakes per
// test, a temporary folder to be the current directory, and CP932 database
// files written there.

#include "TestSupport.h"
#include "core/state/AppState.h"
#include "core/text/Text.h"
#include "gui/app/App.h"
#include "gui/platform/testing/FakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

namespace shelltest {

using namespace kuyu;
using namespace kuyu::gui;

// A 30-character code: category k has option (k % 8) + 1, classification 1.
inline std::string codeOf(int seed, int length = 30) {
    std::string code;
    for (int i = 0; i < length; ++i) {
        code += static_cast<char>('1' + (seed + i) % 8);
    }
    return code;
}

// Writes `records` (name, code, family; UTF-8 here) as a CP932 database.
inline void writeDatabase(const QString& path,
                          const std::vector<std::array<std::string, 3>>& records) {
    std::string text;
    for (const auto& r : records) {
        text += r[0] + "," + r[1] + "," + r[2] + "\r\n";
    }
    const auto bytes = encodeCp932(fromUtf8(text));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || !bytes) {
        qFatal("cannot write the test database");
    }
    f.write(bytes->data(), static_cast<qint64>(bytes->size()));
}

inline int visibleTopLevels() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            ++n;
        }
    }
    return n;
}

// Message boxes that also note how many windows were showing at each box.
class WatchingMessageBoxes : public testing::FakeMessageBoxes {
  public:
    Answer show(QWidget* parent, const Message& message) override {
        windowsAtShow << visibleTopLevels();
        return FakeMessageBoxes::show(parent, message);
    }
    QList<int> windowsAtShow;
};

// One test's world: state, fakes, App, and a temporary current directory
// that is left again when the test ends.
struct World {
    World() : savedCwd(QDir::currentPath()) {
        auto watching = std::make_unique<WatchingMessageBoxes>();
        messages = watching.get();
        fakes.messages = watching.get();
        fakes.platform.messages = std::move(watching);
        app = std::make_unique<App>(state, fakes.platform);
        kuyu::gui::testing::failOnUnknownCommand();
        QDir::setCurrent(dir.path());
    }
    ~World() {
        app->unloadAll();
        if (QWidget* main = app->mainWindow()) {
            delete main;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(savedCwd);
    }
    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    QString savedCwd;
    QTemporaryDir dir;
    AppState state;
    testing::FakePlatform fakes;
    WatchingMessageBoxes* messages;
    std::unique_ptr<App> app;
};

} // namespace shelltest
