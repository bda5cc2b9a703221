// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start: the shared state, the start-up load of the database
// named on the command line, its message (before any window), the help file,
// then the title window, which later opens the main window.

#include "gui/app/App.h"

#include <QString>
#include <QStringList>

namespace kuyu::gui {

// The help file start-up names: the contents page of the bundled manual.
inline constexpr const char* HelpFileName = "index.html";

// The command-line text: the arguments after the program's name joined by
// single blanks, empty when there are none.
QString CommandLineText(const QStringList& arguments);
// The same from the program's own arguments, as bytes: a path in a folder
// whose name is CP932 keeps its bytes (the decoded QStringList has lost them).
QString CommandLineText(int argc, const char* const* argv);

// Runs start-up and returns once the title window is showing.
void StartUp(App& app, const QString& commandLine);

} // namespace kuyu::gui
