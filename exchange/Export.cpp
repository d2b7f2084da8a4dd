#include "exchange/Export.h"

#include "exchange/CsvText.h"
#include "exchange/ImportedCard.h"

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// A vCard text value with \ , ; and line breaks escaped.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';')
            out += u'\\';
        if (c == u'\n') {
            out += u"\\n"_s;
            continue;
        }
        if (c == u'\r')
            continue;
        out += c;
    }
    return out;
}

// One content line, folded so that no line is longer than 75 bytes, cut
// between characters (a fold never splits a UTF-8 sequence).
QByteArray contentLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    QByteArray folded;
    qsizetype lineBytes = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        qsizetype length = 1;
        const uchar lead = uchar(bytes[i]);
        if (lead >= 0xf0)
            length = 4;
        else if (lead >= 0xe0)
            length = 3;
        else if (lead >= 0xc0)
            length = 2;
        if (lineBytes + length > 75) {
            folded += "\r\n ";
            lineBytes = 1;
        }
        folded += bytes.mid(i, length);
        lineBytes += length;
        i += length;
    }
    return folded + "\r\n";
}

} // namespace

QByteArray formatCsv(const book::CardList& cards, const CsvExtraColumns& extra) {
    QString text = u"\uFEFF宛名,住所1,住所2,住所3,郵便番号,コード,敬称"_s;
    for (const QString& heading : extra.header)
        text += u',' + csvCell(heading);
    text += u"\r\n"_s;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const book::AddressCard& card = cards.at(i);
        QStringList cells;
        for (int field = 1; field < book::AddressCard::FieldCount; ++field)
            cells << csvCell(formulaEscaped(card.field(field)));
        cells << csvCell(honorificTextForExport(card.honorific));
        for (const QString& cell : extra.rows.value(i))
            cells << csvCell(formulaEscaped(cell));
        text += cells.join(u',') + u"\r\n"_s;
    }
    return text.toUtf8();
}

QByteArray formatVCards(const book::CardList& cards) {
    QByteArray bytes;
    for (const book::AddressCard& card : cards) {
        bytes += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        bytes += contentLine(u"FN:"_s + escaped(card.name));
        bytes += contentLine(u"N:"_s + escaped(card.name) + u";;;;"_s);
        bytes += contentLine(u"ADR:;"_s + escaped(card.address3) + u';' + escaped(card.address2) +
                             u";;"_s + escaped(card.address1) + u';' + escaped(card.postalCode) +
                             u";"_s);
        bytes += contentLine(u"X-TAGORA-CODE:"_s + escaped(card.code));
        bytes += contentLine(u"X-TAGORA-HONORIFIC:"_s + escaped(card.honorific));
        bytes += "END:VCARD\r\n";
    }
    return bytes;
}

} // namespace exchange
