#pragma once

#include "exchange/ImportedCard.h"
#include "exchange/TextEncoding.h"

#include <QByteArray>
#include <QString>

namespace exchange {

// The cards of a vCard file (versions 2.1, 3.0 and 4.0, any number of
// contacts); source names the file in what is left out. encoding is the
// text's encoding where a property names no CHARSET (Detect: UTF-8 when most
// cards with more than ASCII read as UTF-8, else code page 932, decided on
// the unfolded lines); a card whose value does not decode is left out with
// the line it is on, the others are read.
//
// Name: N's family and given names joined by an ideographic space, else FN;
// ORG gives company and department, TITLE the title, KIND:org or
// X-ABShowAs:COMPANY an organisation's own card; N's honorific suffix the
// honorific. Address: ADR, chosen and
// put in lines by cardOfContact (region + locality, street, extended
// address; a street's second line before the extended address).
//
// The X-TAGORA-CODE and X-TAGORA-HONORIFIC that export writes give the code
// and honorific back as they were; a contact with X-TAGORA-HONORIFIC keeps
// its fields as written and is kept even without an address.
ImportResult readVCards(const QByteArray& bytes, const QString& source,
                        TextEncoding encoding = TextEncoding::Detect);

// Bytes that start like a vCard file (after blank lines and a byte-order mark).
bool looksLikeVCard(const QByteArray& bytes);

// True when the file is read as vCard: a .vcf or .vcard name, or another
// name than .csv / .txt with bytes that look like vCard.
bool isVCardFile(const QString& path, const QByteArray& bytes);

} // namespace exchange
