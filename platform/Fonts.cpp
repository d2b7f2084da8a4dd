#include "platform/Fonts.h"

#include "platform/Units.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

const QStringList& minchoCandidates() {
    static const QStringList candidates{u"IPAexMincho"_s, u"IPAMincho"_s, u"Noto Serif CJK JP"_s,
                                        u"IPAPMincho"_s};
    return candidates;
}

const QStringList& gothicCandidates() {
    static const QStringList candidates{u"IPAexGothic"_s, u"IPAGothic"_s, u"Noto Sans CJK JP"_s};
    return candidates;
}

bool isMinchoName(const QString& face) {
    static const QStringList names{u"ＭＳ 明朝"_s, u"ＭＳ明朝"_s,    u"MS Mincho"_s,
                                   u"MS 明朝"_s,   u"ＭＳ Ｐ明朝"_s, u"MS PMincho"_s};
    return names.contains(face, Qt::CaseInsensitive);
}

bool isGothicName(const QString& face) {
    static const QStringList names{u"ＭＳ ゴシック"_s, u"ＭＳゴシック"_s, u"MS Gothic"_s,
                                   u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s};
    return names.contains(face, Qt::CaseInsensitive);
}

QString firstInstalled(const QStringList& candidates) {
    for (const QString& family : candidates) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return candidates.first();
}

} // namespace

QString printableFamily(const QString& face) {
    if (isMinchoName(face))
        return firstInstalled(minchoCandidates());
    if (isGothicName(face))
        return firstInstalled(gothicCandidates());
    if (face.compare(u"OCR-B"_s, Qt::CaseInsensitive) == 0 ||
        face.compare(u"OCRB"_s, Qt::CaseInsensitive) == 0)
        return QFontDatabase::hasFamily(u"OCR B"_s) ? u"OCR B"_s
                                                    : firstInstalled(minchoCandidates());
    if (!face.isEmpty() && QFontDatabase::hasFamily(face))
        return face;
    return firstInstalled(minchoCandidates());
}

void registerFontSubstitutions() {
    const QString mincho = firstInstalled(minchoCandidates());
    for (const QString& name : {u"ＭＳ 明朝"_s, u"ＭＳ明朝"_s, u"MS Mincho"_s, u"MS 明朝"_s})
        QFont::insertSubstitution(name, mincho);
    const QString gothic = firstInstalled(gothicCandidates());
    for (const QString& name : {u"ＭＳ ゴシック"_s, u"ＭＳゴシック"_s, u"MS Gothic"_s})
        QFont::insertSubstitution(name, gothic);
    QFont::insertSubstitution(u"OCR-B"_s, u"OCR B"_s);
}

double textWidthTwips(const QString& face, double points, const QString& text) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        double width = 0;
        for (const QChar c : text)
            width += (c.unicode() < 0x2000 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F))
                         ? TwipsPerPoint / 2
                         : TwipsPerPoint;
        return width * points;
    }
    QFont font(printableFamily(face));
    font.setPixelSize(qMax(1, qRound(twipsOfPoints(points))));
    font.setStyleStrategy(QFont::PreferOutline);
    return QFontMetricsF(font).horizontalAdvance(text);
}

QStringList availableFaces() {
    QStringList faces{QString::fromUtf16(MinchoFace), u"ＭＳ ゴシック"_s,
                      QString::fromUtf16(OcrBFace)};
    // A family two foundries provide comes twice, as "C059 [UKWN]" and
    // "C059 [URW]"; the user picks a family, so each is offered once by name.
    static const QRegularExpression foundryTag(u" \\[[^\\]]*\\]$"_s);
    for (QString family : QFontDatabase::families()) {
        family.remove(foundryTag);
        if (!faces.contains(family))
            faces << family;
    }
    return faces;
}

} // namespace platform
