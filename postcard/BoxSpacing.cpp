#include "postcard/BoxSpacing.h"

#include "platform/Fonts.h"
#include "platform/Printer.h"
#include "platform/Units.h"
#include "postcard/PostcardLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>

#include <cmath>

namespace postcard {

namespace {

// The centre of text's ink across, twips right of where it is printed.
double inkCentreTwips(const QString& face, double points, const QString& text) {
    static QHash<QString, double> measured;
    const QString key = face + u'\n' + QString::number(points) + u'\n' + text;
    const auto found = measured.constFind(key);
    if (found != measured.constEnd())
        return *found;
    QFont font(platform::printableFamily(face));
    font.setPixelSize(qMax(1, qRound(platform::twipsOfPoints(points))));
    font.setStyleStrategy(QFont::PreferOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font);
    // The box's spaces count by their advance: Qt's tight box of a string
    // spans its spaces too.
    qsizetype lead = 0;
    while (lead < text.size() && text[lead].isSpace())
        ++lead;
    const QString inked = text.mid(lead).trimmed();
    const QRectF ink = metrics.tightBoundingRect(inked);
    // A text without ink (a space) is centred by its advance instead.
    const double centre = inked.isEmpty() || ink.isEmpty()
                              ? metrics.horizontalAdvance(text) / 2
                              : metrics.horizontalAdvance(text.left(lead)) + ink.center().x();
    measured.insert(key, centre);
    return centre;
}

} // namespace

int cardBoxCentreTwips(int box) {
    const double centreMillimetres = CardBoxLeftMillimetres[box] + CardBoxWidthMillimetres / 2;
    return cardTwips(centreMillimetres);
}

int boxTextXTwips(const QString& zipFace, double points, int box, const QString& boxText) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return ZipBoxXTwips[box];
    return cardBoxCentreTwips(box) - int(std::lround(inkCentreTwips(zipFace, points, boxText)));
}

} // namespace postcard
