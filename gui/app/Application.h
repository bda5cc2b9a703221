#pragma once
// What the program sets up on the application object before any window:
// Qt's own texts in Japanese, menus that fit their captions, and a last
// guard that turns an allocation failure inside an action into that action's
// error message instead of the end of the program.

#include <QApplication>
#include <QProxyStyle>
#include <functional>

namespace kuyu::gui {

class App;

// Menu captions carry two access marks, "(&E&ｲ)". The base style measures an
// item with both marks taken out but elides it, when drawing, with the second
// one still counted, so the widest caption of every menu lost its middle.
// Items are measured here with room for the extra marks.
class MenuStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

// Installs MenuStyle over the current style, once.
void installMenuStyle();

// Loads Qt's Japanese translations (standard buttons, file dialog, context
// menus). Returns false, and changes nothing, when they are not installed.
bool installJapaneseTranslations(QCoreApplication& application);

// The application object of the program: every event goes through notify(),
// so an allocation failure in any handler ends up here.
class KuyuApplication : public QApplication {
  public:
    KuyuApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
    // Called with the failure; set by the program once its App exists.
    static inline std::function<void()> onActionFailure;
};

// Tells the person that the action could not be carried out for want of
// memory ("エラー番号7のエラーです"), over the window that is active.
void ReportActionFailure(App& app);

} // namespace kuyu::gui
