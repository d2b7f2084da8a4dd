#pragma once

#include "exchange/Contact.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace exchange {

// What one column of a CSV file gives. Several columns of one role are
// joined in column order; the parts of a line in the order listed here
// (都道府県 before 市区町村 whatever the file's order). In each row the
// whole name wins over its parts, a whole line over its parts.
enum class ColumnRole {
    Unused,
    Name,       // the whole name
    FamilyName, // 姓: with 名, the name when no column gives it whole
    GivenName,
    JointName, // 連名: one more person on the card
    Company,
    Department,
    Title,
    Address1, // line 1, or a whole address on one line
    Prefecture,
    City,
    Address2,
    Town,
    Street,
    Address3,
    Building,
    Room,
    CareOf, // 方書
    PostalCode,
    AddressLabel, // "Home" / "Work": whose address the row's address is
    Code,
    Honorific,
};

struct ColumnUse {
    ColumnRole role = ColumnRole::Unused;
    int address = 0; // which of a row's addresses an address role feeds

    bool operator==(const ColumnUse&) const = default;
};

// What each column of a CSV file gives, 0-based.
struct CsvColumns {
    QList<ColumnUse> uses;
    QList<AddressKind> addressKinds; // each address's kind as its headers say it
    bool ownExport = false;          // the header this program's export writes

    ColumnUse use(int column) const { return uses.value(column); }
    // True when some column gives a name or an address.
    bool namesAnything() const;
};

// The columns named by a header row: Japanese and English headers of mail
// programs, office suites, contacts services and postcard programs — 氏名
// 名前 宛名, 姓 + 名 (姓1 名1, 名前（姓）), 連名 名2, 会社 会社名 部署 役職,
// 住所1–3, 住所, 都道府県 市区町村 番地 建物名 マンション名 部屋番号 方書,
// 郵便番号 〒, 敬称, コード メモ, each address column also behind 自宅 or
// 勤務先 (Home / Business), and Address 1 - Street … with its Type or Label.
// nullopt when no cell is such a name.
std::optional<CsvColumns> columnsFromHeader(const QStringList& header);

// The columns of a typed mapping "name=2+3,zip=5,address1=4" (1-based; a
// "+" joins columns; keys name, joint, company, address1, address2,
// address3, zip, code, honorific); nullopt with an English reason for an
// unknown key, a column that is not a positive number or a key given twice.
std::optional<CsvColumns> columnsFromMapping(const QString& mapping, QString* reason);

} // namespace exchange
