// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Application.h"

#include "core/Message.h"
#include "gui/app/App.h"
#include "gui/app/ShellPictures.h"
#include "gui/widgets/CommonTexts.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleOption>
#include <QTranslator>
#include <new>

namespace kuyu::gui {

namespace {

// The marks after the first one that the style would count when eliding.
int extraMarks(const QString& text) {
    int marks = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                ++marks;
            }
            ++i; // "&&" is a literal "&"
        }
    }
    return std::max(0, marks - 1);
}

constexpr std::string_view HelpText =
    "使い方: kuyu [データファイル]\n"
    "\n"
    "グラフィック植物検索ツール: 花・葉・茎の特徴を絵で選んで、野山の植物を調べます。\n"
    "\n"
    "  データファイル  読む植物データベース。そのファイルのあるフォルダ\n"
    "                  (最後の「/」まで) がデータフォルダになります。\n"
    "                  省略すると現在のフォルダの KUYU.DAT を読みます。\n"
    "  --help          この説明を表示して終了します。\n"
    "  --version       バージョンを表示して終了します。\n"
    "\n"
    "設定ファイル: ~/.config/kuyu/kuyu.ini\n"
    "詳しくは kuyu(1) と、プログラムの ﾍﾙﾌﾟ → 目次 をご覧ください。\n";

} // namespace

std::optional<std::string> CommandLineAnswer(int argc, const char* const* argv,
                                             std::string_view version) {
    if (argc != 2 || !argv || !argv[1]) {
        return std::nullopt;
    }
    const std::string_view option = argv[1];
    if (option == "--help") {
        return std::string(HelpText);
    }
    if (option == "--version") {
        std::string text = "kuyu ";
        text += version;
        text += "\nグラフィック植物検索ツール\n"
                "ライセンス: GPL-3.0-or-later (見本データは CC BY 4.0)\n";
        return text;
    }
    return std::nullopt;
}

bool WriteAnswer(std::FILE* out, const std::string& answer) {
    const bool written = std::fwrite(answer.data(), 1, answer.size(), out) == answer.size();
    return std::fflush(out) == 0 && written && !std::ferror(out);
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
    QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            const QString caption = item->text.section(QLatin1Char('\t'), 0, 0);
            if (const int extra = extraMarks(caption); extra > 0) {
                // Measured in the item's own font: a default item is bold.
                s.rwidth() += extra * QFontMetrics(item->font).horizontalAdvance(QLatin1Char('&'));
            }
        }
    }
    return s;
}

void installMenuStyle() {
    if (!dynamic_cast<MenuStyle*>(QApplication::style())) {
        QApplication::setStyle(new MenuStyle);
    }
}

bool installJapaneseTranslations(QCoreApplication& application) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    // Dates, numbers and file types in Qt's own dialogs read as Japanese too,
    // whatever the session's locale.
    QLocale::setDefault(japanese);
    bool any = false;
    for (const char* file : {"qtbase", "qtmultimedia"}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(japanese, QString::fromLatin1(file), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            any = true;
        } else {
            delete translator;
        }
    }
    return any;
}

bool KuyuApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        if (onActionFailure) {
            onActionFailure();
        }
        return true;
    }
}

QIcon ProgramWindowIcon() {
    // The program's own copy, the sizes the package installs.
    QIcon bundled;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/kuyu/icons/kuyu-%1.png").arg(size);
        if (QFile::exists(file)) {
            bundled.addFile(file, QSize(size, size));
        }
    }
    if (bundled.isNull()) {
        bundled = programIcon();
    }
    return QIcon::fromTheme(QString::fromLatin1(ProgramIconName), bundled);
}

void InstallDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
    QGuiApplication::setWindowIcon(ProgramWindowIcon());
}

void ReportActionFailure(App& app) {
    if (!app.platform.messages) {
        return;
    }
    Message m;
    m.text = errorNumberText(7);
    m.title = texts::TitleError;
    m.icon = MessageIcon::Critical;
    QWidget* over = QApplication::activeWindow();
    app.platform.messages->show(over ? over : app.mainWindow(), m);
}

} // namespace kuyu::gui
