#pragma once

#include "labels/SheetTemplate.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace labels {

// A template that borrows its labels from another of the same brand
// (equiv="PART" in the files).
struct SheetEquivalent {
    QString brand;
    QString part;
    QString equivalentPart;
    QString description;
};

// What one label-template file holds, in the XML form the Debian package
// glabels-data installs: rectangular and round-cornered labels on A4, B5,
// A5, postcard and US Letter paper. Other shapes and papers are skipped.
struct SheetFileContents {
    QList<SheetTemplate> sheets;
    QList<SheetEquivalent> equivalents;
    int skipped = 0;
    // "FILE: line N: what is wrong" for a file that is not well-formed XML
    // or cannot be read; such a file gives no sheets at all.
    QString error;
    // The same for each template with a bad number or a missing attribute:
    // that template is left out, the rest of the file is kept.
    QStringList faultyTemplates;

    bool ok() const { return error.isEmpty(); }
};

// Reads the template file at path (a missing or unreadable file is an error).
SheetFileContents readSheetFile(const QString& path);

// The same from bytes in memory; source names the file in the error.
SheetFileContents parseSheetFile(const QByteArray& bytes, const QString& source);

// A length attribute ("66mm", "0.5in", "12pt", "1.2cm", or a bare number of
// points) in millimetres; false when it is not a length.
bool parseLength(const QString& text, double* millimetres);

} // namespace labels
