#include "platform/VerticalGlyphText.h"

#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <QMap>
#include <QRegularExpression>

#include <exception>
#include <optional>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

quint32 readBig(const QByteArray& data, qsizetype offset, int bytes) {
    if (offset < 0 || offset + bytes > data.size())
        return 0;
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | quint8(data[offset + i]);
    return value;
}

// What identifies a glyph in a subset: its number of contours and its
// bounding box in font units, the first ten bytes of its glyf entry. Qt's
// PDF writer rebuilds each glyph from its outline, so the rest of the bytes
// differ from the font's, and the box may be a unit off where it rounds.
std::optional<GlyphShape> shapeOf(const QByteArray& bytes) {
    if (bytes.size() < 10)
        return std::nullopt;
    GlyphShape shape;
    shape.contours = qint16(readBig(bytes, 0, 2));
    for (int i = 0; i < 4; ++i)
        shape.box[i] = qint16(readBig(bytes, 2 + 2 * i, 2));
    return shape;
}

// How far apart two boxes are, or -1 for glyphs of different contours.
int distance(const GlyphShape& a, const GlyphShape& b) {
    if (a.contours != b.contours)
        return -1;
    int most = 0;
    for (int i = 0; i < 4; ++i)
        most = qMax(most, qAbs(int(a.box[i]) - int(b.box[i])));
    return most;
}

constexpr int RoundingUnits = 2;

QString fromUtf16Hex(const QString& hex) {
    QString text;
    for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
        text += QChar(char16_t(hex.mid(i, 4).toUShort(nullptr, 16)));
    return text;
}

QByteArray glyphBytes(const QByteArray& loca, const QByteArray& glyf, bool longOffsets, quint32 glyph) {
    const qsizetype start = longOffsets ? readBig(loca, qsizetype(glyph) * 4, 4) : readBig(loca, qsizetype(glyph) * 2, 2) * 2;
    const qsizetype end =
        longOffsets ? readBig(loca, qsizetype(glyph + 1) * 4, 4) : readBig(loca, qsizetype(glyph + 1) * 2, 2) * 2;
    if (end <= start || end > glyf.size())
        return {};
    return glyf.mid(start, end - start);
}

// The tables of a TrueType font file, by tag.
QHash<QByteArray, QByteArray> tablesOfFile(const QByteArray& file) {
    QHash<QByteArray, QByteArray> tables;
    const int count = int(readBig(file, 4, 2));
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 12 + 16 * qsizetype(i);
        if (entry + 16 > file.size())
            break;
        const qsizetype offset = readBig(file, entry + 8, 4);
        const qsizetype length = readBig(file, entry + 12, 4);
        if (offset + length <= file.size())
            tables.insert(file.mid(entry, 4), file.mid(offset, length));
    }
    return tables;
}

