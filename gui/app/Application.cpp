#include "gui/app/Application.h"

#include "core/Message.h"
#include "gui/app/App.h"
#include "gui/widgets/CommonTexts.h"

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

} // namespace

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
