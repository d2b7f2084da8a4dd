#pragma once

#include "platform/Fonts.h"
#include "platform/Printer.h"
#include "platform/Units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace platform {

// Draws what a job prints on a painter scaled to twips from the page origin.
// Columns stand character under character in the faces' usual forms: the
// picture shows where things go and how large.
class PainterPrinter : public Printer {
public:
    explicit PainterPrinter(QPainter& painter) : m_painter(painter) {}
    bool begin(const PageFormat&) override { return true; }
    QMargins unprintableTwips() const override { return {}; }
    void setFontName(const QString& face) override {
        m_face = face;
        apply();
    }
    void setFontSize(double points) override {
        m_points = points;
        apply();
    }
    void setFontStretch(int percent) override {
        m_font.setStretch(percent);
        m_painter.setFont(m_font);
    }
    double textWidth(const QString& text) const override {
        return QFontMetricsF(m_font).horizontalAdvance(text);
    }
    void setCurrentX(int twips) override { m_x = twips; }
    void setCurrentY(int twips) override { m_y = twips; }
    void print(const QString& text) override {
        m_painter.drawText(QPointF(m_x, m_y + QFontMetricsF(m_font).ascent()), text);
    }
    void printVertical(const QString& text) override {
        const double em = twipsOfPoints(m_points);
        const QFontMetricsF metrics(m_font);
        double y = m_y;
        for (const char32_t c : text.toUcs4()) {
            const QString character = QString::fromUcs4(&c, 1);
            m_painter.drawText(QPointF(m_x + (em - metrics.horizontalAdvance(character)) / 2,
                                       y + metrics.ascent()),
                               character);
            y += em;
        }
    }
    double verticalLength(const QString& text) const override {
        return twipsOfPoints(double(text.toUcs4().size()) * m_points);
    }
    void drawLine(const QPoint& fromTwips, const QPoint& toTwips) override {
        m_painter.drawLine(fromTwips, toTwips);
    }
    void fillRect(const QRect& twips) override { m_painter.fillRect(twips, Qt::black); }
    void newPage() override {}
    bool endDoc() override { return true; }
    QString errorText() const override { return {}; }
    QStringList fontNames() const override { return {}; }

private:
    void apply() {
        m_font = QFont(printableFamily(m_face));
        m_font.setPixelSize(qMax(1, qRound(twipsOfPoints(m_points))));
        m_painter.setFont(m_font);
    }
    QPainter& m_painter;
    QFont m_font;
    QString m_face;
    double m_points = 10;
    int m_x = 0;
    int m_y = 0;
};

} // namespace platform
