#include "app/StartSettings.h"

#include "book/SettingsFile.h"
#include "platform/ProgramFolder.h"

namespace app {

using namespace Qt::StringLiterals;

namespace {

QString settingsPath() {
    return platform::ProgramFolder::file(u"Tagora.ini"_s);
}

} // namespace

void readStartSettings(session::SessionState& state, StartView& view) {
    state.settings = book::readSettings(settingsPath());
    restoreStartSettings(state, view);
}

void keepStartSettings(session::SessionState& state, const StartView& view) {
    state.settings = view.settings;
}

void restoreStartSettings(const session::SessionState& state, StartView& view) {
    view.settings = state.settings;
}

SettingsWrite writeStartSettings(session::SessionState& state, const StartView& view) {
    keepStartSettings(state, view);
    SettingsWrite write;
    if (!platform::ProgramFolder::ensureExists()) {
        write.result.error.kind = book::WriteError::Io;
        write.result.error.path = platform::ProgramFolder::path();
        write.result.error.reason = u"the program's folder could not be created"_s;
        return write;
    }
    write.result = book::writeSettings(settingsPath(), state.settings);
    const book::WriteError& error = write.result.error;
    const bool pathRefused =
        (error.kind == book::WriteError::Unencodable || error.kind == book::WriteError::Quote) &&
        error.field == 1;
    if (pathRefused) {
        // The book's place is lost for the next run, not the other two fields.
        book::SettingsValues kept = state.settings;
        kept.lastBook.clear();
        write.result = book::writeSettings(settingsPath(), kept);
        write.placeForgotten = true;
    }
    return write;
}

} // namespace app
