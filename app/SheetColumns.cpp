#include "app/SheetColumns.h"

#include "book/Honorifics.h"
#include "platform/Units.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace app {

namespace {

QString ascii(int count) {
    return QString(count, u' ');
}
QString ideographic(int count) {
    return QString(count, QChar(0x3000));
}

bool isBlank(QChar c) {
    return c == u' ' || c == QChar(0x3000);
}

QString withoutBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first)))
        ++first;
    while (last > first && isBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

} // namespace

QString sheetFormat(bool fromMenu) {
    const QStringList parts{
        u"^No"_s + ascii(1),
        u"<宛名"_s + ascii(18),
        u"<敬称"_s + ascii(1),
        u"<〒"_s + ascii(4) + ideographic(3),
        u"<住所１"_s + ideographic(3) + ascii(20) + ideographic(3) + ascii(3) + ideographic(3),
        u"<住所２"_s + ascii(2) + ideographic(2) + ascii(4),
        u"<住所3"_s + ascii(9),
        u"<コード"_s + ideographic(fromMenu ? 9 : 5),
    };
    return parts.join(u'|');
}

QList<SheetColumn> parseSheetFormat(const QString& format) {
    QList<SheetColumn> columns;
    for (const QString& part : format.split(u'|')) {
        SheetColumn column;
        QString text = part;
        if (text.startsWith(u'^')) {
            column.alignment = ColumnAlignment::Centre;
            text.remove(0, 1);
        } else if (text.startsWith(u'<')) {
            text.remove(0, 1);
        }
        column.paddedHeading = text;
        column.heading = withoutBlanks(text);
        columns.append(column);
    }
    return columns;
}

QString sheetHonorific(const QString& storedIndex) {
    static const QStringList indexes{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s};
    const qsizetype at = indexes.indexOf(storedIndex);
    // "-1" is the editor's record of no honorific chosen: nothing to show.
    if (storedIndex.trimmed().startsWith(u'-'))
        return {};
    return at < 0 ? storedIndex : book::honorifics().at(at);
}

int faIndex(int& position, int column, int columnCount) {
    position += 1;
    return position * columnCount + column;
}

int twipsToPixels(int twips, double dotsPerInch) {
    return int(std::lround(twips * dotsPerInch / platform::TwipsPerInch));
}

QString sheetTitle(const QString& bookPath) {
    return bookPath + u"住所一覧　"_s;
}

} // namespace app
