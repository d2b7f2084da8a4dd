#include "labels/SheetFile.h"

#include "book/FileBytes.h"
#include "labels/SheetBounds.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// A paper named "Other" with its own size counts as one of ours when it is
// within half a millimetre of it.
constexpr double SamePaperMm = 0.5;

std::optional<SheetPaper> paperNamed(const QString& name) {
    const QString id = name.toLower();
    if (id == u"a4"_s)
        return SheetPaper::A4;
    if (id == u"b5"_s)
        return SheetPaper::B5;
    if (id == u"a5"_s)
        return SheetPaper::A5;
    if (id == u"us-letter"_s || id == u"letter"_s)
        return SheetPaper::Letter;
    if (id == u"postcard"_s)
        return SheetPaper::Postcard;
    return std::nullopt;
}

std::optional<SheetPaper> paperOfSize(double widthMm, double heightMm) {
    for (SheetPaper paper : {SheetPaper::A4, SheetPaper::B5, SheetPaper::A5, SheetPaper::Postcard,
                             SheetPaper::Letter}) {
        const QSizeF size = paperSizeMm(paper);
        if (std::abs(size.width() - widthMm) <= SamePaperMm &&
            std::abs(size.height() - heightMm) <= SamePaperMm)
            return paper;
    }
    return std::nullopt;
}

// Reads one file; the first fault stops it with the line where it is.
class Reader {
public:
    Reader(const QByteArray& bytes, const QString& source) : m_xml(bytes), m_source(source) {}

    SheetFileContents read() {
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement() && m_xml.name() == u"Template"_s) {
                m_fault.clear();
                readTemplate();
                if (!m_fault.isEmpty()) {
                    m_contents.faultyTemplates.append(m_fault);
                    skipRestOfTemplate();
                }
            }
        }
        if (m_xml.hasError()) {
            m_contents = {};
            m_contents.error = atLine(m_xml.lineNumber(), m_xml.errorString());
        }
        return m_contents;
    }

