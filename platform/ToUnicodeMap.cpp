#include "platform/ToUnicodeMap.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

QString textOfHex(const QByteArray& hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t((uchar(bytes[i]) << 8) | uchar(bytes[i + 1])));
    return text;
}

QByteArray hexOfText(const QString& text) {
    QByteArray hex;
    for (QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
    return hex;
}

// The tokens of a map's text: hex strings (without their brackets), "[", "]" and words.
QList<QByteArray> tokensOf(const QByteArray& text) {
    QList<QByteArray> tokens;
    for (qsizetype i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '<' && i + 1 < text.size() && text[i + 1] != '<') {
            const qsizetype end = text.indexOf('>', i);
            if (end < 0)
                break;
            tokens << text.mid(i + 1, end - i - 1).simplified().replace(' ', "");
            i = end + 1;
        } else if (c == '[' || c == ']') {
            tokens << QByteArray(1, c);
            ++i;
        } else if (QChar::isSpace(uchar(c))) {
            ++i;
        } else {
            qsizetype end = i;
            while (end < text.size() && !QChar::isSpace(uchar(text[end])) && text[end] != '<' &&
                   text[end] != '[' && text[end] != ']')
                ++end;
            tokens << text.mid(i, qMax<qsizetype>(1, end - i));
            i = qMax(end, i + 1);
        }
    }
    return tokens;
}

} // namespace

ToUnicodeMap readMap(const QByteArray& text) {
    ToUnicodeMap map;
    const int spaceStart = text.indexOf("begincodespacerange");
    const int spaceEnd = text.indexOf("endcodespacerange");
    if (spaceStart >= 0 && spaceEnd > spaceStart)
        map.codespace = text.mid(spaceStart + 19, spaceEnd - spaceStart - 19).trimmed();
    const QList<QByteArray> tokens = tokensOf(text);
    enum class Block { None, Chars, Ranges } block = Block::None;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QByteArray& token = tokens[i];
        if (token == "beginbfchar") {
            block = Block::Chars;
        } else if (token == "beginbfrange") {
            block = Block::Ranges;
        } else if (token == "endbfchar" || token == "endbfrange") {
            block = Block::None;
        } else if (block == Block::Chars && i + 1 < tokens.size()) {
            map.codeDigits = qMax(map.codeDigits, int(token.size()));
            map.texts[token.toUInt(nullptr, 16)] = textOfHex(tokens[++i]);
        } else if (block == Block::Ranges && i + 2 < tokens.size()) {
            map.codeDigits = qMax(map.codeDigits, int(token.size()));
            const unsigned low = token.toUInt(nullptr, 16);
            const unsigned high = tokens[i + 1].toUInt(nullptr, 16);
            i += 2;
            if (tokens[i] == "[") {
                for (unsigned code = low; ++i < tokens.size() && tokens[i] != "]"; ++code)
                    map.texts[code] = textOfHex(tokens[i]);
            } else {
                // One destination: the last code unit counts up through the range.
                const QString first = textOfHex(tokens[i]);
                for (unsigned code = low; code <= high && code - low < 0x10000 && !first.isEmpty();
                     ++code) {
                    QString text = first;
                    text.back() = QChar(char16_t(first.back().unicode() + (code - low)));
                    map.texts[code] = text;
                }
            }
        }
    }
    return map;
}

QByteArray writeMap(const ToUnicodeMap& map) {
    QByteArray text =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n1 begincodespacerange\n" +
        map.codespace + "\nendcodespacerange\n";
    // A block holds at most 100 entries.
    auto it = map.texts.begin();
    while (it != map.texts.end()) {
        QByteArray entries;
        int count = 0;
        for (; it != map.texts.end() && count < 100; ++it) {
            if (it->second.isEmpty())
                continue;
            entries +=
                '<' +
                QByteArray::number(it->first, 16).toUpper().rightJustified(map.codeDigits, '0') +
                "> <" + hexOfText(it->second) + ">\n";
            ++count;
        }
        if (count > 0)
            text += QByteArray::number(count) + " beginbfchar\n" + entries + "endbfchar\n";
    }
    text += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return text;
}

} // namespace platform
