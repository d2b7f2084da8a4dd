#include "envelope/EnvelopePicture.h"

#include "platform/Fonts.h"
#include "platform/Printer.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace envelope {

namespace {

constexpr double TwipsPerMm = 1440.0 / 25.4;
// The picture's pages fit this many pixels down.
constexpr int PictureHeight = 520;
constexpr int Gap = 16;

// Draws what a job prints on a painter scaled to twips from the page origin.
// Columns stand character under character in the faces' usual forms: the
// picture shows where things go and how large.
class PainterPrinter : public platform::Printer {
  public:
    explicit PainterPrinter(QPainter& painter) : m_painter(painter) {}
    bool begin(const platform::PageFormat&) override { return true; }
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
        const double em = m_points * 20;
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
        return double(text.toUcs4().size()) * m_points * 20;
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
        m_font = QFont(platform::printableFamily(m_face));
        m_font.setPixelSize(qMax(1, qRound(m_points * 20)));
        m_painter.setFont(m_font);
    }
    QPainter& m_painter;
    QFont m_font;
    QString m_face;
    double m_points = 10;
    int m_x = 0;
    int m_y = 0;
};

} // namespace

EnvelopePicture::EnvelopePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(u"picEnvelope"_s);
    setMinimumSize(sizeHint());
}

QSize EnvelopePicture::sizeHint() const {
    const double pixelsPerMm = PictureHeight / qMax(m_pageMm.height(), m_pageMm.width());
    const int pageWidth = qRound(m_pageMm.width() * pixelsPerMm);
    return {2 * pageWidth + 3 * Gap, qRound(m_pageMm.height() * pixelsPerMm) + 2 * Gap};
}

void EnvelopePicture::showEnvelope(const QSizeF& pageMm, const QList<QRect>& boxesTwips,
                                   const QList<printing::PlacedRun>& front,
                                   const std::optional<QList<printing::PlacedRun>>& back,
                                   const QList<QRect>& barsTwips) {
    m_pageMm = pageMm;
    m_boxes = boxesTwips;
    m_bars = barsTwips;
    m_front = front;
    m_back = back;
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
}

void EnvelopePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pixelsPerMm = PictureHeight / qMax(m_pageMm.height(), m_pageMm.width());
    const QSizeF page = m_pageMm * pixelsPerMm;
    auto drawPage = [&](double left, const QList<printing::PlacedRun>& runs, bool front) {
        painter.save();
        painter.translate(left, Gap);
        painter.setPen(QColor(150, 150, 150));
        painter.setBrush(QColor(252, 250, 244));
        painter.drawRect(QRectF(QPointF(0, 0), page));
        const double scale = pixelsPerMm / TwipsPerMm;
        painter.scale(scale, scale);
        painter.translate(platform::PageOriginInsetTwips, platform::PageOriginInsetTwips);
        if (front) {
            painter.setPen(QPen(QColor(220, 60, 40), 0.4 * TwipsPerMm));
            painter.setBrush(Qt::NoBrush);
            for (const QRect& box : m_boxes)
                painter.drawRect(box);
            for (const QRect& bar : m_bars)
                painter.fillRect(bar, QColor(30, 30, 30));
        }
        painter.setPen(QColor(30, 30, 30));
        PainterPrinter printer(painter);
        printing::drawRuns(printer, runs, {});
        painter.restore();
    };
    drawPage(Gap, m_front, true);
    if (m_back)
        drawPage(2 * Gap + page.width(), *m_back, false);
}

} // namespace envelope
