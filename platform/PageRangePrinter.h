#pragma once

#include "platform/ForwardingPrinter.h"
#include "platform/PrintDestination.h"

#include <QList>

namespace platform {

// Passes a job on to a begun printer with only the chosen pages: the job
// draws every page as usual, and the pages outside the spans never reach the
// printer. Fonts and positions always pass, so each printed page starts in
// the state the job left. The first chosen page goes on the printer's open
// page; begin() and endDoc() stay with the printer's owner.
class PageRangePrinter : public ForwardingPrinter {
public:
    // pages in page order; empty: every page.
    PageRangePrinter(Printer& target, const QList<PageSpan>& pages);

    void print(const QString& text) override;
    void printVertical(const QString& text) override;
    void fillRect(const QRect& twips) override;
    void newPage() override;
    void drawGuide(const QRect& twips, int cornerRadiusTwips) override;
    void drawLine(const QPoint& fromTwips, const QPoint& toTwips) override;

private:
    bool chosen(int page) const;
    // True when the job's current page is chosen; opens its printer page.
    bool onChosenPage();

    QList<PageSpan> m_pages;
    int m_page = 1;        // the job's page, from 1
    int m_pagesPassed = 0; // printer pages opened for chosen pages
    int m_openedFor = 0;   // the job's page the printer's page holds
};

} // namespace platform
