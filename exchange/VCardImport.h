#pragma once

#include "exchange/ImportedCard.h"
#include "exchange/TextEncoding.h"

#include <QByteArray>
#include <QString>

namespace exchange {

// The cards of a vCard file (versions 2.1, 3.0 and 4.0, any number of
// contacts); source names the file in what is left out. encoding is the
// text's encoding where a property names no CHARSET (Detect: UTF-8 when the
// whole file is UTF-8, else code page 932).
//
// Name: N's family and given names joined by an ideographic space, else FN,
// else ORG; a contact with both a person and an ORG keeps the ORG as its
// code. Address: the preferred ADR (TYPE=pref or PREF=1), else the HOME one,
// else the first: address 1 is region + locality, address 2 the street,
// address 3 the extended address; a seven-digit postal code becomes
// 123-4567. Honorific 様. A contact without an address is left out.
//
// The X-TAGORA-CODE and X-TAGORA-HONORIFIC that export writes give the code
// and honorific back as they were; a contact with them keeps its postal
// code as written and is kept even without an address.
ImportResult readVCards(const QByteArray& bytes, const QString& source,
                        TextEncoding encoding = TextEncoding::Detect);

// Bytes that start like a vCard file (after blank lines and a byte-order mark).
bool looksLikeVCard(const QByteArray& bytes);

// True when the file is read as vCard: a .vcf or .vcard name, or another
// name than .csv / .txt with bytes that look like vCard.
bool isVCardFile(const QString& path, const QByteArray& bytes);

} // namespace exchange
