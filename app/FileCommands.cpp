#include "app/FileCommands.h"
#include "app/CodeCheckReport.h"

#include "app/StartSettings.h"
#include "app/StartTexts.h"
#include "book/AddressFile.h"
#include "book/BookRead.h"
#include "book/FileBytes.h"
#include "exchange/Export.h"
#include "exchange/ImportPreview.h"
#include "exchange/SeasonCsv.h"
#include "platform/SameFile.h"
#include "season/CardKey.h"
#include "session/BookSaver.h"
#include "session/OpenBook.h"
#include "session/SeasonKeeping.h"
#include "session/SessionTexts.h"

#include <QFileInfo>

#include <algorithm>

namespace app {

using namespace Qt::StringLiterals;
namespace texts = starttexts;

FileCommands::FileCommands(ui::AppContext& context, StartView& view)
    : m_context(context), m_view(view) {
}

bool FileCommands::newBook() {
    session::SessionState& state = m_context.state;
    // A book that never had a file has nowhere to go back to.
    if (state.book.hasFile()) {
        const session::BookSaver::Result saved = saver().saveOpenBook(
            state.cards, season::CardOrigins::kept(state.cardCount(), state.cardCount()));
        if (!saved.written()) {
            reportWriteFailure(saved);
            return false;
        }
    }
    session::closeBook(state);
    state.book = session::CurrentBook::starting();
    state.cards.clear();
    // A new book has no name yet: the save dialog proposes none.
    state.saveName.clear();
    m_view.settings.setBookState(book::BookState::NewBook);
    keepStartSettings(state, m_view);
    state.startWindowAway = true;
    m_context.navigator.openCardEditor(0);
    return true;
}

void FileCommands::open(From from) {
    session::SessionState& state = m_context.state;
    platform::FileDialogRequest request;
    request.title = u"ファイルを開く"_s;
    request.filter = QString::fromUtf16(texts::OpenFilter);
    request.initialFolder = platform::dialogStartFolder(state.book.path());
    const QString path = m_context.platform.dialogs.openFile(request);
    if (!path.isEmpty())
        openPath(path, from);
}

void FileCommands::openPath(const QString& path, From from) {
    session::SessionState& state = m_context.state;
    const Before before = remember();
    m_view.clearLists();

    // Opening reads the file once and never writes it, except for the
    // conversion of an old book that the user agrees to.
    const book::BookRead read = book::readBook(path);
    if (read.layout == book::FileLayout::SixFields) {
        convert(path, from, before);
        return;
    }
    if (!read.isBook()) {
        // A contacts file is not a book, but what the user wants from it is its addresses.
        const QString suffix = QFileInfo(path).suffix().toLower();
        const bool contacts = suffix == u"csv"_s || suffix == u"vcf"_s || suffix == u"vcard"_s;
        if (contacts && read.loaded.error.kind != book::ReadError::TooManyCards) {
            restore(before);
            if (m_context.platform.messages.show(
                    QString::fromUtf16(texts::OfferImport).arg(QFileInfo(path).fileName()),
                    platform::Buttons::OkCancel) == platform::Answer::Ok)
                importFile(path);
            return;
        }
        fail(texts::readFailure(read.loaded.error), before);
        return;
    }
    state.cards.clear();
    if (from == From::Button)
        state.saveName = path;
    m_view.settings.lastBook = path;
    session::adoptBook(state, path, read.stamp, m_context.platform.messages);
    showOpened(read.loaded.cards);
    reportSeasonRecord(path, read.loaded.cards);
}

void FileCommands::reportSeasonRecord(const QString& path, const book::CardList& cards) {
    QString error;
    const int unmatched = session::matchSeasonRecord(path, cards, &error);
    if (!error.isEmpty())
        m_context.platform.messages.show(
            QString::fromUtf16(session::texts::RecordUnreadable).arg(error));
    else if (unmatched > 0)
        m_context.platform.messages.show(
            QString::fromUtf16(session::texts::RecordsUnmatched).arg(unmatched));
}

bool FileCommands::save(From from) {
    session::SessionState& state = m_context.state;
    const session::BookSaver::Result saved =
        saver().saveUnderNewName(state.cards, from == From::Button ? state.saveName : QString());
    // A cancelled dialog changes nothing, not even the settings' file name.
    if (saved.outcome == session::BookSaver::Outcome::Cancelled)
        return true;
    if (!saved.written()) {
        reportWriteFailure(saved);
        return false;
    }
    // The book now lives in the file saved: later writes go there. The
    // lists stay as they are, so the user goes on where they were.
    session::rememberBook(m_view.settings, saved.path);
    state.saveName = saved.path;
    return true;
}

void FileCommands::importContacts() {
    session::SessionState& state = m_context.state;
    platform::FileDialogRequest request;
    request.title = u"インポート"_s;
    request.filter = QString::fromUtf16(texts::ImportFilter);
    request.initialFolder = platform::dialogStartFolder(state.book.path());
    // Several files chosen at once come in one after another, each through its preview.
    for (const QString& path : m_context.platform.dialogs.openFiles(request))
        importFile(path);
}

void FileCommands::importFile(const QString& path) {
    session::SessionState& state = m_context.state;
    // The file is read once, here; the preview only re-reads its rows.
    exchange::ImportPreview preview = exchange::ImportPreview::read(path);
    if (!preview.ok()) {
        m_context.platform.messages.show(QString::fromUtf16(texts::CannotRead) + u"\n"_s +
                                         preview.error());
        return;
    }
    if (!m_context.navigator.previewImport(preview))
        return;
    const book::CardList imported = preview.cards();
    if (imported.isEmpty()) {
        m_context.platform.messages.show(QString::fromUtf16(texts::NothingToImport));
        return;
    }

    const book::CardList before = state.book.isOpen() ? state.cards : book::CardList();
    const qsizetype room = std::max<qsizetype>(0, book::BookCapacity - before.size());
    const qsizetype fitting = std::min(room, imported.size());
    // Said before the write, so that a full book gets no write at all.
    if (fitting < imported.size())
        m_context.platform.messages.show(
            QString::fromUtf16(texts::ImportDidNotFit).arg(imported.size() - fitting));
    if (fitting == 0)
        return;
    const book::CardList cards = before + imported.mid(0, fitting);

    const session::BookSaver::Result saved =
        state.book.isOpen()
            ? saver().saveOpenBook(cards,
                                   season::CardOrigins::kept(int(cards.size()), int(before.size())))
            : saver().saveUnderNewName(cards);
    if (saved.outcome == session::BookSaver::Outcome::Cancelled)
        return;
    if (!saved.written()) {
        const QString detail = session::fieldFailure(saved.error, cards);
        m_context.platform.messages.show(QString::fromUtf16(texts::CannotWrite) +
                                         (detail.isEmpty() ? QString() : u"\n"_s + detail));
        return;
    }
    // The season's columns of a CSV export come along with their cards.
    if (const std::optional<QByteArray> bytes = book::readFileBytes(path, nullptr)) {
        const QString failure = exchange::applySeasonCsv(
            exchange::readSeasonCsv(*bytes, season::comingNewYear(QDate::currentDate())),
            saved.path, cards, int(before.size()) + 1);
        if (!failure.isEmpty())
            m_context.platform.messages.show(
                QString::fromUtf16(session::texts::RecordUnwritable).arg(failure));
    }
    showImported(cards, saved.path);
    reportCodeMismatches(imported.mid(0, fitting), int(before.size()) + 1, false);
}

void FileCommands::reportCodeMismatches(const book::CardList& cards, int firstNumber,
                                        bool sayWhenAllAgree) {
    const zip::ZipDirectory& directory = zip::ZipDirectory::shipped();
    if (!directory.ensureLoaded())
        return;
    const QStringList lines = codeMismatchLines(cards, directory, firstNumber);
    if (!lines.isEmpty())
        m_context.platform.messages.show(QString::fromUtf16(texts::CodesDisagree) + u"\n"_s +
                                         lines.join(u'\n'));
    else if (sayWhenAllAgree)
        m_context.platform.messages.show(QString::fromUtf16(texts::CodesAgree));
}

void FileCommands::showImported(const book::CardList& cards, const QString& path) {
    session::SessionState& state = m_context.state;
    // The book now lives in the file written: later writes go there.
    session::rememberBook(m_view.settings, path);
    state.saveName = path;
    m_view.clearLists();
    showOpened(cards);
}

void FileCommands::exportBook() {
    session::SessionState& state = m_context.state;
    if (!state.book.isOpen())
        return;
    platform::FileDialogRequest request;
    request.title = u"エクスポート"_s;
    request.filter = QString::fromUtf16(texts::ExportFilter);
    request.initialFolder = platform::dialogStartFolder(state.book.path());
    request.overwritePrompt = true;
    int chosen = 0;
    request.chosenFilter = &chosen;
    QString path = m_context.platform.dialogs.saveFile(request);
    if (path.isEmpty())
        return;
    // The dialog asked about the name as typed, not about NAME.csv.
    bool confirmed = true;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u".csv"_s;
        confirmed = false;
    }
    // The vCard 3.0 and postcard types name their format; the first two go by the suffix.
    const std::optional<exchange::ExportFormat> format =
        chosen >= 2 ? std::optional(chosen == 2 ? exchange::ExportFormat::VCard3
                                                : exchange::ExportFormat::PostcardCsv)
                    : exchange::exportFormatOfPath(path);
    if (!format) {
        m_context.platform.messages.show(QString::fromUtf16(texts::ExportNeedsType));
        return;
    }
    if (state.book.hasFile() && platform::sameFile(path, state.book.path())) {
        m_context.platform.messages.show(QString::fromUtf16(texts::ExportIsBook));
        return;
    }
    if (!confirmed && QFileInfo::exists(path) &&
        m_context.platform.messages.show(QString::fromUtf16(texts::ExportReplace).arg(path),
                                         platform::Buttons::YesNo) != platform::Answer::Yes)
        return;
    const std::optional<QByteArray> bytes = exchange::formatExport(
        *format, state.cards,
        *format == exchange::ExportFormat::Csv
            ? exchange::seasonCsvColumns(season::SeasonRecord(state.book.path()), state.cardCount())
            : exchange::CsvExtraColumns());
    if (!bytes || !book::saveFileBytes(path, *bytes).ok())
        m_context.platform.messages.show(QString::fromUtf16(texts::CannotWrite));
}

