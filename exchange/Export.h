#pragma once

#include "book/AddressCard.h"
#include "exchange/SeasonCsv.h"

#include <QByteArray>

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

} // namespace exchange
