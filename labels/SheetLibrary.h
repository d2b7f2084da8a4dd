#pragma once

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

    // Standard sheet first, then the user's, then the library's in file order.
    const QList<SheetTemplate>& sheets();
    // False when the library's folder holds no template files.
    bool libraryFound();
    QString libraryFolder() const { return m_libraryFolder; }
    QString userFile() const { return m_userFile; }
    // Templates skipped: other shapes (CD, round, elliptic), other papers,
    // and borrowed templates whose original is missing.
    int skippedCount();
    // One "FILE: line N: what (file ignored)" for each file that is not
    // well-formed, and "… (template left out)" for each template with a bad
    // number or a missing attribute.
    QStringList problems();

    // The sheet named "BRAND PART" (case and runs of spaces do not matter),
    // or nullptr.
    const SheetTemplate* find(const QString& name);
    // Up to count sheet names nearest to name, nearest first.
    QStringList nearestNames(const QString& name, int count = 3);
    // The sheets whose brand, part, description, paper, label size ("66 ×
    // 33.9", "66x33.9") or label count hold every word of text.
    QList<const SheetTemplate*> search(const QString& text);

private:
    void load();

    QString m_libraryFolder;
    QString m_userFile;
    bool m_loaded = false;
    bool m_libraryFound = false;
    int m_skipped = 0;
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
