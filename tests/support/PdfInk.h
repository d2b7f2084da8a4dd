#pragma once

// Renders a PDF's pages with pdftoppm and measures where their ink lies, in
// points from the page's top-left corner: for checks that must not trust a
// PDF's text (a printer's PDF may carry none) or its glyph boxes (advance
// widths, not ink).

#include <QDir>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>

namespace pdfink {

struct Pages {
    QList<QImage> images; // grayscale (RGB when rendered in colour), one a page
    int dotsPerInch = 144;

    // The box of the dark pixels inside region (points) of a grayscale
    // render; null when there are none.
    QRectF inkBox(int page, const QRectF& region) const {
        const QImage& image = images[page - 1];
        const double scale = dotsPerInch / 72.0;
        const int left = qMax(0, int(region.left() * scale)),
                  right = qMin(image.width() - 1, int(region.right() * scale));
        const int top = qMax(0, int(region.top() * scale)),
                  bottom = qMin(image.height() - 1, int(region.bottom() * scale));
        int minX = right + 1, maxX = -1, minY = bottom + 1, maxY = -1;
        for (int y = top; y <= bottom; ++y) {
            const uchar* line = image.constScanLine(y);
            for (int x = left; x <= right; ++x)
                if (line[x] < 128) {
                    minX = qMin(minX, x);
                    maxX = qMax(maxX, x);
                    minY = qMin(minY, y);
                    maxY = qMax(maxY, y);
                }
        }
        if (maxX < 0)
            return {};
        return QRectF(minX / scale, minY / scale, (maxX + 1 - minX) / scale,
                      (maxY + 1 - minY) / scale);
    }
};

// colour: RGB images instead of grayscale ones.
inline Pages render(const QString& pdf, int dotsPerInch = 144, bool colour = false) {
    Pages pages;
    pages.dotsPerInch = dotsPerInch;
    QTemporaryDir dir;
    QProcess process;
    QStringList arguments{QStringLiteral("-r"), QString::number(dotsPerInch)};
    if (!colour)
        arguments << QStringLiteral("-gray");
    process.start(QStringLiteral("pdftoppm"),
                  arguments << pdf << dir.filePath(QStringLiteral("page")));
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return pages;
    const QStringList files =
        QDir(dir.path())
            .entryList({colour ? QStringLiteral("page*.ppm") : QStringLiteral("page*.pgm")},
                       QDir::Files, QDir::Name);
    for (const QString& file : files)
        pages.images << QImage(dir.filePath(file))
                            .convertToFormat(colour ? QImage::Format_RGB32
                                                    : QImage::Format_Grayscale8);
    return pages;
}

} // namespace pdfink
