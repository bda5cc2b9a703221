// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer surface for tests: records every operation (texts with their
// position or column, fonts, colours, line widths, lines, rectangles,
// pictures with their rectangles, ends and aborts) in a log the test owns,
// and fails on cue as a broken printer would.

#include "core/Errors.h"
#include "gui/platform/QtText.h"
#include "gui/printing/PrinterSurface.h"

#include <QList>
#include <QStringList>

namespace kuyu::gui::testing {

struct PrintOp {
    QString kind; // "text", "font", "colour", "width", "line", "rect", "picture", "end", "abort"
    QString text;
    int column = 0;
    double x = 0, y = 0, x2 = 0, y2 = 0;
    QColor colour;
    int width = 0;
    QFont font;
    QSize imageSize;
};

struct PrintLog {
    QList<PrintOp> ops;
    // Every printed line as "column:text|column:text" ("" for a blank line).
    QStringList lines;
    // Fail this many printLine calls from the `failAt`-th on (1-based).
    int failAt = 0;
    int failures = 0;
    int failNumber = err::PrinterError;
    int printLineCalls = 0;
    QString deviceName = QStringLiteral("テスト用プリンタ");
    int orientation = 1;
    int paper = 9;

    QList<PrintOp> of(const QString& kind) const {
        QList<PrintOp> out;
        for (const auto& o : ops) {
            if (o.kind == kind) {
                out << o;
            }
        }
        return out;
    }
    int count(const QString& kind) const { return static_cast<int>(of(kind).size()); }
};

class RecordingSurface : public PrinterSurface {
  public:
    explicit RecordingSurface(PrintLog& log) : log_(log) {}
    QString deviceName() const override { return log_.deviceName; }
    int orientation() const override { return log_.orientation; }
    int paperSize() const override { return log_.paper; }
    void setFont(const QFont& font) override {
        font_ = font;
        log_.ops << PrintOp{QStringLiteral("font"), {}, 0, 0, 0, 0, 0, {}, 0, font, {}};
    }
    void setColour(const QColor& c) override {
        colour_ = c;
        log_.ops << PrintOp{QStringLiteral("colour"), {}, 0, 0, 0, 0, 0, c, 0, {}, {}};
    }
    void setLineWidth(int w) override {
        width_ = w;
        log_.ops << PrintOp{QStringLiteral("width"), {}, 0, 0, 0, 0, 0, {}, w, {}, {}};
    }
    void setPosition(double x, double y) override {
        x_ = x;
        y_ = y;
    }
    void printLine(const printing::PrintLine& items) override {
        ++log_.printLineCalls;
        if (log_.failAt > 0 && log_.printLineCalls >= log_.failAt && log_.failures > 0) {
            --log_.failures;
            throw RunTimeError(log_.failNumber);
        }
        QStringList parts;
        for (const auto& i : items) {
            parts << QStringLiteral("%1:%2").arg(i.column).arg(qs(i.text));
            log_.ops << PrintOp{QStringLiteral("text"),
                                qs(i.text),
                                i.column,
                                x_,
                                y_,
                                0,
                                0,
                                colour_,
                                width_,
                                font_,
                                {}};
        }
        log_.lines << parts.join(QLatin1Char('|'));
        x_ = 0;
    }
    void drawLine(QPointF a, QPointF b) override {
        log_.ops << PrintOp{
            QStringLiteral("line"), {}, 0, a.x(), a.y(), b.x(), b.y(), colour_, width_, {}, {}};
    }
    void drawRectangle(QPointF a, QPointF b) override {
        log_.ops << PrintOp{
            QStringLiteral("rect"), {}, 0, a.x(), a.y(), b.x(), b.y(), colour_, width_, {}, {}};
    }
    void drawPicture(const QImage& image, const QRectF& r) override {
        log_.ops << PrintOp{QStringLiteral("picture"),
                            {},
                            0,
                            r.x(),
                            r.y(),
                            r.width(),
                            r.height(),
                            {},
                            0,
                            {},
                            image.size()};
    }
    void endDocument() override { log_.ops << PrintOp{QStringLiteral("end")}; }
    void abortDocument() override { log_.ops << PrintOp{QStringLiteral("abort")}; }

  private:
    PrintLog& log_;
    QFont font_;
    QColor colour_ = Qt::black;
    int width_ = 1;
    double x_ = 0, y_ = 0;
};

} // namespace kuyu::gui::testing
