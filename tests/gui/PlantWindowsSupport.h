// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared set-up of the picker, plant view and list window tests: a fresh
// state with the label table, a platform of fakes, a stand-in main window
// holding the category menu items, and a temporary folder made current.

#include "TestSupport.h"
#include "core/conditions/Conditions.h"
#include "core/text/Text.h"
#include "gui/app/App.h"
#include "gui/platform/QtText.h"
#include "gui/platform/testing/FakePlatform.h"
#include "pi/PiEncoder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace kuyu::gui::testing {

struct WindowsFixture {
    QTemporaryDir dir;     // the current folder while the test runs
    QTemporaryDir dataDir; // DataFolder
    QString oldCurrent = QDir::currentPath();
    AppState state;
    FakePlatform fakes;
    std::unique_ptr<QMainWindow> main = std::make_unique<QMainWindow>();
    std::unique_ptr<App> app;

    WindowsFixture() {
        QDir::setCurrent(dir.path());
        FillOptionLabels(state);
        state.DataFolder = ts(dataDir.path() + QLatin1Char('/'));
        app = std::make_unique<App>(state, fakes.platform);
        app->setMainWindow(main.get());
        auto* menu = main->menuBar()->addMenu(QStringLiteral("menu"));
        for (int k = 1; k <= CategoryCount; ++k) {
            auto* a = menu->addAction(qs(Category(k).openerCaption));
            a->setObjectName(QString::fromLatin1(Category(k).menuItem));
            a->setCheckable(true);
        }
        // The stand-in answers conditionsChanged as the main window does.
        failOnUnknownCommand();
        QObject::connect(app.get(), &App::conditionsChanged, main.get(), [this] {
            for (int k = 1; k <= CategoryCount; ++k) {
                if (QAction* a = menuItem(Category(k).menuItem)) {
                    a->setChecked(state.CategoryChosen.at(k));
                }
            }
        });
    }
    ~WindowsFixture() {
        app->unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(oldCurrent);
    }

    QString here(const QString& name) const { return dir.filePath(name); }
    QString inData(const QString& name) const { return dataDir.filePath(name); }

    // Adds plant rows; codes are padded to 30 characters.
    void addPlant(const QString& name, const QString& family, const QString& code) {
        const int row = ++state.PlantCount;
        state.PlantName[row] = ts(name);
        state.PlantFamily[row] = ts(family);
        Text c = ts(code);
        c.resize(30, U'0');
        state.PlantCode[row] = c;
    }

    QAction* menuItem(const char* name) const {
        return requireChild<QAction>(main.get(), QString::fromLatin1(name));
    }

    void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// A picture of one colour, saved in the format the name's extension says.
inline bool writePicture(const QString& path, int w, int h, QColor colour, const char* format) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format);
}

// Qt writes no GIF, so a GIF is this one red pixel.
inline QByteArray tinyGif() {
    static const unsigned char bytes[] = {'G', 'I',  'F', '8', '9', 'a', 1, 0,   1, 0, 0x80, 0,
                                          0,   0xff, 0,   0,   0,   0,   0, ',', 0, 0, 0,    0,
                                          1,   0,    1,   0,   0,   2,   2, 'D', 1, 0, ';'};
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A 16-colour Pi picture, striped so it is not blank.
inline bool writePi(const QString& path, int w, int h) {
    pi::PiImage image;
    image.width = w;
    image.height = h;
    image.planes = 4;
    image.indexes.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.indexes[static_cast<std::size_t>(y) * w + x] =
                static_cast<std::uint8_t>((x / 4) % 16);
        }
    }
    const std::string bytes = pi::encodePi(image);
    return writeBytes(path, QByteArray::fromStdString(bytes));
}

} // namespace kuyu::gui::testing
