#include "printing/OffsetsFile.h"

#include "book/LenientNumber.h"
#include "book/QuotedLine.h"
#include "platform/ProgramFolder.h"

#include <QRegularExpression>

namespace printing {

QString labelOffsetsPath() {
    return platform::ProgramFolder::file(QString::fromUtf16(LabelOffsetsFileName));
}

namespace {

// A marker value that is not a number at all would read as 0 and move every
// line 60 mm off the paper; such a field counts as missing instead.
bool isMarkerNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d|\.\d))"));
    return number.match(text).hasMatch();
}

} // namespace

MarkerPosition readOffsets(const QString& path) {
    MarkerPosition position;
    const std::optional<QStringList> fields = book::readQuotedLine(path);
    if (!fields)
        return position;
    if (fields->size() > 0 && isMarkerNumber(fields->at(0)))
        position.xPoint = fields->at(0);
    if (fields->size() > 1 && isMarkerNumber(fields->at(1)))
        position.yPoint = fields->at(1);
    if (fields->size() > 2)
        position.extra = fields->at(2);
    return position;
}

book::WriteResult writeOffsets(const QString& path, const MarkerPosition& position) {
    return book::writeQuotedLine(path, {position.xPoint, position.yPoint, position.extra});
}

double xMillimetres(const MarkerPosition& position) {
    return (book::leadingNumber(position.xPoint) - NeutralMarkerX) / MarkerStep;
}

double yMillimetres(const MarkerPosition& position) {
    return (book::leadingNumber(position.yPoint) - NeutralMarkerY) / MarkerStep;
}

QString millimetreText(double millimetres) {
    return QString::number(millimetres, 'g', 12);
}

Trims trimsOf(const MarkerPosition& position) {
    return {xMillimetres(position), yMillimetres(position)};
}

Trims readTrims(const QString& path) {
    return trimsOf(readOffsets(path));
}

} // namespace printing
