#pragma once

#include <QString>
#include <QStringList>

namespace book {

// A name field may hold a couple's or family's joint names (連名): the
// family name and the given names parted by a full-width "／", as
// "山田　太郎／花子／一郎".
inline constexpr char16_t JointNameSeparator = u'／';
inline constexpr int MostJointNames = 4;

struct JointName {
    QString family;         // "山田"; empty when the first part has no space
    QStringList givenNames; // "太郎", "花子": one for a single name with a space
};

// The text without the spaces, full or half width, at its ends.
QString trimmedSpaces(QString text);

// The parts of a name: for "山田　太郎／花子" family "山田" and given names
// "太郎" and "花子". The family name ends at the first space (full or half
// width) of the first part. A name without "／" is one given name after the
// family name (or the whole name when it has no space). Empty parts are
// dropped; a fifth and later given name join the fourth with "・".
JointName splitJointName(const QString& name);

// The name as one horizontal line: "山田　太郎・花子". A name without "／"
// is returned as it is.
QString jointNameLine(const QString& name);

} // namespace book
