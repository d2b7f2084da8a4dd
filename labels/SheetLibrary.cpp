#include "labels/SheetLibrary.h"

#include "labels/SheetFigures.h"
#include "labels/SheetFile.h"
#include "labels/SheetSearch.h"
#include "platform/ProgramFolder.h"

#include <QDebug>
#include <QDir>
#include <QHash>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

constexpr char16_t UserFileName[] = u"Tagora-sheets.xml";
constexpr char16_t InstalledLibrary[] = u"/usr/share/libglabels-3.0/templates";

} // namespace

QString sheetKey(const QString& name) {
    return name.simplified().toLower();
}

SheetLibrary::SheetLibrary(const QString& libraryFolder, const QString& userFile)
    : m_libraryFolder(libraryFolder), m_userFile(userFile) {
}

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
            const auto original =
                byKey.constFind(sheetKey(equivalent.brand + u' ' + equivalent.equivalentPart));
            if (original == byKey.constEnd()) {
                m_skipped.append({equivalent.brand + u' ' + equivalent.part,
                                  SkipReason::MissingOriginal, equivalent.equivalentPart});
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
    for (SheetTemplate& sheet : m_sheets) {
        if (const std::optional<SheetFigureFault> fault = checkSheetFigures(sheet))
            sheet.fault = fault->message;
        m_keys.append(sheetKey(sheet.name()));
        m_haystack.append(sheetSearchText(sheet));
    }
    // The library's faults are for whoever keeps it, not for the user: one
    // log line each, the first time the files are read.
    if (!m_problemsLogged)
        for (const QString& problem : std::as_const(m_problems))
            if (!problem.startsWith(m_userFile))
                qWarning().noquote() << "tagora:" << problem;
    m_problemsLogged = true;
}

void SheetLibrary::reload() {
    m_loaded = false;
    m_sheets.clear();
    m_keys.clear();
    m_haystack.clear();
    m_problems.clear();
    m_skipped.clear();
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
    return int(m_skipped.size());
}

const QList<SkippedSheet>& SheetLibrary::skippedSheets() {
    load();
    return m_skipped;
}

QStringList SheetLibrary::userProblems() {
    load();
    QStringList mine;
    for (const QString& problem : std::as_const(m_problems))
        if (problem.startsWith(m_userFile))
            mine.append(problem);
    return mine;
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
    const SheetQuery query(text);
    QList<const SheetTemplate*> found;
    for (qsizetype i = 0; i < m_sheets.size(); ++i)
        if (query.matches(m_sheets[i], m_haystack[i]))
            found.append(&m_sheets[i]);
    return found;
}

QList<const SheetTemplate*> SheetLibrary::nearest(const QString& text, int count) {
    load();
    const SheetQuery query(text);
    QList<std::pair<double, qsizetype>> ranked;
    ranked.reserve(m_sheets.size());
    for (qsizetype i = 0; i < m_sheets.size(); ++i)
        if (m_sheets[i].fault.isEmpty())
            ranked.append({query.distance(m_sheets[i], m_haystack[i]), i});
    const qsizetype kept = std::min<qsizetype>(count, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + kept, ranked.end());
    QList<const SheetTemplate*> sheets;
    for (qsizetype i = 0; i < kept; ++i)
        sheets.append(&m_sheets[ranked[i].second]);
    return sheets;
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
