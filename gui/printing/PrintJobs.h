// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two printouts: the search result table and a plant's page, and the
// surface they draw on.

#include "core/printing/PrintLayout.h"
#include "core/printing/PrintSettings.h"
#include "core/state/AppState.h"
#include "gui/platform/Platform.h"
#include "gui/printing/PrinterSurface.h"

#include <QImage>
#include <QSizeF>
#include <functional>
#include <memory>

namespace kuyu::gui {

class App;

// Opens the surface over the program's printer. Tests put a recording
// surface in its place.
using PrinterSurfaceFactory = std::function<std::unique_ptr<PrinterSurface>(App&)>;
PrinterSurfaceFactory& printerSurfaceFactory();
std::unique_ptr<PrinterSurface> openPrinterSurface(App& app);

// Prints one copy of the result table as one job. After a printer error the
// user is asked and, on OK, the step that failed is tried again; false when
// the user gave the printout up (what was drawn is then discarded).
bool PrintSearchResults(App& app, PrinterSurface& surface, int withSecondary);

// The result-printing command of MENU64A (0) and MENU64B (1): confirmation,
// printer dialog, one job per copy.
void PrintSearchResultCommand(App& app, int withSecondary);

// Everything one plant page needs, taken from the windows when the job starts.
struct PlantPage {
    PrintSettings settings;
    QImage picture;
    QSizeF pictureTwips; // the plant picture window's picture, pixels x 15
    bool closeUpSamePlant = false;
    QImage closeUp;
    QSizeF closeUpTwips; // as the close-up window shows it
    FontChoice nameFont;
    QString classification; // Label12 of the plant picture window
};

// The items a page prints: those ticked, the close-up only while its window
// shows the same plant, and a picture or the card only at a scale above 0
// (at 0 it is no item rather than a blot).
struct PageItems {
    explicit PageItems(const PlantPage& page);
    bool picture = false;
    bool closeUp = false;
    bool name = false;
    bool card = false;
    bool any() const { return picture || closeUp || name || card; }
};

// Draws one page (picture, close-up, name, card, in that order) and ends
// the document.
void PrintPlantPage(PrinterSurface& surface, const AppState& state, const PlantPage& page);

// The print job of the print settings dialog: asks for the output, prints
// one job per copy and closes the dialog and the name image window.
void PrintPlantPageCommand(App& app, const PlantPage& page);

// The classification row and the ten values of the card at `card`, for the
// plant named by NameKey. A step that fails is skipped.
void PrintCardValues(PrinterSurface& surface, const AppState& state,
                     const printing::CardGeometry& card, const QString& classification);

// Reports a failed printout step: true when the user chose to try again.
bool ReportPrintError(App& app, int number, bool offerRetry);

// Tells where a printout went when it was written to PDF files.
void ReportWrittenFiles(App& app, const QStringList& files);

} // namespace kuyu::gui
