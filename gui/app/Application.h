// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sets up on the application object before any window:
// Qt's own texts in Japanese, menus that fit their captions, and a last
// guard that turns an allocation failure inside an action into that action's
// error message instead of the end of the program.

#include <QApplication>
#include <QProxyStyle>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

// `kuyu --help` and `kuyu --version`: the text to print, answered before the
// application object exists (so without a display). Only the option alone
// is answered; any other command line, a database path among them, is
// start-up's.
std::optional<std::string> CommandLineAnswer(int argc, const char* const* argv,
                                             std::string_view version);

// Writes an answer to `out`; false when it could not be written whole (a
// closed pipe, a full disk).
bool WriteAnswer(std::FILE* out, const std::string& answer);

// The icon of the program's windows: the one its desktop entry names, from
// the icon theme the package installs it into, else the copy built into the
// program, else the drawn flower. The desktop ties the windows to the entry
// by the desktop file name (DesktopFileName) set beside it.
inline constexpr const char* ProgramIconName = "kuyu";
inline constexpr const char* DesktopFileName = "jp.kuyu.PlantSearch";
QIcon ProgramWindowIcon();
// Sets both on the application; call once the application object exists.
void InstallDesktopIdentity();

// Tells the person that the action could not be carried out for want of
// memory ("エラー番号7のエラーです"), over the window that is active.
void ReportActionFailure(App& app);

} // namespace kuyu::gui
