#pragma once

#include "labels/SheetFile.h"
#include "labels/SheetTemplate.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace labels {

// Every sheet the program can print on: the standard sheet, the user's own
// sheets (Tagora-sheets.xml in the program folder) and the label-template
// library of the Debian package glabels-data. The files are read on the
// first question, once.
class SheetLibrary {
public:
    // libraryFolder holds the library's *-templates.xml files; userFile is
    // the user's own file (missing: no sheets of the user's).
    SheetLibrary(const QString& libraryFolder, const QString& userFile);

    // The library's folder: $TAGORA_TEMPLATE_DIR when set, else where
    // glabels-data installs it.
    static QString defaultLibraryFolder();
    // The user's file in the program folder.
    static QString defaultUserFile();

    // Forgets what was read: the next question reads the files again.
    void reload();
    // Standard sheet first, then the user's, then the library's in file order.
    const QList<SheetTemplate>& sheets();
    // False when the library's folder holds no template files.
    bool libraryFound();
    QString libraryFolder() const { return m_libraryFolder; }
    QString userFile() const { return m_userFile; }
    // Templates skipped: other shapes (CD, round, elliptic), other papers,
    // and borrowed templates whose original is missing, each with its reason.
    int skippedCount();
    const QList<SkippedSheet>& skippedSheets();
    // One "FILE: line N: what (file ignored)" for each file that is not
    // well-formed, and "… (template left out)" for each template with a bad
    // number or a missing attribute. Those of the library's files are also
    // logged once, as they are read; only the user's file's are worth a
    // message (userProblems()).
    QStringList problems();
    QStringList userProblems();

    // The sheet named "BRAND PART" (case and runs of spaces do not matter),
    // or nullptr.
    const SheetTemplate* find(const QString& name);
    // Up to count sheet names nearest to name, nearest first.
    QStringList nearestNames(const QString& name, int count = 3);
    // The sheets that answer every word of text (SheetQuery): maker in
    // either script, part, description, paper ("A4", "はがき"), label size
    // ("86.4×42.3", "86.4x42.3") or label count ("12面", "12").
    QList<const SheetTemplate*> search(const QString& text);
    // Up to count sheets nearest to text, nearest first, for a search that
    // found nothing.
    QList<const SheetTemplate*> nearest(const QString& text, int count = 3);

private:
    void load();

    QString m_libraryFolder;
    QString m_userFile;
    bool m_loaded = false;
    bool m_libraryFound = false;
    bool m_problemsLogged = false;
    QList<SkippedSheet> m_skipped;
    QList<SheetTemplate> m_sheets;
    QStringList m_keys;     // lookup form of each sheet's name
    QStringList m_haystack; // search text of each sheet
    QStringList m_problems;
};

// The longest sheet name looked up, in characters; the library's longest
// are under 60. A longer one is refused before any search, which compares
// it with every name.
constexpr qsizetype MaxSheetNameLength = 200;

// The library of this run, over the default folder and the program folder.
SheetLibrary& sheetLibrary();

// The lookup form of a sheet name: lower case, spaces run together.
QString sheetKey(const QString& name);

} // namespace labels
