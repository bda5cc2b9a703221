#pragma once
// Settings of picture printing, shared by the print settings dialog and the
// print job. They live for one run and survive a database reload.

namespace kuyu {

struct PrintSettings {
    // The print settings dialog fills this in; StartUp sets the start values
    // through resetPrintSettings().
};

inline void resetPrintSettings(PrintSettings& s) {
    s = PrintSettings{};
}

} // namespace kuyu
