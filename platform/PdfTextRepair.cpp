#include "platform/PdfTextRepair.h"

#include "platform/PdfTextObjects.h"
#include "platform/ToUnicodeMap.h"
#include "platform/UnifiedIdeographTable.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <exception>
#include <map>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

char32_t unifiedIdeograph(char32_t c) {
    const auto end = std::end(RadicalIdeographs);
    const auto found =
        std::lower_bound(std::begin(RadicalIdeographs), end, c,
                         [](const RadicalIdeograph& row, char32_t key) { return row.last < key; });
    return found != end && found->first <= c ? found->ideograph : c;
}

QByteArray bytesOf(QPDFObjectHandle stream) {
    const std::shared_ptr<Buffer> data = stream.getStreamData(qpdf_dl_generalized);
    return QByteArray(reinterpret_cast<const char*>(data->getBuffer()), qsizetype(data->getSize()));
}

// The TrueType program of a composite font, as its one descendant embeds it.
QByteArray embeddedFontFile(QPDFObjectHandle font) {
    QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
    if (!descendants.isArray() || descendants.getArrayNItems() < 1)
        return {};
    QPDFObjectHandle file =
        descendants.getArrayItem(0).getKey("/FontDescriptor").getKey("/FontFile2");
    return file.isStream() ? bytesOf(file) : QByteArray();
}

// A font of the PDF: its ToUnicode stream, the map as Qt wrote it, and the
// texts it is to give.
struct FontMaps {
    QPDFObjectHandle toUnicode;
    ToUnicodeMap map;
    PdfFontText texts;
};

// A glyph code of one font object of the PDF.
using FontCode = std::pair<QPDFObjGen, unsigned>;
// A glyph of a drawn run's font: the font's index in its DrawnText and the glyph.
using DrawnGlyph = std::pair<int, quint32>;

// A text object of a run found in a page: the codes it shows and what was
// typed for each.
struct FoundObject {
    PdfTextObject object;
    QList<FontCode> codes;
    QStringList texts;
    bool column = false; // a vertical column: read as one word, top to bottom
};

// What the drawn runs tell about one page.
struct FoundPage {
    QPDFObjectHandle contents;
    QByteArray content;
    std::map<FontCode, QString> typed; // codes first typed on this page
    QList<FoundObject> objects;
    QList<std::pair<PdfTextObject, QString>> spans; // text objects to give their text whole
};

// Which glyph each code is, both ways, as far as the pages matched so far tell.
struct GlyphCodes {
    std::map<FontCode, DrawnGlyph> glyphs;
    std::map<DrawnGlyph, FontCode> codes;

    // False when the pair contradicts what is known here or in known.
    bool agrees(const FontCode& code, const DrawnGlyph& glyph, const GlyphCodes* known) const {
        for (const GlyphCodes* pairs : {this, known}) {
            if (!pairs)
                continue;
            const auto byCode = pairs->glyphs.find(code);
            if (byCode != pairs->glyphs.end() && byCode->second != glyph)
                return false;
            const auto byGlyph = pairs->codes.find(glyph);
            if (byGlyph != pairs->codes.end() && byGlyph->second != code)
                return false;
        }
        return true;
    }
};

// Matches each page's text objects in order with the runs drawn on it. A
// page is taken only when every run up to the first incomplete one has a
// text object showing as many codes, each code's name in Qt's map leads to
// the glyph drawn through the font's character map, and no code stands for
// two glyphs or glyph for two codes; the rest of a page after an incomplete
// run, whose objects cannot be counted, is left as Qt named it.
std::map<int, FoundPage> findDrawnRuns(QPDF& document, const std::map<QPDFObjGen, FontMaps>& fonts,
                                       const DrawnText& drawn) {
    std::map<int, FoundPage> found;
    GlyphCodes known;
    std::map<FontCode, QString> typed;
    std::vector<QPDFObjectHandle> pages = document.getAllPages();
    for (int number = 0; number < int(pages.size()) && number < drawn.pageCount(); ++number) {
        FoundPage page;
        page.contents = pages[size_t(number)].getKey("/Contents");
        if (!page.contents.isStream())
            continue;
        page.content = bytesOf(page.contents);
        const QList<PdfTextObject> objects = textObjectsOf(page.content);
        QPDFObjectHandle resources =
            QPDFPageObjectHelper(pages[size_t(number)]).getAttribute("/Resources", false);
        QPDFObjectHandle fontResources =
            resources.isDictionary() ? resources.getKey("/Font") : QPDFObjectHandle::newNull();
        if (!fontResources.isDictionary())
            continue;
        GlyphCodes pairs;
        bool matched = true;
        qsizetype next = 0;
        for (const DrawnRun& run : drawn.runsOf(number)) {
            if (!run.complete)
                break;
            // Qt draws a line as one text object for each script in it.
            for (qsizetype first = 0; matched && first < run.glyphs.size();) {
                if (next >= objects.size() ||
                    first + objects[next].shown.size() > run.glyphs.size()) {
                    matched = false;
                    break;
                }
                const PdfTextObject& object = objects[next++];
                FoundObject foundObject{
                    object, {}, run.texts.mid(first, object.shown.size()), run.column};
                for (qsizetype i = 0; i < object.shown.size(); ++i) {
                    QPDFObjectHandle font =
                        fontResources.getKey("/" + object.shown[i].font.toStdString());
                    const auto maps =
                        font.isIndirect() ? fonts.find(font.getObjGen()) : fonts.end();
                    if (maps == fonts.end()) {
                        matched = false;
                        break;
                    }
                    const FontCode code{maps->first, object.shown[i].code};
                    const DrawnGlyph glyph{run.font, run.glyphs[first + i]};
                    const auto named = maps->second.map.texts.find(code.second);
                    const QString qtText =
                        named == maps->second.map.texts.end() ? QString() : named->second;
                    const bool unnamed = qtText.isEmpty() || qtText == QStringView(u"\0", 1);
                    if ((!unnamed && !drawn.fontMaps(run.font, qtText, glyph.second)) ||
                        !pairs.agrees(code, glyph, &known)) {
                        matched = false;
                        break;
                    }
                    pairs.glyphs[code] = glyph;
                    pairs.codes[glyph] = code;
                    foundObject.codes << code;
                    const QString& text = foundObject.texts[i];
                    // Glyph 0 stands for any character the font lacks.
                    if (glyph.second != 0 && !text.isEmpty() && !typed.count(code) &&
                        !page.typed.count(code))
                        page.typed[code] = text;
                }
                first += object.shown.size();
                if (!matched)
                    break;
                page.objects << foundObject;
            }
            if (!matched)
                break;
        }
        if (!matched)
            continue;
        known.glyphs.merge(pairs.glyphs);
        known.codes.merge(pairs.codes);
        typed.insert(page.typed.begin(), page.typed.end());
        found[number] = std::move(page);
    }
    return found;
}

} // namespace

