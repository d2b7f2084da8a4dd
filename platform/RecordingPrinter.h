#pragma once

#include "platform/Printer.h"

#include <QList>

namespace platform {

// One text printed, with everything in force when it was printed.
struct PrintedText {
    int page = 1; // counted from 1
    QString face;
    double points = 0;
    int xTwips = 0;
    int yTwips = 0;
    QString text;
    int stretch = 100;     // percent
    bool vertical = false; // printed as a column by printVertical()

    bool operator==(const PrintedText&) const = default;
};

// One outline a job asked a preview to draw.
struct DrawnGuide {
    int page = 1;
    QRect twips;
    int cornerRadiusTwips = 0;

    bool operator==(const DrawnGuide&) const = default;
};

// One filled rectangle, on its page.
struct FilledRect {
    int page = 1;
    QRect twips;

    bool operator==(const FilledRect&) const = default;
};

// Test double: keeps every call in order, and every printed text with the
// font, size and position in force, for tests to compare.
class RecordingPrinter : public Printer {
public:
    bool begin(const PageFormat& paper) override;
    QMargins unprintableTwips() const override { return m_unprintable; }
    void setFontName(const QString& face) override;
    void setFontSize(double points) override;
    void setFontStretch(int percent) override;
    double textWidth(const QString& text) const override;
    void setCurrentX(int twips) override;
    void setCurrentY(int twips) override;
    void print(const QString& text) override;
    void printVertical(const QString& text) override;
    // One em of the current size per character, as the Japanese faces set
    // full-width characters in a column.
    double verticalLength(const QString& text) const override;
    void fillRect(const QRect& twips) override;
    void newPage() override;
    bool endDoc() override;
    QString errorText() const override { return m_errorText; }
    QStringList fontNames() const override { return m_fontNames; }
    void drawGuide(const QRect& twips, int cornerRadiusTwips) override;
    void drawLine(const QPoint& fromTwips, const QPoint& toTwips) override;

    // Calls in order, one line each: "begin A4", "font ＭＳ 明朝", "size 11", "stretch 80",
    // "x 1500", "y 1200", "print 〒１２３", "vertical 東京都", "line 0,0 1440,0",
    // "page", "end".
    const QStringList& calls() const { return m_calls; }
    const QList<PrintedText>& printed() const { return m_printed; }
    // The outlines, kept apart from calls(): nothing on paper shows them.
    const QList<DrawnGuide>& guides() const { return m_guides; }
    // The filled rectangles (a barcode's bars), kept apart from calls(): a
    // barcode has 67 of them.
    const QList<FilledRect>& filled() const { return m_filled; }
    int pageCount() const { return m_page; }
    bool ended() const { return m_ended; }
    const PageFormat& paper() const { return m_paper; }

    // Makes begin() fail with the given text.
    void failBegin(const QString& text) { m_failBegin = text; }
    void setFontNames(const QStringList& names) { m_fontNames = names; }
    // Acts as a printer that cannot print this close to the paper's edges.
    void setUnprintableTwips(const QMargins& margins) { m_unprintable = margins; }

private:
    QStringList m_calls;
    QList<PrintedText> m_printed;
    QList<DrawnGuide> m_guides;
    QList<FilledRect> m_filled;
    QStringList m_fontNames;
    QString m_face;
    QString m_errorText;
    QString m_failBegin;
    double m_points = 0;
    int m_stretch = 100;
    int m_x = 0;
    int m_y = 0;
    int m_page = 0;
    bool m_ended = false;
    PageFormat m_paper;
    QMargins m_unprintable;
};

} // namespace platform
