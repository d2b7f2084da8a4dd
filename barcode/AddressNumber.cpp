#include "barcode/AddressNumber.h"

#include "book/PostalCode.h"
#include "zip/PostalCode.h"

#include <QList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace barcode {

namespace {

const QString KanjiDigits = u"〇一二三四五六七八九"_s;

// Numbers written in kanji: digit by digit (一〇五) or with the unit
// characters (百五), and the old forms some towns still use (壱丁目).
bool isKanjiNumeral(QChar c) {
    return KanjiDigits.contains(c) || QStringLiteral("十百千壱弐参拾").contains(c);
}

int kanjiDigit(QChar c) {
    if (c == u'壱')
        return 1;
    if (c == u'弐')
        return 2;
    if (c == u'参')
        return 3;
    return int(KanjiDigits.indexOf(c));
}

// The value of a run of kanji numerals, as arabic digits.
QString kanjiNumberValue(const QString& run) {
    const bool positional = !run.contains(u'十') && !run.contains(u'百') && !run.contains(u'千') &&
                            !run.contains(u'拾');
    if (positional) {
        QString digits;
        for (QChar c : run)
            digits += QString::number(kanjiDigit(c));
        return digits;
    }
    int total = 0;
    int pending = -1;
    for (QChar c : run) {
        const int unit = c == u'十' || c == u'拾' ? 10 : c == u'百' ? 100 : c == u'千' ? 1000 : 0;
        if (unit == 0) {
            pending = kanjiDigit(c);
            continue;
        }
        // A unit alone counts once: 十二 is 12, 二十 is 20.
        total += (pending < 0 ? 1 : pending) * unit;
        pending = -1;
    }
    if (pending >= 0)
        total += pending;
    return QString::number(total);
}

// The characters after which a number in kanji is an address number and
// becomes digits; longest first, so that 丁目 is taken before 丁.
const QStringList NumberMarkers = {u"丁目"_s, u"番地"_s, u"地割"_s, u"丁"_s, u"番"_s,
                                   u"号"_s,   u"線"_s,   u"の"_s,   u"ノ"_s};

bool markerAt(const QString& text, qsizetype at) {
    for (const QString& marker : NumberMarkers)
        if (text.mid(at, marker.size()) == marker)
            return true;
    return false;
}

// Kanji numerals in front of 丁目, 番地, 号 and the like are written as digits:
// 四丁目 is 4. Elsewhere (a building's name) they are left as kanji.
QString kanjiNumbersAsDigits(const QString& text) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isKanjiNumeral(text[i])) {
            out += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isKanjiNumeral(text[end]))
            ++end;
        const QString run = text.mid(i, end - i);
        out += markerAt(text, end) ? kanjiNumberValue(run) : run;
        i = end;
    }
    return out;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isLetter(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// Full-width digits and letters as ASCII, half-width kana as full-width;
// a dash typed beside a digit as the hyphen (an input method gives ー or −).
QString normalized(const QString& text) {
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    QString out = folded;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        if (!book::isHyphenLookAlike(folded[i]))
            continue;
        const bool digitBefore = i > 0 && isDigit(folded[i - 1]);
        const bool digitAfter = i + 1 < folded.size() && isDigit(folded[i + 1]);
        if (digitBefore || digitAfter || folded[i] != u'ー')
            out[i] = u'-';
    }
    return out;
}

} // namespace

