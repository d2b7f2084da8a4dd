#include "book/Honorifics.h"

#include "book/JointNames.h"
#include "book/LenientNumber.h"

using namespace Qt::StringLiterals;

namespace book {

const QStringList& honorifics() {
    static const QStringList table{u"様"_s, u"殿"_s, u"御中"_s, u" 差出"_s, u"行"_s, QString()};
    return table;
}

QString honorificText(const QString& storedIndex) {
    const int index = leadingInteger(storedIndex);
    if (index < 0 || index >= honorifics().size())
        return QString();
    return honorifics().at(index);
}

QString nameLine(const AddressCard& card) {
    return jointNameLine(card.name) + u"　"_s + honorificText(card.honorific);
}

QString previewNameLine(const AddressCard& card) {
    return jointNameLine(card.name) + u" "_s + honorificText(card.honorific);
}

} // namespace book