session::BookSaver FileCommands::saver() {
    return session::BookSaver(m_context.state, m_context.platform);
}

void FileCommands::reportWriteFailure(const session::BookSaver::Result& failed) {
    // The user chose to write nothing: nothing to report.
    if (failed.outcome == session::BookSaver::Outcome::Cancelled)
        return;
    const QString detail = session::fieldFailure(failed.error, m_context.state.cards);
    if (detail.isEmpty()) {
        m_context.platform.messages.show(QString::fromUtf16(texts::CannotWrite));
        return;
    }
    // A card that cannot be stored is mended in the editor, opened on it.
    m_context.platform.messages.show(QString::fromUtf16(texts::CannotWrite) + u"\n"_s + detail);
    keepStartSettings(m_context.state, m_view);
    m_context.state.startWindowAway = true;
    m_context.navigator.openCardEditor(failed.error.card);
}

FileCommands::Before FileCommands::remember() const {
    const session::SessionState& state = m_context.state;
    return {m_view, state.book, state.saveName, state.cards};
}

void FileCommands::restore(const Before& before) {
    session::SessionState& state = m_context.state;
    m_view = before.view;
    state.book = before.book;
    state.saveName = before.saveName;
    state.cards = before.cardTable;
}

void FileCommands::showOpened(const book::CardList& cards) {
    session::SessionState& state = m_context.state;
    state.cards = cards;
    m_view.addressList.appendAll(cards);
    m_view.settings.setBookState(book::BookState::Named);
    if (m_view.addressList.rows() > 0) {
        m_view.nameSelection = {0};
        m_view.nameCurrent = 0;
    }
}

