#include "gui/printing/QtPrinterSurface.h"

#include "core/Errors.h"
#include "core/printing/PrintLayout.h"
#include "gui/platform/QtText.h"
#include "gui/printing/PrintTexts.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPen>
#include <QPrinter>

namespace kuyu::gui {

namespace {

// A line width counts printer dots; we take a 300-dpi dot, so the card's
// frame is as heavy on a fine printer or a PDF file as on an office one.
constexpr double DotsPerInchOfLineWidth = 300;

[[noreturn]] void printerError() {
    throw RunTimeError(err::PrinterError);
}

} // namespace

QtPrinterSurface::QtPrinterSurface(QPrinter* printer) : printer_(printer) {
    if (printer_) {
        firstFile_ = printer_->outputFileName();
    }
}

QtPrinterSurface::~QtPrinterSurface() {
    abortDocument();
    if (printer_) {
        printer_->setOutputFileName(firstFile_);
    }
}

QString QtPrinterSurface::deviceName() const {
    if (!printer_) {
        return {};
    }
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        return texts::PdfDeviceName();
    }
    return printer_->printerName();
}

int QtPrinterSurface::orientation() const {
    if (!printer_) {
        return printing::Portrait;
    }
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? printing::Landscape
                                                                          : printing::Portrait;
}

int QtPrinterSurface::paperCode(int id) {
    switch (static_cast<QPageSize::PageSizeId>(id)) {
    case QPageSize::A3:
        return printing::PaperA3;
    case QPageSize::A4:
        return printing::PaperA4;
    case QPageSize::A5:
        return printing::PaperA5;
    case QPageSize::B4:
    case QPageSize::JisB4:
        return printing::PaperB4;
    case QPageSize::B5:
    case QPageSize::JisB5:
        return printing::PaperB5;
    default:
        return 0;
    }
}

int QtPrinterSurface::paperSize() const {
    if (!printer_) {
        return 0;
    }
    return paperCode(printer_->pageLayout().pageSize().id());
}

void QtPrinterSurface::begin() {
    if (painter_ && painter_->isActive()) {
        return;
    }
    if (!printer_) {
        printerError();
    }
    // Every job after the first of this printout goes to its own file, so a
    // second copy does not overwrite the first.
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        if (firstFile_.isEmpty()) {
            printerError();
        }
        QString file = firstFile_;
        if (jobs_ > 0) {
            const QFileInfo info(firstFile_);
            file = info.path() + QLatin1Char('/') + info.completeBaseName() +
                   QStringLiteral("-%1.").arg(jobs_ + 1) + info.suffix();
        }
        printer_->setOutputFileName(file);
    }
    // Each job is sent as one copy: the jobs themselves are the copies.
    printer_->setCopyCount(1);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
        painter_.reset();
        printerError();
    }
    ++jobs_;
    x_ = 0;
    y_ = 0;
    painter_->setFont(deviceFont());
    applyPen();
}

double QtPrinterSurface::dots(double twips) const {
    return twips * printer_->resolution() / 1440.0;
}

QFont QtPrinterSurface::deviceFont() const {
    return QFont(font_, printer_);
}

void QtPrinterSurface::applyPen() {
    if (painter_ && painter_->isActive()) {
        const double width = lineWidth_ * printer_->resolution() / DotsPerInchOfLineWidth;
        painter_->setPen(QPen(colour_, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_->setBrush(Qt::NoBrush);
    }
}

void QtPrinterSurface::setFont(const QFont& font) {
    font_ = font;
    if (painter_ && painter_->isActive()) {
        painter_->setFont(deviceFont());
    }
}

void QtPrinterSurface::setColour(const QColor& colour) {
    colour_ = colour;
    applyPen();
}

void QtPrinterSurface::setLineWidth(int width) {
    lineWidth_ = width < 1 ? 1 : width;
    applyPen();
}

void QtPrinterSurface::setPosition(double x, double y) {
    begin();
    x_ = dots(x);
    y_ = dots(y);
}

void QtPrinterSurface::breakLine(double lineHeight) {
    x_ = 0;
    y_ += lineHeight;
}

void QtPrinterSurface::printLine(const printing::PrintLine& items) {
    begin();
    const QFont font = deviceFont();
    const QFontMetricsF metrics(font, printer_);
    const double lineHeight = metrics.height();
    const double pageHeight = printer_->height();
    // Tab columns are whole half-width characters of this font.
    const double column = metrics.horizontalAdvance(QLatin1Char('0'));
    const auto fit = [&] {
        if (y_ > 0 && y_ + lineHeight > pageHeight) {
            if (!printer_->newPage()) {
                printerError();
            }
            y_ = 0;
        }
    };
    fit();
    for (const auto& item : items) {
        if (item.column > 0) {
            const double at = (item.column - 1) * column;
            // Text already past the column: the item goes to that column of
            // the next line rather than over it.
            if (x_ > at + 0.5) {
                breakLine(lineHeight);
                fit();
            }
            x_ = at;
        }
        const QString text = qs(item.text);
        painter_->drawText(QPointF(x_, y_ + metrics.ascent()), text);
        x_ += metrics.horizontalAdvance(text);
    }
    breakLine(lineHeight);
}

void QtPrinterSurface::drawLine(QPointF from, QPointF to) {
    begin();
    painter_->drawLine(QPointF(dots(from.x()), dots(from.y())),
                       QPointF(dots(to.x()), dots(to.y())));
}

void QtPrinterSurface::drawRectangle(QPointF from, QPointF to) {
    begin();
    painter_->drawRect(
        QRectF(QPointF(dots(from.x()), dots(from.y())), QPointF(dots(to.x()), dots(to.y())))
            .normalized());
}

void QtPrinterSurface::drawPicture(const QImage& picture, const QRectF& rect) {
    begin();
    if (picture.isNull() || rect.isEmpty()) {
        return;
    }
    const QRectF target(dots(rect.x()), dots(rect.y()), dots(rect.width()), dots(rect.height()));
    painter_->drawImage(target, picture);
}

void QtPrinterSurface::abortDocument() {
    if (painter_ && painter_->isActive()) {
        printer_->abort();
        painter_->end();
    }
    painter_.reset();
}

void QtPrinterSurface::endDocument() {
    if (!painter_ || !painter_->isActive()) {
        return; // nothing drawn, nothing to send
    }
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended || printer_->printerState() == QPrinter::Error) {
        printerError();
    }
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        written_ << QFileInfo(printer_->outputFileName()).absoluteFilePath();
    }
}

} // namespace kuyu::gui
