#pragma once

#include "platform/Paper.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cmath>
#include <functional>

namespace platform {

// Every page position handed to a printer is in twips measured from an
// origin this far right of the paper's left edge and below its top edge.
// The layouts were drawn for printers that address the page from the corner
// of their printable area, a few millimetres inside the paper; fixing that
// corner at 1/6 inch makes a PDF printed at actual size and a direct print
// land on the same spot. The user's trims move everything from here.
inline constexpr int PageOriginInsetTwips = 240;

// A length on paper, millimetres from the paper's top or left edge, as a
// page position in twips from that origin; cut to whole twips, as the
// standard sheet's edges always were.
inline int pagePositionTwips(double millimetres) {
    return int(std::floor(paperTwipsUnrounded(millimetres))) - PageOriginInsetTwips;
}

// The print service a job draws through: a current font and position, text
// printed with its top-left corner at that position, pages, and the end.
class Printer {
public:
    virtual ~Printer() = default;

    // Starts the document on portrait paper of the given size, with the page
    // origin PageOriginInsetTwips inside the paper's top-left corner whatever
    // the device's margins; false on failure.
    virtual bool begin(const PageFormat& paper) = 0;
    // Twips along each edge of the paper that the device cannot print on,
    // once begun: zero for a PDF, the hardware margins of a printer.
    virtual QMargins unprintableTwips() const = 0;
    virtual void setFontName(const QString& face) = 0;
    virtual void setFontSize(double points) = 0;
    // Horizontal stretch of the current font in percent; 100 is the face as
    // designed. A line too long for its label is printed condensed.
    virtual void setFontStretch(int percent) = 0;
    // Width in twips the text takes in the current face and size, unstretched.
    virtual double textWidth(const QString& text) const = 0;
    // Current position in twips from the page origin.
    virtual void setCurrentX(int twips) = 0;
    virtual void setCurrentY(int twips) = 0;
    // Prints text with its top-left corner at the current position.
    virtual void print(const QString& text) = 0;
    // Prints text as one vertical column, characters upright one under
    // another in their vertical forms (punctuation, small kana, brackets, the
    // long-vowel mark): the column is one em of the current size wide, its
    // left edge at the current X, the top of its first character at the
    // current Y.
    virtual void printVertical(const QString& text) = 0;
    // Length in twips the column of printVertical(text) takes downward.
    virtual double verticalLength(const QString& text) const = 0;
    // Fills a rectangle in solid black, twips from the page origin: the bars
    // of a barcode. Paper, a PDF and a preview all get it.
    virtual void fillRect(const QRect& twips) = 0;
    virtual void newPage() = 0;
    // Ends the document and sends it; false when it could not be completed.
    virtual bool endDoc() = 0;
    // What went wrong, for a message, after begin() or endDoc() failed.
    virtual QString errorText() const = 0;
    // Font faces the printer offers, in the order it lists them.
    virtual QStringList fontNames() const = 0;
    // A straight hairline in ink, on paper as on screen, from one point to
    // another in twips from the page origin (a test page's outlines, a ruler).
    virtual void drawLine(const QPoint& fromTwips, const QPoint& toTwips) = 0;
    // Outlines what the paper already has at this place, twips from the page
    // origin (a label's edge, a postcard's code box), with rounded corners
    // of the given radius. Only a preview on screen draws it: on paper and in
    // a PDF it is already there or must not be.
    virtual void drawGuide(const QRect& twips, int cornerRadiusTwips) {
        Q_UNUSED(twips);
        Q_UNUSED(cornerRadiusTwips);
    }
};

// Draws a job's pages onto a begun printer.
using JobDrawing = std::function<void(Printer&)>;

} // namespace platform
