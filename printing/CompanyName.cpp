#include "printing/CompanyName.h"

#include "book/JointNames.h"
#include "printing/FullWidth.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace printing {

namespace {

bool namesOrganisation(const QString& part) {
    static const QStringList words{u"会社"_s, u"（株）"_s, u"（有）"_s, u"㈱"_s,
                                   u"㈲"_s,   u"法人"_s,   u"事務所"_s, u"学校"_s,
                                   u"大学"_s, u"病院"_s,   u"協会"_s,   u"組合"_s};
    const QString full = toFullWidth(part);
    for (const QString& word : words)
        if (full.contains(word))
            return true;
    return false;
}

// 部 and 課 end many family names too (服部, 阿部): a department counts only
// when a family and a given name follow it.
bool namesDepartment(const QString& part, qsizetype partsAfter) {
    return partsAfter >= 2 && part.size() >= 2 && (part.endsWith(u'部') || part.endsWith(u'課'));
}

} // namespace

bool isPersonalHonorific(const QString& honorific) {
    static const QStringList personal{u"様"_s, u"殿"_s,   u"先生"_s,  u"さん"_s,
                                      u"君"_s, u"くん"_s, u"ちゃん"_s};
    return personal.contains(book::trimmedSpaces(honorific));
}

CompanyAndPerson splitCompany(const QString& name, const QString& honorific) {
    const QString trimmed = book::trimmedSpaces(name);
    if (!isPersonalHonorific(honorific))
        return {QString(), trimmed};
    static const QRegularExpression spaces(u"[ 　]+"_s);
    const QStringList parts = trimmed.split(spaces, Qt::SkipEmptyParts);
    qsizetype lastCompanyPart = -1;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        if (namesOrganisation(parts[i]) || namesDepartment(parts[i], parts.size() - i - 1))
            lastCompanyPart = i;
    if (lastCompanyPart < 0)
        return {QString(), trimmed};
    return {parts.mid(0, lastCompanyPart + 1).join(u'　'),
            parts.mid(lastCompanyPart + 1).join(u'　')};
}

} // namespace printing
