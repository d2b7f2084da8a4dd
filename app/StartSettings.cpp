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

void readStartSettings(book::SharedState& state, StartView& view) {
    state.SettingsValues = book::readSettings(settingsPath());
    view.Text1 = state.SettingsValues.lastBook;
    view.Text2 = state.SettingsValues.bookState;
    view.Text3 = state.SettingsValues.reserved;
}

book::WriteResult writeStartSettings(book::SharedState& state, const StartView& view) {
    state.SettingsValues = {view.Text1, view.Text2, view.Text3};
    if (!platform::ProgramFolder::ensureExists()) {
        book::WriteResult failed;
        failed.error.kind = book::WriteError::Io;
        failed.error.path = platform::ProgramFolder::path();
        failed.error.reason = u"the program's folder could not be created"_s;
        return failed;
    }
    return book::writeSettings(settingsPath(), state.SettingsValues);
}

} // namespace app
