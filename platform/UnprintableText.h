#pragma once

#include "platform/Printer.h"

#include <QRect>

#include <functional>

namespace platform {

// Draws nothing: keeps the box, in twips from the paper's top-left corner,
// that every text of a job would cover on paper. Widths come from the printer
// the job is for (its fonts as set through this one); a line is as tall as
// its size.
class TextExtentPrinter : public Printer {
public:
    explicit TextExtentPrinter(Printer& measuring) : m_measuring(measuring) {}

    bool begin(const PageFormat&) override { return true; }
    QMargins unprintableTwips() const override { return m_measuring.unprintableTwips(); }
    void setFontName(const QString& face) override { m_measuring.setFontName(face); }
    void setFontSize(double points) override;
    void setFontStretch(int percent) override;
    double textWidth(const QString& text) const override { return m_measuring.textWidth(text); }
    void setCurrentX(int twips) override { m_x = twips; }
    void setCurrentY(int twips) override { m_y = twips; }
    void print(const QString& text) override;
    void printVertical(const QString& text) override;
    double verticalLength(const QString& text) const override {
        return m_measuring.verticalLength(text);
    }
    // Lines are not text: they never stand where text would be cut.
    void drawLine(const QPoint&, const QPoint&) override {}
    void newPage() override {}
    bool endDoc() override { return true; }
    void fillRect(const QRect& twips) override;
    QString errorText() const override { return {}; }
    QStringList fontNames() const override { return m_measuring.fontNames(); }

    // Null when nothing was printed.
    const QRect& extentTwips() const { return m_extent; }

private:
    void cover(int width, int height);

    Printer& m_measuring;
    QRect m_extent;
    double m_points = 10;
    int m_stretch = 100;
    int m_x = 0;
    int m_y = 0;
};

// The warning for text that a printer with these unprintable margins cuts
// off: "プリンタの印刷できない範囲に文字がかかります（右・下）" naming each side
// (上 下 左 右) where extentTwips (paper twips, as TextExtentPrinter keeps it)
// reaches into a margin; empty when everything is printable.
QString unprintableTextWarning(const QMargins& unprintableTwips, const QSize& paperTwips,
                               const QRect& extentTwips);

// The warning for a job drawn by draw on a begun printer, found by drawing it
// once on a TextExtentPrinter; empty when the printer prints all of it.
QString unprintableTextWarning(Printer& printer, const PageFormat& paper, const JobDrawing& draw);

} // namespace platform
