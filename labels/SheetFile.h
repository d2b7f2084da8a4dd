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

// Why a template of the library is not offered.
enum class SkipReason {
    Round,           // round labels
    Cd,              // CD and DVD labels
    Ellipse,         // elliptic labels
    OtherShape,      // any other shape that is not a rectangle
    CustomPaper,     // a roll or a paper of the template's own size
    LargePaper,      // A3 or B4, larger than any printer here takes
    OtherPaper,      // a named paper that is not A4, B5, A5, postcard or Letter
    MissingOriginal, // borrows its labels from a template that is not there
};

// One template left out, and why.
struct SkippedSheet {
    QString name; // "BRAND PART"
    SkipReason reason = SkipReason::OtherShape;
    QString detail; // the paper's name or size, the missing original's part
};

// "round labels", "roll or custom paper 29 × 90 mm": why it was skipped.
QString skipReasonText(const SkippedSheet& skipped);

// What one label-template file holds, in the XML form the Debian package
// glabels-data installs: rectangular and round-cornered labels on A4, B5,
// A5, postcard and US Letter paper. Other shapes and papers are skipped.
struct SheetFileContents {
    QList<SheetTemplate> sheets;
    QList<SheetEquivalent> equivalents;
    QList<SkippedSheet> skipped;
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
