// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MDIForm1: the slim main window at the top of the screen with the menu bar
// and the toolbar Toolbar2. Every command runs through the App's command
// table by its menu item name, so menu item and toolbar button do the same.

#include "gui/app/App.h"
#include "gui/app/ToolbarCustomizeDialog.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;
class QToolBar;

namespace kuyu::gui {

class MDIForm1 : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "MDIForm1";
    // Where the toolbar layout is kept: key "1", sub-key "MyToolbar1", value "True".
    static constexpr const char* ToolbarLayoutKey = "1/MyToolbar1/True";
    // A separator in a stored layout.
    static constexpr const char* SeparatorKey = "-";
    // Window heights in twips with and without the toolbar.
    static constexpr int HeightWithToolbar = 1080;
    static constexpr int HeightWithoutToolbar = 680;

    MDIForm1(App& app, QWidget* parent = nullptr);
    ~MDIForm1() override;

    QToolBar* toolbar() const { return toolbar_; }
    QAction* menuItem(const QString& name) const;

    // The toolbar as keys in order, "-" for each separator.
    QStringList toolbarLayout() const;
    static QStringList defaultToolbarLayout();
    // Puts the buttons in this order; unknown or repeated keys are skipped.
    void setToolbarLayout(const QStringList& layout);
    void saveToolbarLayout();
    // Brings the stored layout back; a missing or unreadable one is ignored.
    void restoreToolbarLayout();

    // A menu item or toolbar button whose command nothing registered is
    // disabled. The window is made after every part registered its commands.
    void disableUnwiredCommands();
    // Set the check marks of the category items from CategoryChosen.
    void refreshCategoryChecks();
    // MENU73: show or hide the toolbar, with the window height and MENU74.
    void toggleToolbar();
    bool toolbarShown() const;
    // MENU74: the customise dialog, modeless over this window.
    ToolbarCustomizeDialog* customizeToolbar();
    ToolbarCustomizeDialog* customizeDialog() const { return customize_; }

    // Ends the program: the help viewer quits, every window closes.
    void endProgram();
    // What ending the program finally calls (QCoreApplication::quit by default).
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void buildMenus();
    void buildToolbar();
    void setHeightTwips(int twips);
    void closeEverything();

    App& app_;
    QToolBar* toolbar_ = nullptr;
    QHash<QString, QAction*> buttons_; // toolbar buttons by key
    QList<QAction*> separators_;
    QHash<QString, QAction*> items_; // menu items by name
    QPointer<ToolbarCustomizeDialog> customize_;
    std::function<void()> quit_;
    bool ending_ = false;
    bool toldSettingsUnsaved_ = false;
};

// Creates the main window on first use, places it at the top of the screen
// (top 0, the given height in twips, the screen's width) and shows it.
MDIForm1& ShowMainWindow(App& app, int heightTwips);

} // namespace kuyu::gui
