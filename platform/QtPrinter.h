#pragma once

#include "platform/DrawnText.h"
#include "platform/PrintDestination.h"
#include "platform/Printer.h"
#include "platform/VerticalGlyphText.h"
#include "platform/VerticalShaper.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <memory>
#include <optional>

namespace platform {

// The page layout of a job on paper: the paper as Qt names it, no margins,
// turned to landscape when the page is drawn that way.
QPageLayout qtPageLayout(const PageFormat& paper);

// The printer on Qt: a system printer (CUPS) through QPrinter, or a PDF file.
// A PDF is drawn into memory and written only at the end, through a
// temporary file renamed over the target, so a failed write is reported and
// leaves any old file there as it was. The painter is scaled so that one unit
// is one twip and moved to the page origin, and fonts get a pixel size of
// points x 20, so every position and metric is in twips at any resolution.
// A printer draws in full-page mode from the paper's corner, so its hardware
// margins never move the job; text inside them is the caller's to report.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(const PrintDestination& destination);
    // A system printer as the print dialog left it: its copies, duplex and
    // other options of the queue are kept, the paper is set by begin().
    QtPrinter(const PrintDestination& destination, std::unique_ptr<QPrinter> configured);
    ~QtPrinter() override;

    bool begin(const PageFormat& paper) override;
    QMargins unprintableTwips() const override { return m_unprintableTwips; }
    void setFontName(const QString& face) override;
    void setFontSize(double points) override;
    void setFontStretch(int percent) override;
    double textWidth(const QString& text) const override;
    void setCurrentX(int twips) override { m_x = twips; }
    void setCurrentY(int twips) override { m_y = twips; }
    void print(const QString& text) override;
    void printVertical(const QString& text) override;
    double verticalLength(const QString& text) const override;
    void fillRect(const QRect& twips) override;
    void newPage() override;
    bool endDoc() override;
    QString errorText() const override { return m_errorText; }
    QStringList fontNames() const override;
    void drawLine(const QPoint& fromTwips, const QPoint& toTwips) override;

protected:
    // Draws on a QPrinter someone else owns and set up (a preview's), in
    // the same twips from the same origin.
    explicit QtPrinter(QPrinter& target);
    QPainter& painter() { return m_painter; }

private:
    void applyFont();

    // A job sets face and size before every line; resolving a face through
    // the font database each time costs more than the drawing itself.
    struct ResolvedFont {
        QFont font;
        double ascentTwips = 0;
        QFontMetricsF metrics;           // unstretched, for widths
        std::optional<QRawFont> rawFont; // unstretched, made at the first column
    };
    const QRawFont& currentRawFont() const;
    const VerticalShaper& shaperOf(const QRawFont& font) const;
    mutable QHash<QString, std::shared_ptr<VerticalShaper>> m_shapers; // by family and style
    mutable QHash<QString, ResolvedFont> m_fonts;                      // by face, size and stretch
    VerticalGlyphText m_verticalText; // for the PDF's text of vertical forms
    DrawnText m_drawnText;            // for the PDF's text as typed

    PrintDestination m_destination;
    std::unique_ptr<QPrinter> m_ownPrinter; // a system printer opened for the job
    QPrinter* m_printer = nullptr;          // that one, or the one given
    QBuffer m_pdfBytes;                     // a PDF file, until endDoc() writes it
    std::unique_ptr<QPdfWriter> m_pdf;
    QPagedPaintDevice* m_device = nullptr; // whichever of the two is drawn on
    QPainter m_painter;
    QString m_face;
    double m_points = 10;
    int m_stretch = 100;
    ResolvedFont* m_current = nullptr;
    int m_x = 0;
    int m_y = 0;
    QMargins m_unprintableTwips;
    QString m_errorText;
};

} // namespace platform
