#include "book/SettingsFile.h"

#include "book/QuotedLine.h"

namespace book {

SettingsValues readSettings(const QString& path) {
    const QStringList fields = readQuotedLine(path).value_or(QStringList());
    return {fields.value(0), fields.value(1), fields.value(2)};
}

WriteResult writeSettings(const QString& path, const SettingsValues& values) {
    return writeQuotedLine(path, {values.lastBook, values.bookState, values.reserved});
}

} // namespace book
