// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing/QtPrinterSurface.h"

#include "core/Errors.h"
#include "core/printing/PrintLayout.h"
#include "gui/platform/QtText.h"
#include "gui/printing/PrintTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPen>
#include <QPrinter>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace kuyu::gui {

namespace {

// A line width counts printer dots; we take a 300-dpi dot, so the card's
// frame is as heavy on a fine printer or a PDF file as on an office one.
constexpr double DotsPerInchOfLineWidth = 300;

// Nothing of a page lies further than twice the largest paper from its
// corner, and no letter is taller than that paper: a number beyond (or not a
// number at all) is held there, so the painter never writes a page that
// cannot be read.
constexpr double ReachTwips = 2 * printing::LargestPaperMm * printing::TwipsPerMm;
constexpr double LargestPoints = printing::LargestPaperMm / 25.4 * 72;

double held(double twips) {
    return std::isfinite(twips) ? std::clamp(twips, -ReachTwips, ReachTwips) : 0;
}

[[noreturn]] void printerError() {
    throw RunTimeError(err::PrinterError);
}

// A PDF file the engine finished: it ends in its trailer. A short write (a
// full disk) leaves the file cut off before it, and the engine does not say.
bool completePdf(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 64) {
        return false;
    }
    // The data must be on the disk, not only in its cache, before the file
    // takes the name of one that may be there.
    if (::fsync(f.handle()) != 0) {
        return false;
    }
    f.seek(std::max<qint64>(0, f.size() - 1024));
    const QByteArray tail = f.readAll();
    return tail.contains("startxref") && tail.trimmed().endsWith("%%EOF");
}

// A new, empty file beside `target` for the job to be written to; the
// program's own umask sets its permissions, as for the file it replaces.
QString createBeside(const QString& target) {
    const QFileInfo info(target);
    for (int n = 0; n < 100; ++n) {
        const QString name = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                             QStringLiteral(".%1-%2.part.pdf").arg(::getpid()).arg(n);
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
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
    case QPageSize::A4Small:
        return printing::PaperA4Small;
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
        target_ = firstFile_;
        if (jobs_ > 0) {
            const QFileInfo info(firstFile_);
            target_ = info.path() + QLatin1Char('/') + info.completeBaseName() +
                      QStringLiteral("-%1.").arg(jobs_ + 1) + info.suffix();
        }
        // The job is written beside its file and takes its name only when
        // whole, so a failed printout leaves a file of that name as it was.
        partial_ = createBeside(target_);
        if (partial_.isEmpty()) {
            printerError();
        }
        printer_->setOutputFileName(partial_);
    }
    // Each job is sent as one copy: the jobs themselves are the copies.
    printer_->setCopyCount(1);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
        painter_.reset();
        dropPartial();
        printerError();
    }
    ++jobs_;
    x_ = 0;
    y_ = 0;
    painter_->setFont(deviceFont());
    applyPen();
}

double QtPrinterSurface::dots(double twips) const {
    return held(twips) * printer_->resolution() / 1440.0;
}

QFont QtPrinterSurface::deviceFont() const {
    QFont font(font_, printer_);
    const double points = font.pointSizeF();
    if (points > LargestPoints) {
        font.setPointSizeF(LargestPoints);
    }
    return font;
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
    if (picture.isNull() || !(rect.width() > 0 && rect.height() > 0)) {
        return;
    }
    const QRectF target(dots(rect.x()), dots(rect.y()), dots(rect.width()), dots(rect.height()));
    painter_->drawImage(target, picture);
}

void QtPrinterSurface::dropPartial() {
    if (!partial_.isEmpty()) {
        QFile::remove(partial_);
        partial_.clear();
    }
}

void QtPrinterSurface::abortDocument() {
    if (painter_ && painter_->isActive()) {
        printer_->abort();
        painter_->end();
    }
    painter_.reset();
    dropPartial();
}

void QtPrinterSurface::endDocument() {
    if (!painter_ || !painter_->isActive()) {
        return; // nothing drawn, nothing to send
    }
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended || printer_->printerState() == QPrinter::Error) {
        dropPartial();
        printerError();
    }
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const bool whole =
            completePdf(partial_) && std::rename(QFile::encodeName(partial_).constData(),
                                                 QFile::encodeName(target_).constData()) == 0;
        if (!whole) {
            dropPartial();
            printerError();
        }
        partial_.clear();
        written_ << QFileInfo(target_).absoluteFilePath();
    }
}

} // namespace kuyu::gui
