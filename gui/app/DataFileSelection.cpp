// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/DataFileSelection.h"

#include "core/Errors.h"
#include "core/database/Database.h"
#include "gui/app/ShellTexts.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"

#include <QDir>
#include <QFileInfo>

namespace kuyu::gui {

namespace {

// A Qt name filter shows "text (patterns)". The patterns match either case:
// data from Windows media is often named KUYU.DAT.
QString anyCase(const QString& pattern) {
    if (pattern == QLatin1String("*.*")) {
        return QStringLiteral("*");
    }
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter()) {
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

// Puts the current directory back however the command ends.
class CurrentDirectoryKeeper {
  public:
    CurrentDirectoryKeeper() : saved_(QDir::currentPath()) {}
    ~CurrentDirectoryKeeper() { QDir::setCurrent(saved_); }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

  private:
    QString saved_;
};

} // namespace

QStringList DataFileFilters() {
    QStringList filters;
    for (std::size_t i = 0; i < texts::DataFileFilterTexts.size(); ++i) {
        filters << q(texts::DataFileFilterTexts[i]) + QStringLiteral(" (") +
                       anyCase(q(texts::DataFileFilterPatterns[i])) + QLatin1Char(')');
    }
    return filters;
}

void SelectDataFile(App& app) {
    const CurrentDirectoryKeeper keeper;
    const auto chosen = app.platform.dialogs->openFile(
        app.mainWindow(), q(texts::DataFileDialogTitle), DataFileFilters());
    if (!chosen || chosen->isEmpty()) {
        return; // cancelled: nothing is loaded
    }
    const QFileInfo info(*chosen);
    const QString path = info.absoluteFilePath();
    // The chosen file's folder becomes the data folder. The root folder is
    // "/" as it stands, never "//".
    QString folder = info.absolutePath();
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    Message message;
    try {
        const CursorGuard hourglass;
        message = LoadDataFile(app.state, ts(path), ts(folder));
    } catch (const RunTimeError&) {
        return; // a failure the load did not report itself ends the command quietly
    }
    app.platform.messages->show(app.mainWindow(), message);
    app.tellAliasTrouble(app.mainWindow());
    app.notify(hook::GuideRefresh);
}

} // namespace kuyu::gui
