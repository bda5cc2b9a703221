// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every single-instance window of the program. It decides, in one
// place, what the window's keys and mouse do:
//  - Enter presses a focused button, otherwise the window's default button;
//    Esc presses its cancel button ("pressing" = click(), so the work stays in
//    the button's click handler);
//  - the close box presses the close button, which is the cancel button
//    (終了, 中止) unless the window names another, or unloads a window that
//    has neither;
//  - a right click on a watched control calls onRightClick() on release and
//    leaves the selection alone; Space or Enter on a watched control calls
//    onActivateKey().
// It also holds the control helpers the windows share (buttons and labels
// with object names, the Mincho and Gothic faces, the line height).
//
// A new window:
//   class Form72 : public FormWindow {
//     public:
//       static constexpr const char* Name = "Form72";
//       Form72(App& app, QWidget* parent) : FormWindow(app, Name, parent) { ... }
//   };
// and App::load<Form72>() creates it on first use.

#include <QFont>
#include <QHash>
#include <QPair>
#include <QPoint>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class PrintBox;

class FormWindow : public QWidget {
    Q_OBJECT
  public:
    FormWindow(App& app, const char* name, QWidget* parent);

    App& app() const { return app_; }
    // The window's object name ("Form41"), under which App knows it.
    QString formName() const { return objectName(); }
    // Unloads the window: it goes away and loses its contents.
    void unload();

    // The faces the windows ask for; start-up maps them onto installed fonts.
    static QFont minchoFont(int pointSize = 11);
    static QFont gothicFont(int pointSize = 11);
    // Height of one printed line of `font` in a picture box.
    static int lineHeight(const QFont& font);
    // Width of n half-width character cells (a full-width character takes
    // two) in `font`, for sizing the fixed-column lists.
    static int cellWidth(const QFont& font, int n);

    // Pop-up menus: built once per window, popped up without blocking (so
    // tests can reach them), `defaultItem` shown bold.
    static QMenu* makeMenu(QWidget* owner, const char* objectName, const QString& title);
    static QAction* addMenuItem(QMenu* menu, const char* objectName, const QString& caption);
    static void addMenuSeparator(QMenu* menu, const char* objectName);
    static void popUp(QMenu* menu, QAction* defaultItem, const QPoint& globalPos);

    // The text of a list's selected line, empty when none is selected.
    static QString selectedText(const QListWidget* list);

  protected:
    // Enter presses `b` unless a button has the focus; Esc presses the cancel
    // button. Either may be left null.
    void setDefaultButton(QAbstractButton* b);
    void setCancelButton(QAbstractButton* b) { cancel_ = b; }
    // The close box presses `b` instead of the cancel button.
    void setCloseButton(QAbstractButton* b) { close_ = b; }
    QAbstractButton* defaultButton() const { return default_; }
    QAbstractButton* cancelButton() const { return cancel_; }

    enum Watch : unsigned { RightClick = 1, ActivateKeys = 2 };
    // Routes the control's right clicks and/or Space/Enter keys to the hooks
    // below. A scroll area's viewport is watched along with it.
    void watch(QWidget* control, unsigned what);
    // A right click was released over `control` (a watched control, or the
    // window itself when it was watched).
    virtual void onRightClick(QWidget* control, const QPoint& globalPos);
    // Space or Enter on a watched control; return true when it was handled.
    virtual bool onActivateKey(QWidget* control, int key);

    // A push button with an object name and caption, not auto-default: Enter
    // is decided by the window, as above.
    QPushButton* makeButton(const char* objectName, const QString& caption);
    QLabel* makeLabel(const char* objectName, const QString& caption);
    QMenu* makeMenu(const char* objectName, const QString& title) {
        return makeMenu(this, objectName, title);
    }
    // A sunken horizontal line.
    QFrame* makeLine(const char* objectName);
    // A picture box one printed line high.
    PrintBox* makePrintBox(const char* objectName);
    QListWidget* makeList(const char* objectName);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    App& app_;

  private:
    QWidget* watchedControl(QObject* o, unsigned what) const;
    QAbstractButton* default_ = nullptr;
    QAbstractButton* cancel_ = nullptr;
    QAbstractButton* close_ = nullptr;
    QHash<QObject*, QPair<QWidget*, unsigned>> watched_;
};

} // namespace kuyu::gui
