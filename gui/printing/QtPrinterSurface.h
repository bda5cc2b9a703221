// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer surface over QPrinter and QPainter: a printer through CUPS, or
// a PDF file where there is none.

#include "gui/printing/PrinterSurface.h"

#include <QPainter>
#include <memory>

class QPrinter;

namespace kuyu::gui {

class QtPrinterSurface : public PrinterSurface {
  public:
    // `printer` may be null: then every drawing is a printer error.
    explicit QtPrinterSurface(QPrinter* printer);
    ~QtPrinterSurface() override;

    QString deviceName() const override;
    int orientation() const override;
    int paperSize() const override;

    void setFont(const QFont& font) override;
    void setColour(const QColor& colour) override;
    void setLineWidth(int width) override;
    void setPosition(double x, double y) override;
    void printLine(const printing::PrintLine& items) override;
    void drawLine(QPointF from, QPointF to) override;
    void drawRectangle(QPointF from, QPointF to) override;
    void drawPicture(const QImage& picture, const QRectF& rect) override;
    void endDocument() override;
    void abortDocument() override;
    QStringList writtenFiles() const override { return written_; }

    // Paper code of a Qt page size (8 A3 .. 13 B5, 9 for anything else).
    static int paperCode(int qtPageSizeId);

  private:
    void begin();
    double dots(double twips) const;
    QFont deviceFont() const;
    void applyPen();
    void breakLine(double lineHeight);
    void dropPartial();

    QPrinter* printer_;
    std::unique_ptr<QPainter> painter_;
    QString firstFile_;
    // The PDF file of the job in progress, and the file it becomes when whole.
    QString target_;
    QString partial_;
    int jobs_ = 0;
    QStringList written_;
    QFont font_;
    QColor colour_ = Qt::black;
    int lineWidth_ = 1;
    // Current position, printer dots from the printable area's top-left.
    double x_ = 0;
    double y_ = 0;
};

} // namespace kuyu::gui
