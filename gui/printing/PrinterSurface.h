// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer as the print jobs see it: one page surface at a time, in twips
// from the printable area's top-left, with a current position, font, colour
// and line width. Every operation may throw RunTimeError(482) when the
// printer fails.

#include "core/printing/ResultTable.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace kuyu::gui {

class PrinterSurface {
  public:
    virtual ~PrinterSurface() = default;

    // The printer in use, its orientation (2 landscape) and paper code
    // (8 A3 .. 13 B5, anything else is laid out as A4).
    virtual QString deviceName() const = 0;
    virtual int orientation() const = 0;
    virtual int paperSize() const = 0;

    // Face (the program's names, "ＭＳ 明朝"...), point size, bold, italic,
    // underline and strike-through, for the text printed afterwards.
    virtual void setFont(const QFont& font) = 0;
    // Text and line colour, and line width in printer dots.
    virtual void setColour(const QColor& colour) = 0;
    virtual void setLineWidth(int width) = 0;
    virtual void setPosition(double x, double y) = 0;

    // Prints the items at their tab columns (column 0: the current
    // position), then breaks the line: the position goes to the left edge of
    // the next line. A line that no longer fits starts a new page.
    virtual void printLine(const printing::PrintLine& items) = 0;
    void printText(const QString& text);

    virtual void drawLine(QPointF from, QPointF to) = 0;
    virtual void drawRectangle(QPointF from, QPointF to) = 0;
    // The whole picture stretched to the rectangle (twips).
    virtual void drawPicture(const QImage& picture, const QRectF& rect) = 0;

    // The pages drawn so far go out as one job; later output is a new job.
    virtual void endDocument() = 0;
    // Gives the job up: what was drawn since the last end is not sent.
    virtual void abortDocument() = 0;

    // Files the jobs were written to, when the printer is a PDF file.
    virtual QStringList writtenFiles() const { return {}; }
};

} // namespace kuyu::gui
