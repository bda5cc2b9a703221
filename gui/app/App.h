// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application context every window gets: the shared state, the platform
// adapters, the single-instance window registry and the command table that
// menu items and toolbar buttons run.

#include "core/database/Database.h"
#include "core/state/AppState.h"
#include "gui/app/CommandIds.h"
#include "gui/platform/Platform.h"

#include <QDebug>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <new>

namespace kuyu::gui {

class App;
// Says that an action failed for want of memory (gui/app/Application.cpp).
void ReportActionFailure(App& app);

class App : public QObject {
    Q_OBJECT
  public:
    App(AppState& state, Platform& platform) : state(state), platform(platform) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    AppState& state;
    Platform& platform;

    // The main window (MDIForm1) once it exists; child windows are top-level
    // windows parented to it.
    QWidget* mainWindow() const { return main_; }
    void setMainWindow(QWidget* w) { main_ = w; }

    // --- single-instance windows -------------------------------------------
    // A window class W has `static constexpr const char* Name` ("Form41") and
    // a constructor W(App&, QWidget* parent). load() creates it on first use.
    template <class W> W* loaded() const {
        return qobject_cast<W*>(window(QString::fromLatin1(W::Name)));
    }
    template <class W> W& load() {
        if (W* w = loaded<W>()) {
            return *w;
        }
        auto* w = new W(*this, main_);
        adopt(QString::fromLatin1(W::Name), w);
        return *w;
    }
    QWidget* window(const QString& name) const {
        auto it = windows_.find(name);
        return it == windows_.end() ? nullptr : it->data();
    }
    bool isLoaded(const QString& name) const { return window(name) != nullptr; }
    template <class W> void unload() { unload(QString::fromLatin1(W::Name)); }
    // Unload: the window goes away and loses its contents.
    void unload(const QString& name) {
        if (QWidget* w = window(name)) {
            const bool hadFocus = w->isActiveWindow();
            windows_.remove(name);
            w->hide();
            w->deleteLater();
            // Give the keyboard back to the main window, so its keys (F1...)
            // work at once even where no window manager hands focus on.
            if (hadFocus && main_ && main_->isVisible()) {
                main_->activateWindow();
            }
        }
    }
    void unloadAll() {
        const auto names = windows_.keys();
        for (const auto& n : names) {
            unload(n);
        }
    }

    // --- commands --------------------------------------------------------
    // Menu items and toolbar buttons run commands by their menu item name
    // ("MENU41"); hooks connect windows. Ids live in CommandIds.h. Each part
    // of the program registers its own.
    void registerCommand(CommandId id, std::function<void()> handler) {
        commands_[QString::fromLatin1(id.name)] = std::move(handler);
    }
    bool hasCommand(CommandId id) const { return commands_.contains(QString::fromLatin1(id.name)); }
    // Runs it; an id with nothing registered is a wiring fault: it is
    // reported (unknownCommand) and false is returned.
    bool run(CommandId id) {
        const QString name = QString::fromLatin1(id.name);
        auto it = commands_.find(name);
        if (it == commands_.end()) {
            reportUnknownCommand(name);
            return false;
        }
        auto handler = *it; // the handler may re-register commands
        // An allocation failure ends the action, with its message, never the
        // program.
        try {
            handler();
        } catch (const std::bad_alloc&) {
            ReportActionFailure(*this);
        }
        return true;
    }
    // Runs a hook when something registered it; a hook nobody listens to is
    // not a fault.
    void notify(CommandId id) {
        if (hasCommand(id)) {
            run(id);
        }
    }
    // Called for a command id that nothing registered. The default prints a
    // debug message; tests install one that fails the test.
    static inline std::function<void(const QString&)> unknownCommand;

    // Says, once for each trouble, that the alias file the name searches
    // read is there but cannot be used: after a load and after each search
    // that reads it, as the file is read afresh every time.
    void tellAliasTrouble(QWidget* parent) {
        if (const auto notice = aliasNotices_.next(state)) {
            platform.messages->show(parent, *notice);
        }
    }

  signals:
    // A search condition was set or cleared (the picker, 条件解除, MENU4A,
    // MENU62); the main window answers with its category check marks.
    void conditionsChanged();

  private:
    static void reportUnknownCommand(const QString& name) {
        if (unknownCommand) {
            unknownCommand(name);
        } else {
            qDebug("kuyu: no command registered for %s", qPrintable(name));
        }
    }
    void adopt(const QString& name, QWidget* w) {
        w->setObjectName(name);
        if (main_ && w->parentWidget() == main_) {
            w->setWindowFlag(Qt::Window, true);
        }
        windows_[name] = w;
    }

    QPointer<QWidget> main_;
    AliasTroubleNotices aliasNotices_;
    QHash<QString, QPointer<QWidget>> windows_;
    QHash<QString, std::function<void()>> commands_;
};

} // namespace kuyu::gui