QString addressNumberOf(const QString& afterTown) {
    // Rules 1 and 2: lower-case letters as capitals; &, /, ・ and . dropped,
    // so that "A&b" reads as the two letters "AB", a name and not a number.
    QString text;
    for (QChar c : normalized(afterTown)) {
        if (c == u'&' || c == u'/' || c == u'・' || c == u'.')
            continue;
        text += c.toUpper();
    }
    text = kanjiNumbersAsDigits(text);

    // Rules 3 to 6: digits, hyphens and single letters are kept; whatever
    // stands between them (kanji, kana, blanks, words of two or more letters)
    // becomes one hyphen; none at the start.
    QString number;
    bool parted = false;
    auto keep = [&](QChar c) {
        if (parted && !number.isEmpty() && !number.endsWith(u'-') && c != u'-')
            number += u'-';
        if (c != u'-' || (!number.isEmpty() && !number.endsWith(u'-')))
            number += c;
        parted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c) || c == u'-') {
            keep(c);
            continue;
        }
        if (isLetter(c)) {
            const bool inWord =
                (i > 0 && isLetter(text[i - 1])) || (i + 1 < text.size() && isLetter(text[i + 1]));
            // An F after a number is a floor (2F): it parts like a word.
            const bool floor = c == u'F' && i > 0 && isDigit(text[i - 1]);
            if (!inWord && !floor) {
                keep(c);
                continue;
            }
        }
        parted = true;
    }
    // A letter needs no hyphen beside it: 5-B604 is written 5B604, and a
    // number ends with its last digit or letter.
    QString tidy;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const bool letterBeside = (i > 0 && isLetter(number[i - 1])) ||
                                  (i + 1 < number.size() && isLetter(number[i + 1]));
        if (number[i] == u'-' && (letterBeside || i + 1 == number.size()))
            continue;
        tidy += number[i];
    }
    return tidy;
}

QString addressAfterTown(const QStringList& lines, const zip::ZipAddressList& places) {
    // The address with a blank between its lines, and the same text as the
    // directory's names compare (no blanks, ヶ as ケ) with the place each
    // compared character came from.
    const QString address = normalized(lines.join(u' '));
    QString compact;
    QList<qsizetype> origin;
    for (qsizetype i = 0; i < address.size(); ++i) {
        const QString one = zip::comparableAddress(address.mid(i, 1));
        for (QChar c : one) {
            compact += c;
            origin << i;
        }
    }
    // Where a name ends in the address, searched from a compared position on;
    // -1 when it is not there. The result is a position in the address.
    auto after = [&](const QString& name, qsizetype from) -> qsizetype {
        const QString key = zip::comparableAddress(name);
        const qsizetype at = key.isEmpty() ? -1 : compact.indexOf(key, from);
        return at < 0 ? -1 : origin[at + key.size() - 1] + 1;
    };

    qsizetype municipalityEnd = -1;
    for (const zip::ZipAddress& place : places)
        municipalityEnd = std::max(municipalityEnd, after(place.municipality, 0));
    // The town is looked for after the municipality, so that the 中央 of
    // 中央区 is not taken for a town 中央; the longest found wins: 西三番町
    // over 三番町.
    const qsizetype searchFrom =
        municipalityEnd < 0
            ? 0
            : std::lower_bound(origin.begin(), origin.end(), municipalityEnd) - origin.begin();
    qsizetype townEnd = -1;
    qsizetype longest = 0;
    for (const zip::ZipAddress& place : places) {
        const qsizetype end = after(place.town, searchFrom);
        if (end >= 0 && place.town.size() > longest) {
            longest = place.town.size();
            townEnd = end;
        }
    }
    if (townEnd >= 0)
        return address.mid(townEnd);

    // The town is not written as the directory has it (or the code is the
    // municipality's own): its name is taken to run up to the first digit,
    // or to a number in kanji before 丁目, 番地 and the like (三丁目), but not
    // a name such as 三番町.
    const QString rest = address.mid(std::max<qsizetype>(municipalityEnd, 0));
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (isDigit(rest[i]))
            return rest.mid(i);
        if (!isKanjiNumeral(rest[i]))
            continue;
        qsizetype end = i;
        while (end < rest.size() && isKanjiNumeral(rest[end]))
            ++end;
        if (markerAt(rest, end) && rest.mid(end, 2) != u"番町"_s && rest.mid(end, 2) != u"丁町"_s)
            return rest.mid(i);
        i = end - 1;
    }
    return {};
}

} // namespace barcode