QString unifiedIdeographText(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const char32_t unified = unifiedIdeograph(c);
        result += QString::fromUcs4(&unified, 1);
    }
    return result;
}

PdfTextRepairResult repairPdfText(const QByteArray& pdf, const QList<FontTextRule>& rules,
                                  const DrawnText& drawn) {
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("PDF", pdf.constData(), size_t(pdf.size()));
        std::map<QPDFObjGen, FontMaps> fonts;
        for (QPDFObjectHandle font : document.getAllObjects()) {
            if (!font.isDictionary() || !font.getKey("/Type").isNameAndEquals("/Font"))
                continue;
            QPDFObjectHandle toUnicode = font.getKey("/ToUnicode");
            if (!toUnicode.isStream())
                continue;
            FontMaps& maps = fonts[font.getObjGen()];
            maps.toUnicode = toUnicode;
            maps.map = readMap(bytesOf(toUnicode));
            QPDFObjectHandle baseFont = font.getKey("/BaseFont");
            maps.texts.fontName =
                baseFont.isName() ? QByteArray::fromStdString(baseFont.getName()) : QByteArray();
            // Only a rule reads the font program; without one it is not unpacked.
            if (!rules.isEmpty())
                maps.texts.fontFile = embeddedFontFile(font);
            maps.texts.texts = maps.map.texts;
            for (auto& [code, text] : maps.texts.texts)
                text = unifiedIdeographText(text);
            for (const FontTextRule& rule : rules)
                rule(maps.texts);
        }
        std::map<int, FoundPage> pages;
        if (!drawn.isEmpty())
            pages = findDrawnRuns(document, fonts, drawn);
        bool changed = false;
        for (auto& [number, page] : pages) {
            for (const auto& [code, text] : page.typed)
                fonts[code.first].texts.texts[code.second] = text;
        }
        for (auto& [number, page] : pages) {
            // A glyph typed as two characters keeps the first in the map; the
            // text objects that typed the other are given their text whole.
            for (const FoundObject& found : page.objects) {
                // A reader would give a column's glyphs one a line, as they
                // stand; as a span it copies and searches as the line typed.
                if (found.column) {
                    page.spans.append({found.object, found.texts.join(QString())});
                    continue;
                }
                for (qsizetype i = 0; i < found.texts.size(); ++i) {
                    const auto& texts = fonts[found.codes[i].first].texts.texts;
                    const auto text = texts.find(found.codes[i].second);
                    if (!found.texts[i].isEmpty() &&
                        (text == texts.end() || text->second != found.texts[i])) {
                        page.spans.append({found.object, found.texts.join(QString())});
                        break;
                    }
                }
            }
            if (page.spans.isEmpty())
                continue;
            page.contents.replaceStreamData(withActualTexts(page.content, page.spans).toStdString(),
                                            QPDFObjectHandle::newNull(),
                                            QPDFObjectHandle::newNull());
            changed = true;
        }
        for (auto& [font, maps] : fonts) {
            if (maps.texts.texts == maps.map.texts)
                continue;
            maps.map.texts = std::move(maps.texts.texts);
            maps.toUnicode.replaceStreamData(writeMap(maps.map).toStdString(),
                                             QPDFObjectHandle::newNull(),
                                             QPDFObjectHandle::newNull());
            changed = true;
        }
        if (!changed)
            return {pdf, {}};
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(true);
        writer.setDeterministicID(true);
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return {QByteArray(reinterpret_cast<const char*>(written->getBuffer()),
                           qsizetype(written->getSize())),
                {}};
    } catch (const std::exception& error) {
        return {pdf, u"PDFの文字情報を直せません: "_s + QString::fromUtf8(error.what())};
    }
}

} // namespace platform
