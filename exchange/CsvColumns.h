#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace exchange {

// Which 0-based column of a CSV file holds what; -1 where none does. The
// whole-name and whole-address columns win over the parts they are made of.
struct CsvColumns {
    int name = -1;
    int familyName = -1;
    int givenName = -1;
    int company = -1;
    int address1 = -1;
    int address2 = -1;
    int address3 = -1;
    int prefecture = -1;
    int city = -1;
    int street = -1;
    int building = -1;
    int postalCode = -1;
    int code = -1;
    int honorific = -1;

    // True when some column gives a name or an address.
    bool namesAnything() const;
};

// The columns named by a header row: 氏名 名前 宛名, 姓 + 名, 会社名, 住所1–3
// (also 住所１…), 住所, 都道府県 + 市区町村, 番地, 建物名, 郵便番号 〒, 敬称,
// コード メモ, and a contacts service's English headers (Name, Given Name,
// Family Name, Address 1 - Region …). nullopt when no cell is such a name.
std::optional<CsvColumns> columnsFromHeader(const QStringList& header);

// The columns of a typed mapping "name=2,zip=5,address1=3" (1-based; keys
// name, address1, address2, address3, zip, code, honorific); nullopt with an
// English reason for an unknown key, a column that is not a positive number
// or a key given twice.
std::optional<CsvColumns> columnsFromMapping(const QString& mapping, QString* reason);

} // namespace exchange
