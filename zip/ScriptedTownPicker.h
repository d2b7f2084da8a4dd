#pragma once

#include "zip/TownPicker.h"

#include <QList>

namespace zip {

// Test double: answers from a script, in order, and keeps every list offered.
// With the script used up it picks the first place.
class ScriptedTownPicker : public TownPicker {
public:
    int pick(const QString& code, const ZipAddressList& choices) override;

    void answer(int index) { m_script << index; }
    const QList<ZipAddressList>& offered() const { return m_offered; }
    const QStringList& codes() const { return m_codes; }

private:
    QList<int> m_script;
    QList<ZipAddressList> m_offered;
    QStringList m_codes;
};

} // namespace zip
