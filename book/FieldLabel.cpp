#include "book/FieldLabel.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace book {

QString fieldLabel(int number) {
    // The editor has always shown the first two address digits full-width, the third not.
    static const QStringList labels{u"宛名"_s, u"住所１"_s, u"住所２"_s, u"住所3"_s,
                                    u"〒"_s,   u"コード"_s, u"敬称"_s};
    if (number < 1 || number > labels.size())
        return QString();
    return labels.at(number - 1);
}

} // namespace book
