// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing/PrintJobs.h"

#include "core/Errors.h"
#include "core/features/Features.h"
#include "core/printing/ResultTable.h"
#include "gui/app/App.h"
#include "gui/platform/CursorGuard.h"
#include "gui/platform/QtText.h"
#include "gui/printing/PrintSettingsDialog.h"
#include "gui/printing/PrintTexts.h"
#include "gui/printing/QtPrinterSurface.h"

#include <QApplication>
#include <new>

namespace kuyu::gui {

using namespace printing;

namespace {

QColor colourOf(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Runs one step of a printout; on failure the user is asked and, on OK, the
// step runs again. False when the user gives up.
template <class Step> bool retrying(App& app, Step&& step) {
    for (;;) {
        int number = 0;
        try {
            step();
            return true;
        } catch (const RunTimeError& e) {
            number = e.number();
        } catch (const std::bad_alloc&) {
            number = err::OutOfMemory;
        }
        if (!ReportPrintError(app, number, true)) {
            return false;
        }
    }
}

} // namespace

PrinterSurfaceFactory& printerSurfaceFactory() {
    static PrinterSurfaceFactory factory = [](App& app) -> std::unique_ptr<PrinterSurface> {
        return std::make_unique<QtPrinterSurface>(app.platform.dialogs->printer());
    };
    return factory;
}

std::unique_ptr<PrinterSurface> openPrinterSurface(App& app) {
    return printerSurfaceFactory()(app);
}

bool ReportPrintError(App& app, int number, bool offerRetry) {
    Message m;
    m.title = texts::TitleError;
    if (number == err::PrinterError) {
        m.text = texts::PrinterErrorText;
        m.icon = MessageIcon::Exclamation;
    } else {
        m.text = texts::PrintErrorNumberLead + numberWithSign(number) + texts::PrintErrorNumberTail;
        m.icon = MessageIcon::Question;
    }
    m.buttons = offerRetry ? MessageButtons::OkCancel : MessageButtons::Ok;
    // The user answers with the normal pointer, then the hourglass is back.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    const Answer a = app.platform.messages->show(app.mainWindow(), m);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    return offerRetry && a == Answer::Ok;
}

void ReportWrittenFiles(App& app, const QStringList& files) {
    if (files.isEmpty()) {
        return;
    }
    Message m;
    m.title = texts::PrintNoticeTitle;
    m.text = Text(texts::PrintWrittenToFileText) + U"\n" + ts(files.join(QLatin1Char('\n')));
    m.icon = MessageIcon::Information;
    app.platform.messages->show(app.mainWindow(), m);
}

bool PrintSearchResults(App& app, PrinterSurface& surface, int withSecondary) {
    const auto lines = SearchResultLines(app.state, withSecondary == 1);
    QFont font(QStringLiteral("ＭＳ 明朝"));
    font.setPointSizeF(9);
    surface.setFont(font);
    for (const PrintLine& line : lines) {
        if (!retrying(app, [&] { surface.printLine(line); })) {
            surface.abortDocument();
            return false;
        }
    }
    if (!retrying(app, [&] { surface.endDocument(); })) {
        surface.abortDocument();
        return false;
    }
    return true;
}

void PrintSearchResultCommand(App& app, int withSecondary) {
    const bool ai = withSecondary == 1;
    Message confirm;
    confirm.title = ai ? texts::PrintResultAiTitle : texts::PrintResultTitle;
    confirm.text = Text(ai ? texts::PrintResultAiText : texts::PrintResultText) + U"\n" +
                   texts::PrintPaperWidthText + U"\n" + texts::PrinterReadyText;
    confirm.buttons = MessageButtons::YesNo;
    confirm.icon = MessageIcon::Question;
    if (app.platform.messages->show(app.mainWindow(), confirm) != Answer::Yes) {
        return;
    }
    Dialogs& dialogs = *app.platform.dialogs;
    if (!dialogs.choosePrinter(app.mainWindow())) {
        return;
    }
    if (!dialogs.prepareOutput(app.mainWindow(), qs(confirm.title) + QStringLiteral(".pdf"))) {
        return;
    }
    std::unique_ptr<PrinterSurface> surface = openPrinterSurface(app);
    {
        CursorGuard hourglass;
        // Each copy is a job of its own.
        for (int copy = 1; copy <= dialogs.copies(); ++copy) {
            if (!PrintSearchResults(app, *surface, withSecondary)) {
                break;
            }
        }
    }
    ReportWrittenFiles(app, surface->writtenFiles());
}

void PrintCardValues(PrinterSurface& surface, const AppState& state, const CardGeometry& card,
                     const QString& classification) {
    // Each step goes on to the next when it fails.
    const auto step = [](auto&& f) {
        try {
            f();
        } catch (const RunTimeError&) {
        } catch (const std::bad_alloc&) {
        }
    };
    if (state.NameKey.empty()) {
        return;
    }
    const int k = FindPlantByKey(state, state.NameKey);
    if (k == 0) {
        return;
    }
    step([&] { surface.setColour(Qt::black); });
    step([&] { surface.setPosition(card.captionX(), card.textY(0)); });
    step([&] { surface.printText(classification); });
    QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
    font.setPointSizeF(cardFontPoints(card.rowHeight));
    for (int r = 1; r <= CategoryCount; ++r) {
        step([&] { surface.setColour(colourOf(CardValueColour(r))); });
        step([&] { surface.setPosition(card.valueX(), card.textY(r)); });
        step([&] { surface.setFont(font); });
        step([&] { surface.printLine({{0, CardValueText(state, r, state.code(k))}}); });
    }
}

PageItems::PageItems(const PlantPage& page) {
    const PrintSettings& s = page.settings;
    picture = s.PrintPictureOn == 1 && s.PrintPictureZoom > 0;
    closeUp = page.closeUpSamePlant && s.PrintCloseUpOn == 1 && s.PrintCloseUpZoom > 0;
    name = s.PrintNameOn == 1;
    card = s.PrintCardOn == 1 && s.PrintCardZoom > 0;
}

void PrintPlantPage(PrinterSurface& surface, const AppState& state, const PlantPage& page) {
    const PrintSettings& s = page.settings;
    const PageItems items(page);
    if (items.picture) {
        surface.drawPicture(page.picture,
                            QRectF(s.PrintPictureLeft * TwipsPerMm, s.PrintPictureTop * TwipsPerMm,
                                   page.pictureTwips.width() * s.PrintPictureZoom,
                                   page.pictureTwips.height() * s.PrintPictureZoom));
    }
    if (items.closeUp) {
        surface.drawPicture(page.closeUp,
                            QRectF(s.PrintCloseUpLeft * TwipsPerMm, s.PrintCloseUpTop * TwipsPerMm,
                                   page.closeUpTwips.width() * s.PrintCloseUpZoom,
                                   page.closeUpTwips.height() * s.PrintCloseUpZoom));
    }
    if (items.name) {
        surface.setPosition(s.PrintNameLeft * TwipsPerMm, s.PrintNameTop * TwipsPerMm);
        surface.setFont(page.nameFont.font);
        surface.setColour(page.nameFont.colour);
        surface.printLine({{0, s.PrintNameText}});
    }
    if (items.card) {
        const CardGeometry card = cardGeometry(s.PrintCardLeft * TwipsPerMm,
                                               s.PrintCardTop * TwipsPerMm, s.PrintCardZoom);
        const double right = card.x0 + card.width;
        const double bottom = card.y0 + card.height();
        surface.setColour(Qt::black);
        surface.setLineWidth(3);
        surface.drawRectangle({card.x0, card.y0}, {right, bottom});
        for (int i = 1; i <= 10; ++i) {
            if (i == 2) {
                surface.setLineWidth(1);
            }
            const double y = card.y0 + i * card.rowHeight;
            surface.drawLine({card.x0, y}, {right, y});
        }
        surface.drawLine({card.dividerX(), card.y0 + card.rowHeight}, {card.dividerX(), bottom});
        QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
        font.setPointSizeF(cardFontPoints(card.rowHeight));
        surface.setFont(font);
        for (int r = 1; r <= CategoryCount; ++r) {
            surface.setPosition(card.captionX(), card.textY(r));
            surface.printLine({{0, CardCaptions()[static_cast<std::size_t>(r - 1)]}});
        }
        PrintCardValues(surface, state, card, page.classification);
    }
    surface.endDocument();
}

void PrintPlantPageCommand(App& app, const PlantPage& page) {
    Dialogs& dialogs = *app.platform.dialogs;
    QString suggested = qs(page.settings.PrintNameText).section(QLatin1Char('('), 0, 0).trimmed();
    if (suggested.isEmpty()) {
        suggested = q(texts::PrintPictureCheck);
    }
    QStringList written;
    if (dialogs.prepareOutput(app.mainWindow(), suggested + QStringLiteral(".pdf"))) {
        std::unique_ptr<PrinterSurface> surface = openPrinterSurface(app);
        int failed = 0;
        {
            CursorGuard hourglass;
            for (int copy = 1; copy <= dialogs.copies() && failed == 0; ++copy) {
                try {
                    PrintPlantPage(*surface, app.state, page);
                } catch (const RunTimeError& e) {
                    failed = e.number();
                } catch (const std::bad_alloc&) {
                    failed = err::OutOfMemory;
                }
            }
            if (failed != 0) {
                surface->abortDocument();
            }
        }
        // A failed printout ends, and says so; the pages already sent stay sent.
        if (failed != 0) {
            ReportPrintError(app, failed, false);
        }
        written = surface->writtenFiles();
    }
    app.unload(QString::fromLatin1(Form42PB::Name));
    app.unload(QString::fromLatin1(Form42P::Name));
    ReportWrittenFiles(app, written);
}

} // namespace kuyu::gui