QString hex4(quint32 value) {
    return u"%1"_s.arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString utf16Hex(const QString& text) {
    QString hex;
    for (const QChar c : text)
        hex += hex4(c.unicode());
    return hex;
}

// The bfchar and bfrange entries of a ToUnicode CMap, as code -> UTF-16 hex.
QMap<quint32, QString> readCMap(const QString& cmap) {
    QMap<quint32, QString> map;
    static const QRegularExpression charBlock(u"beginbfchar(.*?)endbfchar"_s,
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression pair(u"<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]*)>"_s);
    for (auto blocks = charBlock.globalMatch(cmap); blocks.hasNext();) {
        const QString body = blocks.next().captured(1);
        for (auto pairs = pair.globalMatch(body); pairs.hasNext();) {
            const auto match = pairs.next();
            map.insert(match.captured(1).toUInt(nullptr, 16), match.captured(2).toUpper());
        }
    }
    static const QRegularExpression rangeBlock(u"beginbfrange(.*?)endbfrange"_s,
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression range(
        u"<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(?:<([0-9A-Fa-f]+)>|\\[([^\\]]*)\\])"_s);
    static const QRegularExpression item(u"<([0-9A-Fa-f]*)>"_s);
    for (auto blocks = rangeBlock.globalMatch(cmap); blocks.hasNext();) {
        const QString body = blocks.next().captured(1);
        for (auto ranges = range.globalMatch(body); ranges.hasNext();) {
            const auto match = ranges.next();
            const quint32 first = match.captured(1).toUInt(nullptr, 16);
            const quint32 last = match.captured(2).toUInt(nullptr, 16);
            if (last < first || last - first > 0xFFFF)
                continue;
            if (!match.captured(3).isEmpty()) {
                // Consecutive codes map to consecutive values of the last UTF-16 unit.
                QString start = match.captured(3).toUpper();
                const quint32 lastUnit = start.right(4).toUInt(nullptr, 16);
                const QString head = start.left(start.size() - 4);
                for (quint32 code = first; code <= last; ++code)
                    map.insert(code, head + hex4((lastUnit + code - first) & 0xFFFF));
            } else {
                quint32 code = first;
                for (auto items = item.globalMatch(match.captured(4)); items.hasNext() && code <= last; ++code)
                    map.insert(code, items.next().captured(1).toUpper());
            }
        }
    }
    return map;
}

QString writeCMap(const QMap<quint32, QString>& map) {
    QString cmap = u"/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                   "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                   "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                   "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n"_s;
    // A CMap block holds at most 100 entries.
    QList<std::pair<quint32, QString>> entries;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (!it.value().isEmpty())
            entries.append({it.key(), it.value()});
    for (qsizetype start = 0; start < entries.size(); start += 100) {
        const qsizetype count = qMin<qsizetype>(100, entries.size() - start);
        cmap += QString::number(count) + u" beginbfchar\n"_s;
        for (qsizetype i = start; i < start + count; ++i)
            cmap += u"<"_s + hex4(entries[i].first) + u"> <"_s + entries[i].second + u">\n"_s;
        cmap += u"endbfchar\n"_s;
    }
    cmap += u"endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n"_s;
    return cmap;
}

std::string bytesOf(const QByteArray& data) {
    return std::string(data.constData(), size_t(data.size()));
}

} // namespace

const VerticalGlyphText::FontTables& VerticalGlyphText::tablesOf(const QRawFont& font) {
    const QString key = font.familyName() + u'\n' + font.styleName();
    auto found = m_tables.constFind(key);
    if (found == m_tables.constEnd()) {
        FontTables tables;
        tables.loca = font.fontTable("loca");
        tables.glyf = font.fontTable("glyf");
        tables.longOffsets = readBig(font.fontTable("head"), 50, 2) == 1;
        found = m_tables.insert(key, tables);
    }
    return *found;
}

void VerticalGlyphText::note(const QRawFont& font, quint32 glyph, const QString& text) {
    const QString key = font.familyName() + u'\n' + font.styleName() + u'\n' + QString::number(glyph);
    if (m_noted.contains(key))
        return;
    m_noted.insert(key);
    const FontTables& tables = tablesOf(font);
    // A blank glyph has no outline to be found by.
    if (const std::optional<GlyphShape> shape = shapeOf(glyphBytes(tables.loca, tables.glyf, tables.longOffsets, glyph)))
        m_glyphs.append({*shape, text});
}

QByteArray VerticalGlyphText::repair(const QByteArray& pdf, QString* error) const {
    if (m_glyphs.isEmpty())
        return pdf;
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        const std::string input = bytesOf(pdf);
        document.processMemoryFile("document.pdf", input.data(), input.size());
        bool changed = false;
        for (QPDFObjectHandle font : document.getAllObjects()) {
            if (!font.isDictionary() || !font.getKey("/Subtype").isNameAndEquals("/Type0"))
                continue;
            QPDFObjectHandle toUnicode = font.getKey("/ToUnicode");
            QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
            if (!toUnicode.isStream() || !descendants.isArray() || descendants.getArrayNItems() < 1)
                continue;
            QPDFObjectHandle file = descendants.getArrayItem(0).getKey("/FontDescriptor").getKey("/FontFile2");
            if (!file.isStream())
                continue;
            const std::shared_ptr<Buffer> fileData = file.getStreamData(qpdf_dl_generalized);
            const QByteArray subset(reinterpret_cast<const char*>(fileData->getBuffer()), qsizetype(fileData->getSize()));
            const QHash<QByteArray, QByteArray> tables = tablesOfFile(subset);
            const QByteArray loca = tables.value("loca");
            const QByteArray glyf = tables.value("glyf");
            const bool longOffsets = readBig(tables.value("head"), 50, 2) == 1;
            const quint32 glyphCount = quint32(loca.size() / (longOffsets ? 4 : 2));
            QMap<quint32, QString> found;
            for (quint32 glyph = 0; glyph + 1 < glyphCount; ++glyph) {
                const std::optional<GlyphShape> shape = shapeOf(glyphBytes(loca, glyf, longOffsets, glyph));
                if (!shape)
                    continue;
                int nearest = RoundingUnits + 1;
                for (const NotedGlyph& noted : m_glyphs) {
                    const int apart = distance(*shape, noted.shape);
                    if (apart >= 0 && apart < nearest) {
                        nearest = apart;
                        found.insert(glyph, utf16Hex(noted.text));
                    }
                }
            }
            if (found.isEmpty())
                continue;
            const std::shared_ptr<Buffer> cmapData = toUnicode.getStreamData(qpdf_dl_generalized);
            QMap<quint32, QString> cmap = readCMap(QString::fromLatin1(
                reinterpret_cast<const char*>(cmapData->getBuffer()), qsizetype(cmapData->getSize())));
            // A glyph keeps the text Qt gave it unless that is missing or a
            // compatibility form of the same character (the font maps the
            // vertical presentation forms, "︹" U+FE41 for "「", to some).
            for (auto it = found.cbegin(); it != found.cend(); ++it) {
                const QString usual = fromUtf16Hex(cmap.value(it.key()));
                const QString wanted = fromUtf16Hex(it.value());
                if (usual.isEmpty() || usual == u"\0"_s ||
                    usual.normalized(QString::NormalizationForm_KC) == wanted.normalized(QString::NormalizationForm_KC))
                    cmap.insert(it.key(), it.value());
            }
            toUnicode.replaceStreamData(writeCMap(cmap).toStdString(), QPDFObjectHandle::newNull(),
                                        QPDFObjectHandle::newNull());
            changed = true;
        }
        if (!changed)
            return pdf;
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setCompressStreams(true);
        writer.write();
        const std::shared_ptr<Buffer> output = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(output->getBuffer()), qsizetype(output->getSize()));
    } catch (const std::exception& exception) {
        if (error)
            *error = QString::fromLocal8Bit(exception.what());
        return pdf;
    }
}

} // namespace platform
