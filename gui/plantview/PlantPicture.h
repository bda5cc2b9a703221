// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every way of showing one plant ends here, with the plant's key in NameKey.

namespace kuyu::gui {

class App;

// Finds the plant named by NameKey, fills the plant picture window (Form42)
// and shows it; does nothing for an empty NameKey.
void OpenPlantPicture(App& app);

} // namespace kuyu::gui
