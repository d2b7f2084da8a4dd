#pragma once

// Reads a PDF back with pdftotext -bbox: every word with its box in points
// from the page's top-left corner, text normalised with NFKC (the CJK faces
// report some kanji as Kangxi radicals).

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace pdftext {

struct Word {
    int page = 0; // from 1
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

struct Document {
    int pages = 0;
    double pageWidth = 0, pageHeight = 0; // points, of the first page
    QList<Word> words;
    bool ok = false;

    QList<Word> find(const QString& text) const {
        QList<Word> found;
        for (const Word& word : words)
            if (word.text == text.normalized(QString::NormalizationForm_KC))
                found << word;
        return found;
    }
};

inline QString unescape(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

inline Document read(const QString& pdfPath) {
    Document document;
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return document;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageTag(
        QStringLiteral(R"x(<page width="([\d.]+)" height="([\d.]+)">)x"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>|<page )x"));
    auto pageMatch = pageTag.match(html);
    if (pageMatch.hasMatch()) {
        document.pageWidth = pageMatch.captured(1).toDouble();
        document.pageHeight = pageMatch.captured(2).toDouble();
    }
    auto it = wordTag.globalMatch(html);
    while (it.hasNext()) {
        const auto match = it.next();
        if (match.captured(0) == QStringLiteral("<page ")) {
            ++document.pages;
            continue;
        }
        document.words.append(
            {document.pages, match.captured(1).toDouble(), match.captured(2).toDouble(),
             match.captured(3).toDouble(), match.captured(4).toDouble(),
             unescape(match.captured(5)).normalized(QString::NormalizationForm_KC)});
    }
    document.ok = true;
    return document;
}

// Font names embedded in a PDF, from pdffonts.
inline QString fonts(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {pdfPath});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace pdftext