private:
    // "FILE: line N: what".
    QString atLine(qint64 line, const QString& what) const {
        return m_source + u": line "_s + QString::number(line) + u": "_s + what;
    }

    // The first fault of the template being read, with its line.
    void fail(const QString& what) {
        if (m_fault.isEmpty())
            m_fault = atLine(m_xml.lineNumber(), what);
    }

    // Templates do not nest: the next end of a Template is this one's.
    void skipRestOfTemplate() {
        while (!m_xml.atEnd() && !(m_xml.isEndElement() && m_xml.name() == u"Template"_s))
            m_xml.readNext();
    }

    // The attribute's text; an error when it is missing.
    std::optional<QString> required(const QString& name) {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (!attributes.hasAttribute(name)) {
            fail(m_xml.name().toString() + u" has no "_s + name + u" attribute"_s);
            return std::nullopt;
        }
        return attributes.value(name).toString();
    }

    // A length in millimetres; fallback when missing and not required.
    std::optional<double> length(const QString& name,
                                 std::optional<double> fallback = std::nullopt) {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (!attributes.hasAttribute(name) && fallback)
            return fallback;
        const std::optional<QString> text = required(name);
        if (!text)
            return std::nullopt;
        double millimetres = 0;
        if (!parseLength(*text, &millimetres) || millimetres < 0) {
            fail(m_xml.name().toString() + u' ' + name + u"=\""_s + *text +
                 u"\" is not a length"_s);
            return std::nullopt;
        }
        return millimetres;
    }

    std::optional<int> count(const QString& name) {
        const std::optional<QString> text = required(name);
        if (!text)
            return std::nullopt;
        bool ok = false;
        const int value = text->trimmed().toInt(&ok);
        if (!ok || value < 1 || value > 1000) {
            fail(m_xml.name().toString() + u' ' + name + u"=\""_s + *text +
                 u"\" is not a number of labels"_s);
            return std::nullopt;
        }
        return value;
    }

    void readTemplate() {
        const std::optional<QString> brand = required(u"brand"_s);
        const std::optional<QString> part = brand ? required(u"part"_s) : std::nullopt;
        if (!part)
            return;
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QString description = attributes.value(u"_description"_s).toString();
        if (attributes.hasAttribute(u"equiv"_s)) {
            m_contents.equivalents.append(
                {*brand, *part, attributes.value(u"equiv"_s).toString(), description});
            m_xml.skipCurrentElement();
            return;
        }
        const std::optional<QString> size = required(u"size"_s);
        if (!size)
            return;
        std::optional<SheetPaper> paper = paperNamed(*size);
        SkippedSheet skip{*brand + u' ' + *part, SkipReason::OtherPaper, *size};
        if (size->compare(u"Other"_s, Qt::CaseInsensitive) == 0) {
            const std::optional<double> width = length(u"width"_s);
            const std::optional<double> height = width ? length(u"height"_s) : std::nullopt;
            if (!height)
                return;
            paper = paperOfSize(*width, *height);
            skip.reason = SkipReason::CustomPaper;
            skip.detail =
                millimetreNumber(*width) + u" × "_s + millimetreNumber(*height) + u" mm"_s;
        } else if (size->compare(u"A3"_s, Qt::CaseInsensitive) == 0 ||
                   size->compare(u"B4"_s, Qt::CaseInsensitive) == 0 ||
                   size->compare(u"SRA3"_s, Qt::CaseInsensitive) == 0) {
            skip.reason = SkipReason::LargePaper;
        }

        SheetTemplate sheet;
        sheet.brand = *brand;
        sheet.part = *part;
        sheet.description = description;
        sheet.source = m_source;
        bool hasLabel = false;
        bool usable = paper.has_value();
        const qint64 templateLine = m_xml.lineNumber();
        while (m_fault.isEmpty() && m_xml.readNextStartElement()) {
            const QStringView element = m_xml.name();
            if (!element.startsWith(u"Label-"_s) || hasLabel) {
                m_xml.skipCurrentElement();
                continue;
            }
            hasLabel = true;
            if (element != u"Label-rectangle"_s) {
                // CD, round, elliptic and other shapes: not for addresses.
                usable = false;
                skip.detail.clear();
                if (element == u"Label-round"_s)
                    skip.reason = SkipReason::Round;
                else if (element == u"Label-cd"_s)
                    skip.reason = SkipReason::Cd;
                else if (element == u"Label-ellipse"_s)
                    skip.reason = SkipReason::Ellipse;
                else
                    skip.reason = SkipReason::OtherShape;
                m_xml.skipCurrentElement();
                continue;
            }
            readRectangle(sheet);
        }
        if (!m_fault.isEmpty())
            return;
        if (!hasLabel) {
            m_fault = atLine(templateLine, u"Template "_s + sheet.name() + u" has no label"_s);
            return;
        }
        if (!usable) {
            m_contents.skipped.append(skip);
            return;
        }
        sheet.paper = *paper;
        const QString figures = sheetFiguresFault(sheet);
        if (!figures.isEmpty()) {
            m_fault = atLine(templateLine, u"Template "_s + sheet.name() + u": "_s + figures);
            return;
        }
        m_contents.sheets.append(sheet);
    }

    void readRectangle(SheetTemplate& sheet) {
        const qint64 labelLine = m_xml.lineNumber();
        const std::optional<double> width = length(u"width"_s);
        const std::optional<double> height = width ? length(u"height"_s) : std::nullopt;
        const std::optional<double> round = height ? length(u"round"_s, 0.0) : std::nullopt;
        if (!round)
            return;
        sheet.labelWidthMm = *width;
        sheet.labelHeightMm = *height;
        sheet.cornerRadiusMm = *round;
        while (m_fault.isEmpty() && m_xml.readNextStartElement()) {
            if (m_xml.name() != u"Layout"_s) {
                m_xml.skipCurrentElement();
                continue;
            }
            SheetGrid grid;
            const std::optional<int> columns = count(u"nx"_s);
            const std::optional<int> rows = columns ? count(u"ny"_s) : std::nullopt;
            const std::optional<double> x0 = rows ? length(u"x0"_s, 0.0) : std::nullopt;
            const std::optional<double> y0 = x0 ? length(u"y0"_s, 0.0) : std::nullopt;
            const std::optional<double> dx = y0 ? length(u"dx"_s, 0.0) : std::nullopt;
            const std::optional<double> dy = dx ? length(u"dy"_s, 0.0) : std::nullopt;
            if (!dy)
                return;
            sheet.grids.append({*columns, *rows, *x0, *y0, *dx, *dy});
            m_xml.skipCurrentElement();
        }
        if (m_fault.isEmpty() && sheet.grids.isEmpty())
            m_fault = atLine(labelLine, u"Template "_s + sheet.name() + u" has no Layout"_s);
    }

    QXmlStreamReader m_xml;
    QString m_source;
    SheetFileContents m_contents;
    QString m_fault;
};

} // namespace

QString skipReasonText(const SkippedSheet& skipped) {
    switch (skipped.reason) {
    case SkipReason::Round:
        return u"round labels"_s;
    case SkipReason::Cd:
        return u"CD labels"_s;
    case SkipReason::Ellipse:
        return u"elliptic labels"_s;
    case SkipReason::OtherShape:
        return u"labels that are not rectangles"_s;
    case SkipReason::CustomPaper:
        return u"roll or custom paper "_s + skipped.detail;
    case SkipReason::LargePaper:
        return skipped.detail + u" paper, larger than A4"_s;
    case SkipReason::OtherPaper:
        return skipped.detail + u" paper"_s;
    case SkipReason::MissingOriginal:
        return u"same as "_s + skipped.detail + u", which is not there"_s;
    }
    return {};
}

bool parseLength(const QString& text, double* millimetres) {
    static const QRegularExpression pattern(
        uR"(^\s*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)\s*(mm|cm|in|pt|pc)?\s*$)"_s);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    double factor = 25.4 / 72; // points
    if (unit == u"mm"_s)
        factor = 1;
    else if (unit == u"cm"_s)
        factor = 10;
    else if (unit == u"in"_s)
        factor = 25.4;
    else if (unit == u"pc"_s)
        factor = 25.4 / 6;
    *millimetres = value * factor;
    return std::isfinite(*millimetres);
}

SheetFileContents parseSheetFile(const QByteArray& bytes, const QString& source) {
    return Reader(bytes, source).read();
}

SheetFileContents readSheetFile(const QString& path) {
    // A pipe, a device or a huge file is refused without reading it.
    book::ReadError error;
    const std::optional<QByteArray> bytes = book::readFileBytes(path, &error);
    if (!bytes) {
        SheetFileContents contents;
        contents.error = error.describe();
        return contents;
    }
    return parseSheetFile(*bytes, path);
}

} // namespace labels
