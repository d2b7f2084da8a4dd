#pragma once

#include "labels/SheetTemplate.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace labels {

// The user's own sheets in the template file form the library is read in
// (UTF-8 XML), one Template each, every grid a Layout.
QByteArray formatSheetFile(const QList<SheetTemplate>& sheets);

// What a change to a sheets file left: empty error when it was made.
struct SheetFileResult {
    QString error;
    int count = 0; // sheets added by an import

    bool ok() const { return error.isEmpty(); }
};

// The user's sheets file (Tagora-sheets.xml in the program folder): the
// sheets the user typed in, kept, changed, deleted, and shared with others
// by import and export. Every change rewrites the whole file through a
// temporary file, or leaves it as it was.
class UserSheets {
public:
    explicit UserSheets(const QString& path) : m_path(path) {}

    // Reads the file; a missing file holds no sheets. An error when it cannot
    // be read or is not a sheets file: then nothing may be written over it.
    SheetFileResult load();
    const QList<SheetTemplate>& sheets() const { return m_sheets; }
    const QString& path() const { return m_path; }

    // Puts sheet into the file, in the place of the sheet named replacing
    // (its own name when empty), else at the end. Refused: a sheet that
    // cannot be printed on, a name another of the user's sheets has.
    SheetFileResult save(const SheetTemplate& sheet, const QString& replacing = {});
    // Takes the sheet of that name out of the file.
    SheetFileResult remove(const QString& name);
    // Adds every sound sheet of another sheets file, each replacing the
    // user's sheet of the same name; count says how many came.
    SheetFileResult importFrom(const QString& path);
    // Writes the user's sheets to another file for someone else to import.
    SheetFileResult exportTo(const QString& path) const;

private:
    qsizetype indexOf(const QString& name) const;
    SheetFileResult write(const QList<SheetTemplate>& sheets);

    QString m_path;
    QList<SheetTemplate> m_sheets;
    bool m_loaded = false;
};

} // namespace labels
