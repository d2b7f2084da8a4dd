#pragma once

#include "session/SessionState.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace app {

// The start window's choice of print-list cards from the season's record.
// The choices: the four filters, then one per group the record holds.
QStringList seasonChoices(const session::SessionState& state);

struct SeasonPick {
    QList<int> rows; // address-list rows (from 0), in book order
    QString error;   // the record could not be read
};

// The rows the choice (one of seasonChoices) takes for the New Year `year`.
SeasonPick seasonPick(const session::SessionState& state, const QString& choice, int year);

} // namespace app
