#pragma once

// What a recording printer put on paper, as tests compare it: one line per
// text, `page 2 ＭＳ 明朝 11pt at (1500,1200) "〒１２３"`, in page order and
// sorted within a page, so the order in which a page was drawn does not
// count. A vertical column's text starts with "↓". Empty texts leave nothing on paper and are left
// out.

#include "platform/RecordingPrinter.h"

#include <QStringList>

#include <algorithm>
#include <utility>

inline QString printedLine(int page, const QString& face, double points, int xTwips, int yTwips,
                           const QString& text) {
    return QStringLiteral("page %1 %2 %3pt at (%4,%5) \"%6\"")
        .arg(QString::number(page), face, QString::number(points), QString::number(xTwips),
             QString::number(yTwips), text);
}

// lines sorted as printedPages() sorts them: by page, then by text.
inline QStringList inPageOrder(QStringList lines) {
    const auto key = [](const QString& line) {
        return std::pair(line.section(u' ', 1, 1).toInt(), line);
    };
    std::sort(lines.begin(), lines.end(),
              [&](const QString& a, const QString& b) { return key(a) < key(b); });
    return lines;
}

inline QStringList printedPages(const platform::RecordingPrinter& printer) {
    QStringList lines;
    for (const platform::PrintedText& text : printer.printed())
        if (!text.text.isEmpty())
            lines << printedLine(text.page, text.face, text.points, text.xTwips, text.yTwips,
                                 text.vertical ? QStringLiteral("↓") + text.text : text.text);
    return inPageOrder(lines);
}