void FileCommands::convert(const QString& path, From from, const Before& before) {
    if (!book::isConvertibleLegacyBook(book::readFileBytes(path, nullptr).value_or(QByteArray()))) {
        fail(QString::fromUtf16(texts::CannotRead), before);
        return;
    }
    const QString question =
        QString::fromUtf16(texts::Converting) + u"\n"_s +
        QString::fromUtf16(texts::ConvertingKeeps).arg(book::backupPathFor(path));
    if (m_context.platform.messages.show(question, platform::Buttons::OkCancel) ==
        platform::Answer::Cancel) {
        restore(before);
        return;
    }
    const book::ConvertResult converted = book::convertLegacyBook(path);
    if (converted.readError.kind != book::ReadError::None) {
        fail(texts::readFailure(converted.readError), before);
        return;
    }
    if (converted.writeError.kind != book::WriteError::None) {
        fail(QString::fromUtf16(texts::CannotWrite), before);
        return;
    }
    session::SessionState& state = m_context.state;
    state.cards.clear();
    if (from == From::Button)
        state.saveName = path;
    m_view.settings.lastBook = path;
    m_context.state.startWindowAway = false;
    session::adoptBook(state, path, book::readBook(path).stamp, m_context.platform.messages);
    showOpened(converted.cards);
}

void FileCommands::fail(const QString& message, const Before& before) {
    m_context.platform.messages.show(message);
    restore(before);
}

} // namespace app
