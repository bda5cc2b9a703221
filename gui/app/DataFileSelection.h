// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MENU71: choose another database file in the file dialog and load it.

#include "gui/app/App.h"

#include <QStringList>

namespace kuyu::gui {

// The dialog's name filters, their texts as the user reads them.
QStringList DataFileFilters();

// Shows the dialog; on a choice loads the file (LoadDataFile) and shows its
// message. The current directory is the same afterwards. Cancel loads nothing.
void SelectDataFile(App& app);

} // namespace kuyu::gui
