#include "platform/PageRangePrinter.h"

namespace platform {

PageRangePrinter::PageRangePrinter(Printer& target, const QList<PageSpan>& pages)
    : ForwardingPrinter(target), m_pages(pages) {
}

bool PageRangePrinter::chosen(int page) const {
    if (m_pages.isEmpty())
        return true;
    for (const PageSpan& span : m_pages)
        if (page >= span.first && page <= span.last)
            return true;
    return false;
}

bool PageRangePrinter::onChosenPage() {
    if (!chosen(m_page))
        return false;
    if (m_openedFor != m_page) {
        // The printer's first page is open from begin(); later ones are new.
        if (m_pagesPassed > 0)
            target().newPage();
        ++m_pagesPassed;
        m_openedFor = m_page;
    }
    return true;
}

void PageRangePrinter::print(const QString& text) {
    if (onChosenPage())
        ForwardingPrinter::print(text);
}

void PageRangePrinter::printVertical(const QString& text) {
    if (onChosenPage())
        ForwardingPrinter::printVertical(text);
}

void PageRangePrinter::drawGuide(const QRect& twips, int cornerRadiusTwips) {
    if (onChosenPage())
        ForwardingPrinter::drawGuide(twips, cornerRadiusTwips);
}

void PageRangePrinter::drawLine(const QPoint& fromTwips, const QPoint& toTwips) {
    if (onChosenPage())
        ForwardingPrinter::drawLine(fromTwips, toTwips);
}

void PageRangePrinter::fillRect(const QRect& twips) {
    if (onChosenPage())
        ForwardingPrinter::fillRect(twips);
}

void PageRangePrinter::newPage() {
    ++m_page;
}

} // namespace platform
