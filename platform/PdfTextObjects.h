#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace platform {

// A code a text object shows, in the font resource in force.
struct ShownCode {
    QByteArray font; // the resource name Tf set, without its slash
    unsigned code = 0;
};

// A text object (BT ... ET) of a page's content stream.
struct PdfTextObject {
    qsizetype begin = 0;    // offset of its BT
    qsizetype end = 0;      // offset just past its ET
    QList<ShownCode> shown; // every two-byte code its strings show, in order
};

// The text objects of a page's content, in order; the content is read as
// composite fonts write it, two bytes to a code.
QList<PdfTextObject> textObjectsOf(const QByteArray& content);

// The content with each given text object inside a marked-content span
// (/Span BDC ... EMC) whose /ActualText is the text: a reader copies or
// searches the text rather than the glyphs' own, as one piece.
QByteArray withActualTexts(const QByteArray& content,
                           const QList<std::pair<PdfTextObject, QString>>& spans);

} // namespace platform
