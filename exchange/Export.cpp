#include "exchange/Export.h"

#include "exchange/CsvText.h"
#include "exchange/ImportedCard.h"

#include "book/Cp932.h"
#include "book/JointNames.h"

#include <QFileInfo>

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

// The ADR value: address 1 as region, 2 as street, 3 as extended address.
QString adrValue(const book::AddressCard& card) {
    return u";"_s + escaped(card.address3) + u';' + escaped(card.address2) + u";;"_s +
           escaped(card.address1) + u';' + escaped(card.postalCode) + u";"_s;
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
        bytes += contentLine(u"ADR:"_s + adrValue(card));
        bytes += contentLine(u"X-TAGORA-CODE:"_s + escaped(card.code));
        bytes += contentLine(u"X-TAGORA-HONORIFIC:"_s + escaped(card.honorific));
        bytes += "END:VCARD\r\n";
    }
    return bytes;
}

QByteArray formatVCards3(const book::CardList& cards) {
    QByteArray bytes;
    for (const book::AddressCard& card : cards) {
        const QString honorific = honorificTextForExport(card.honorific);
        bytes += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        bytes += contentLine(u"FN:"_s + escaped(card.name));
        if (honorific == u"御中"_s) {
            bytes += contentLine(u"N:;;;;"_s);
            bytes += contentLine(u"ORG:"_s + escaped(card.name));
            bytes += "X-ABShowAs:COMPANY\r\n";
        } else {
            // Import reads an empty suffix as 様 and なし as none.
            const QString suffix = honorific == u"様"_s  ? QString()
                                   : honorific.isEmpty() ? u"なし"_s
                                                         : honorific;
            const qsizetype space = card.name.indexOf(u'\u3000');
            const QString family = space < 0 ? card.name : card.name.left(space);
            const QString given = space < 0 ? QString() : card.name.mid(space + 1);
            bytes += contentLine(u"N:"_s + escaped(family) + u';' + escaped(given) + u";;;"_s +
                                 escaped(suffix));
        }
        bytes += contentLine(u"ADR;TYPE=HOME:"_s + adrValue(card));
        if (!card.code.isEmpty())
            bytes += contentLine(u"X-TAGORA-CODE:"_s + escaped(card.code));
        bytes += "END:VCARD\r\n";
    }
    return bytes;
}

std::optional<QByteArray> formatPostcardCsv(const book::CardList& cards) {
    constexpr int JointColumns = book::MostJointNames - 1;
    QString text = u"氏名,敬称,郵便番号,住所1,住所2,住所3,連名1,連名2,連名3,メモ\r\n"_s;
    for (const book::AddressCard& card : cards) {
        QStringList names = card.name.split(book::JointNameSeparator);
        QStringList joint = names.mid(1, JointColumns);
        if (names.size() > 1 + JointColumns)
            joint.last() = names.mid(JointColumns).join(book::JointNameSeparator);
        while (joint.size() < JointColumns)
            joint << QString();
        const QString honorific = honorificTextForExport(card.honorific);
        QStringList cells{names.first(),   honorific.isEmpty() ? u"なし"_s : honorific,
                          card.postalCode, card.address1,
                          card.address2,   card.address3};
        cells << joint << card.code;
        for (QString& cell : cells)
            cell = csvCell(cell);
        text += cells.join(u',') + u"\r\n"_s;
    }
    return book::encodeCp932(text);
}

std::optional<ExportFormat> exportFormatNamed(const QString& name) {
    const QString key = name.toLower();
    if (key == u"csv"_s)
        return ExportFormat::Csv;
    if (key == u"vcard"_s || key == u"vcard4"_s)
        return ExportFormat::VCard4;
    if (key == u"vcard3"_s)
        return ExportFormat::VCard3;
    if (key == u"postcard"_s)
        return ExportFormat::PostcardCsv;
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"csv"_s)
        return ExportFormat::Csv;
    if (suffix == u"vcf"_s || suffix == u"vcard"_s)
        return ExportFormat::VCard4;
    return std::nullopt;
}

std::optional<QByteArray> formatExport(ExportFormat format, const book::CardList& cards,
                                       const CsvExtraColumns& extra) {
    switch (format) {
    case ExportFormat::Csv:
        return formatCsv(cards, extra);
    case ExportFormat::VCard4:
        return formatVCards(cards);
    case ExportFormat::VCard3:
        return formatVCards3(cards);
    case ExportFormat::PostcardCsv:
        return formatPostcardCsv(cards);
    }
    return std::nullopt;
}

} // namespace exchange
