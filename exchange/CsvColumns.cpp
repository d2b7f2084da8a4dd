#include "exchange/CsvColumns.h"

#include <QHash>

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// A header as it is compared: trimmed, lower case, full-width digits and
// letters half-width (住所１ is 住所1), spaces around a hyphen evened out.
QString headerKey(const QString& cell) {
    QString key = cell.trimmed();
    if (key.startsWith(QChar(0xfeff)))
        key.remove(0, 1);
    for (QChar& c : key) {
        if (c.unicode() >= 0xff01 && c.unicode() <= 0xff5e)
            c = QChar(c.unicode() - 0xfee0);
        else if (c == u'　')
            c = u' ';
    }
    return key.simplified().toLower();
}

// Each field's header names, the most telling first.
struct HeaderNames {
    int CsvColumns::*column;
    std::initializer_list<const char16_t*> names;
};

const HeaderNames Headers[] = {
    {&CsvColumns::name, {u"氏名", u"名前", u"宛名", u"name", u"full name"}},
    {&CsvColumns::familyName, {u"姓", u"family name", u"last name"}},
    {&CsvColumns::givenName, {u"名", u"given name", u"first name"}},
    {&CsvColumns::company, {u"会社名", u"organization 1 - name", u"organization name", u"company"}},
    {&CsvColumns::address1, {u"住所1", u"住所"}},
    {&CsvColumns::address2, {u"住所2"}},
    {&CsvColumns::address3, {u"住所3"}},
    {&CsvColumns::prefecture, {u"都道府県", u"address 1 - region"}},
    {&CsvColumns::city, {u"市区町村", u"address 1 - city"}},
    {&CsvColumns::street, {u"番地", u"address 1 - street"}},
    {&CsvColumns::building, {u"建物名", u"address 1 - extended address"}},
    {&CsvColumns::postalCode, {u"郵便番号", u"〒", u"address 1 - postal code"}},
    {&CsvColumns::code, {u"コード", u"メモ"}},
    {&CsvColumns::honorific, {u"敬称"}},
};

} // namespace

bool CsvColumns::namesAnything() const {
    for (const int column : {name, familyName, givenName, company, address1, address2, address3,
                             prefecture, city, street, building, postalCode})
        if (column >= 0)
            return true;
    return false;
}

std::optional<CsvColumns> columnsFromHeader(const QStringList& header) {
    QHash<QString, int> columnOf;
    for (int i = 0; i < header.size(); ++i) {
        const QString key = headerKey(header.at(i));
        if (!columnOf.contains(key))
            columnOf.insert(key, i);
    }
    CsvColumns columns;
    bool found = false;
    for (const HeaderNames& field : Headers) {
        for (const char16_t* name : field.names) {
            const auto it = columnOf.constFind(QString::fromUtf16(name));
            if (it != columnOf.constEnd()) {
                columns.*field.column = it.value();
                found = true;
                break;
            }
        }
    }
    if (!found)
        return std::nullopt;
    return columns;
}

std::optional<CsvColumns> columnsFromMapping(const QString& mapping, QString* reason) {
    static const QHash<QString, int CsvColumns::*> keys{
        {u"name"_s, &CsvColumns::name},         {u"address1"_s, &CsvColumns::address1},
        {u"address2"_s, &CsvColumns::address2}, {u"address3"_s, &CsvColumns::address3},
        {u"zip"_s, &CsvColumns::postalCode},    {u"code"_s, &CsvColumns::code},
        {u"honorific"_s, &CsvColumns::honorific},
    };
    CsvColumns columns;
    QStringList seen;
    for (const QString& part : mapping.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(u'=');
        const QString key = part.left(equals).trimmed().toLower();
        const auto it = keys.constFind(key);
        if (equals < 0 || it == keys.constEnd()) {
            if (reason)
                *reason = u"unknown mapping key \"%1\" (keys: name, address1, address2, address3, zip, code, honorific)"_s
                              .arg(part.left(equals).trimmed());
            return std::nullopt;
        }
        bool ok = false;
        const int column = part.mid(equals + 1).trimmed().toInt(&ok);
        if (!ok || column < 1) {
            if (reason)
                *reason = u"mapping %1 needs a column number from 1"_s.arg(key);
            return std::nullopt;
        }
        if (seen.contains(key)) {
            if (reason)
                *reason = u"mapping key %1 is given twice"_s.arg(key);
            return std::nullopt;
        }
        seen << key;
        columns.*(it.value()) = column - 1;
    }
    if (!columns.namesAnything()) {
        if (reason)
            *reason = u"the mapping names no name, address or postal code column"_s;
        return std::nullopt;
    }
    return columns;
}

} // namespace exchange
