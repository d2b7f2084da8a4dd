#pragma once

#include "book/AddressCard.h"
#include "exchange/SeasonCsv.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace exchange {

// The cards as CSV: UTF-8 with a byte-order mark, CR LF, the header
// 宛名,住所1,住所2,住所3,郵便番号,コード,敬称 and the honorific as its text
// (honorificTextForExport). readCsv gives the same cards back.
// extra (the season's record) adds columns after the seven.
QByteArray formatCsv(const book::CardList& cards, const CsvExtraColumns& extra = {});

// The cards as vCard 4.0, UTF-8, CR LF, lines folded at 75 bytes. The name
// is N's family name and FN, the address one ADR (address 1 as region, address 2 as
// street, address 3 as extended address); code and honorific go into
// X-TAGORA-CODE and X-TAGORA-HONORIFIC so that readVCards gives the same
// cards back.
QByteArray formatVCards(const book::CardList& cards);

// The cards as vCard 3.0 for phones: UTF-8, CR LF, folded at 75 bytes. N
// parts the name at its first ideographic space (family;given) and carries
// an honorific other than 様 as its suffix; a card addressed 御中 is an
// organisation (ORG, X-ABShowAs:COMPANY, an empty N). One ADR;TYPE=HOME as
// formatVCards writes it, the code in X-TAGORA-CODE. readVCards gives the same
// cards back for cards with a name, an address and a cleaned postal code.
QByteArray formatVCards3(const book::CardList& cards);

// The cards as the CSV postcard programs read: code page 932, CR LF, the
// header 氏名,敬称,郵便番号,住所1,住所2,住所3,連名1,連名2,連名3,メモ. 氏名 is
// the name up to its first ／, each joint name after it one 連名 column (a
// fourth and later stay in 連名3 with their ／), the honorific as its text
// (なし for none), the code as メモ. No apostrophe before formulas: these
// programs print a cell as it is. nullopt when a card holds a character code
// page 932 cannot (a book never does).
std::optional<QByteArray> formatPostcardCsv(const book::CardList& cards);

enum class ExportFormat { Csv, VCard4, VCard3, PostcardCsv };

// The format of a --format name: csv, vcard (4.0), vcard3, postcard.
std::optional<ExportFormat> exportFormatNamed(const QString& name);

// The format an output's suffix asks for when none is named: .csv CSV,
// .vcf / .vcard vCard 4.0, nullopt for another.
std::optional<ExportFormat> exportFormatOfPath(const QString& path);

// The cards in the format; extra is used by Csv only. nullopt only where
// formatPostcardCsv gives it.
std::optional<QByteArray> formatExport(ExportFormat format, const book::CardList& cards,
                                       const CsvExtraColumns& extra = {});

} // namespace exchange
