#include "book/JointNames.h"

using namespace Qt::StringLiterals;

namespace book {

namespace {

constexpr char16_t Middot = u'・';

qsizetype firstSpace(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u' ' || text[i] == u'　')
            return i;
    return -1;
}

} // namespace

QString trimmedSpaces(QString text) {
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'　'))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'　'))
        text.chop(1);
    return text;
}

JointName splitJointName(const QString& name) {
    QStringList parts = name.split(JointNameSeparator);
    JointName joint;
    QString first = trimmedSpaces(parts.takeFirst());
    const qsizetype space = firstSpace(first);
    if (space > 0) {
        joint.family = first.left(space);
        first = trimmedSpaces(first.mid(space + 1));
    }
    if (!first.isEmpty())
        joint.givenNames << first;
    for (const QString& part : parts) {
        const QString given = trimmedSpaces(part);
        if (given.isEmpty())
            continue;
        if (joint.givenNames.size() == MostJointNames)
            joint.givenNames.last() += Middot + given;
        else
            joint.givenNames << given;
    }
    return joint;
}

QString jointNameLine(const QString& name) {
    if (!name.contains(JointNameSeparator))
        return name;
    const JointName joint = splitJointName(name);
    const QString given = joint.givenNames.join(Middot);
    if (joint.family.isEmpty())
        return given;
    return joint.family + u"　"_s + given;
}

} // namespace book
