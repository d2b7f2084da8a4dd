#include "labels/SheetLibrary.h"

#include "labels/SheetFile.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

constexpr char16_t UserFileName[] = u"Tagora-sheets.xml";
constexpr char16_t InstalledLibrary[] = u"/usr/share/libglabels-3.0/templates";

QString searchText(const SheetTemplate& sheet) {
    // The sizes as the summary shows them, so what is read can be typed.
    const QString width = millimetreNumber(sheet.labelWidthMm);
    const QString height = millimetreNumber(sheet.labelHeightMm);
    return QStringList{sheet.brand,
                       sheet.part,
                       sheet.description,
                       paperName(sheet.paper),
                       width + u'x' + height,
                       width + u"mm"_s,
                       height + u"mm"_s,
                       QString::number(sheet.labelCount()) + u"面"_s,
                       QString::number(sheet.labelCount()) + u"labels"_s}
        .join(u' ')
        .toLower();
}

int editDistance(const QString& a, const QString& b) {
    QList<int> previous(b.size() + 1), current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

} // namespace

QString sheetKey(const QString& name) {
    return name.simplified().toLower();
}

SheetLibrary::SheetLibrary(const QString& libraryFolder, const QString& userFile)
    : m_libraryFolder(libraryFolder), m_userFile(userFile) {}

QString SheetLibrary::defaultLibraryFolder() {
    const QString folder = qEnvironmentVariable("TAGORA_TEMPLATE_DIR");
    return folder.isEmpty() ? QString::fromUtf16(InstalledLibrary) : folder;
}

QString SheetLibrary::defaultUserFile() {
    return platform::ProgramFolder::file(QString::fromUtf16(UserFileName));
}

void SheetLibrary::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    m_sheets.append(standardSheet());

    QList<SheetFileContents> files;
    if (QFile::exists(m_userFile))
        files.append(readSheetFile(m_userFile));
    const QDir folder(m_libraryFolder);
    const QStringList names = folder.entryList({u"*-templates.xml"_s}, QDir::Files, QDir::Name);
    m_libraryFound = !names.isEmpty();
    for (const QString& name : names)
        files.append(readSheetFile(folder.filePath(name)));

    QHash<QString, int> byKey;
    const auto add = [&](const SheetTemplate& sheet) {
        const QString key = sheetKey(sheet.name());
        // The first of a name wins: the user's sheet over the library's.
        if (byKey.contains(key))
            return;
        byKey.insert(key, int(m_sheets.size()));
        m_sheets.append(sheet);
    };
    for (const SheetFileContents& file : files) {
        if (!file.ok())
            m_problems.append(file.error + u" (file ignored)"_s);
        for (const QString& fault : file.faultyTemplates)
            m_problems.append(fault + u" (template left out)"_s);
        m_skipped += file.skipped;
        for (const SheetTemplate& sheet : file.sheets)
            add(sheet);
    }
    // Borrowed templates take their labels from a sheet of the same brand,
    // once every file is read.
    for (const SheetFileContents& file : files)
        for (const SheetEquivalent& equivalent : file.equivalents) {
            const auto original = byKey.constFind(sheetKey(equivalent.brand + u' ' + equivalent.equivalentPart));
            if (original == byKey.constEnd()) {
                ++m_skipped;
                continue;
            }
            SheetTemplate sheet = m_sheets[*original];
            sheet.part = equivalent.part;
            if (!equivalent.description.isEmpty())
                sheet.description = equivalent.description;
            add(sheet);
        }

    m_keys.reserve(m_sheets.size());
    m_haystack.reserve(m_sheets.size());
    for (const SheetTemplate& sheet : m_sheets) {
        m_keys.append(sheetKey(sheet.name()));
        m_haystack.append(searchText(sheet));
    }
}

const QList<SheetTemplate>& SheetLibrary::sheets() {
    load();
    return m_sheets;
}

bool SheetLibrary::libraryFound() {
    load();
    return m_libraryFound;
}

int SheetLibrary::skippedCount() {
    load();
    return m_skipped;
}

QStringList SheetLibrary::problems() {
    load();
    return m_problems;
}

const SheetTemplate* SheetLibrary::find(const QString& name) {
    load();
    const qsizetype index = m_keys.indexOf(sheetKey(name));
    return index < 0 ? nullptr : &m_sheets[index];
}

QStringList SheetLibrary::nearestNames(const QString& name, int count) {
    load();
    const QString key = sheetKey(name);
    QList<std::pair<int, qsizetype>> ranked;
    ranked.reserve(m_keys.size());
    for (qsizetype i = 0; i < m_keys.size(); ++i) {
        // A name that holds what was typed is nearer than any spelling.
        const int distance = m_keys[i].contains(key) ? 0 : editDistance(key, m_keys[i]);
        ranked.append({distance, i});
    }
    const qsizetype kept = std::min<qsizetype>(count, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + kept, ranked.end());
    QStringList names;
    for (qsizetype i = 0; i < kept; ++i)
        names.append(m_sheets[ranked[i].second].name());
    return names;
}

QList<const SheetTemplate*> SheetLibrary::search(const QString& text) {
    load();
    QString normal = text.toLower();
    normal.replace(u" × "_s, u"x"_s).replace(u" x "_s, u"x"_s).replace(u"×"_s, u"x"_s);
    const QStringList words = normal.split(u' ', Qt::SkipEmptyParts);
    QList<const SheetTemplate*> found;
    for (qsizetype i = 0; i < m_sheets.size(); ++i) {
        const bool all = std::all_of(words.begin(), words.end(),
                                     [&](const QString& word) { return m_haystack[i].contains(word); });
        if (all)
            found.append(&m_sheets[i]);
    }
    return found;
}

SheetLibrary& sheetLibrary() {
    static std::unique_ptr<SheetLibrary> library;
    // A test may point the program folder or the library elsewhere between windows.
    const QString folder = SheetLibrary::defaultLibraryFolder();
    const QString userFile = SheetLibrary::defaultUserFile();
    if (!library || library->libraryFolder() != folder || library->userFile() != userFile)
        library = std::make_unique<SheetLibrary>(folder, userFile);
    return *library;
}

} // namespace labels
