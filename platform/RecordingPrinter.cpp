#include "platform/RecordingPrinter.h"

#include "platform/Fonts.h"
#include "platform/Units.h"

using namespace Qt::StringLiterals;

namespace platform {

bool RecordingPrinter::begin(const PageFormat& paper) {
    m_paper = paper;
    m_calls << u"begin "_s + paper.name();
    if (!m_failBegin.isEmpty()) {
        m_errorText = m_failBegin;
        return false;
    }
    m_page = 1;
    return true;
}

void RecordingPrinter::setFontName(const QString& face) {
    m_face = face;
    m_calls << u"font "_s + face;
}

void RecordingPrinter::setFontSize(double points) {
    m_points = points;
    m_calls << u"size "_s + QString::number(points);
}

void RecordingPrinter::setFontStretch(int percent) {
    m_stretch = percent;
    m_calls << u"stretch "_s + QString::number(percent);
}

double RecordingPrinter::textWidth(const QString& text) const {
    return textWidthTwips(m_face, m_points, text);
}

void RecordingPrinter::setCurrentX(int twips) {
    m_x = twips;
    m_calls << u"x "_s + QString::number(twips);
}

void RecordingPrinter::setCurrentY(int twips) {
    m_y = twips;
    m_calls << u"y "_s + QString::number(twips);
}

void RecordingPrinter::print(const QString& text) {
    m_calls << u"print "_s + text;
    m_printed.append({m_page, m_face, m_points, m_x, m_y, text, m_stretch});
}

void RecordingPrinter::printVertical(const QString& text) {
    m_calls << u"vertical "_s + text;
    m_printed.append({m_page, m_face, m_points, m_x, m_y, text, m_stretch, true});
}

double RecordingPrinter::verticalLength(const QString& text) const {
    return twipsOfPoints(double(text.toUcs4().size()) * m_points);
}

void RecordingPrinter::drawGuide(const QRect& twips, int cornerRadiusTwips) {
    m_guides.append({m_page, twips, cornerRadiusTwips});
}

void RecordingPrinter::drawLine(const QPoint& fromTwips, const QPoint& toTwips) {
    m_calls << u"line "_s + QString::number(fromTwips.x()) + u',' + QString::number(fromTwips.y()) +
                   u' ' + QString::number(toTwips.x()) + u',' + QString::number(toTwips.y());
}

void RecordingPrinter::fillRect(const QRect& twips) {
    m_filled.append({m_page, twips});
}

void RecordingPrinter::newPage() {
    ++m_page;
    m_calls << u"page"_s;
}

bool RecordingPrinter::endDoc() {
    m_calls << u"end"_s;
    m_ended = true;
    return true;
}

} // namespace platform
