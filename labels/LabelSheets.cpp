#include "labels/LabelSheets.h"

#include "printing/LineFit.h"

#include <cmath>

namespace labels {

LabelSheets::LabelSheets(const book::CardList& entries, int startLabel, const QString& face, printing::Trims trims,
                         const SheetTemplate& sheet)
    : m_layout(sheet), m_entries(entries), m_face(face),
      m_startLabel(startLabel >= 1 && startLabel <= m_layout.labelCount() ? startLabel : 0),
      m_offsets(trims.twips()) {}

int LabelSheets::sheetCount() const {
    return m_layout.sheetCount(entryCount(), m_startLabel >= 1 ? m_startLabel : 1);
}

void LabelSheets::buildLabelTexts() {
    m_texts.clear();
    const int filled = qMin(entryCount(), LabelTextSlots);
    m_texts.reserve(filled);
    for (int i = 0; i < filled; ++i)
        m_texts.append(LabelText::forEntry(m_entries[i]));
}

void LabelSheets::drawCell(platform::Printer& printer, int label, int slot) {
    if (slot < 0 || slot >= m_texts.size())
        return;
    const LabelText& text = m_texts[slot];
    if (text.empty)
        return;
    const int rightEdge = m_layout.rightEdgeTwips(label);
    for (int line = 1; line <= LinesPerLabel; ++line) {
        const LinePlacement placement = m_layout.linePlacement(label, line, text.NameShift, m_offsets);
        printer.setCurrentX(placement.xTwips);
        printer.setCurrentY(placement.yTwips);
        printer.setFontName(m_face);
        printer.setFontSize(placement.points);
        // The trims move the whole job to meet the sheet; the room a line has
        // on its label is measured before them.
        printing::printFitted(printer, text.line(line), placement.xTwips - m_offsets.xTwips, rightEdge);
    }
}

void LabelSheets::drawLabelOutlines(platform::Printer& printer) const {
    const int radius = int(std::lround(millimetresAsTwips(m_layout.sheet().cornerRadiusMm)));
    for (int label = 1; label <= m_layout.labelCount(); ++label)
        printer.drawGuide(m_layout.cellTwips(label), radius);
}

void LabelSheets::drawFirstSheet(platform::Printer& printer) {
    if (m_startLabel == 0)
        return;
    drawLabelOutlines(printer);
    for (int label = m_startLabel; label <= m_layout.labelCount(); ++label)
        drawCell(printer, label, m_layout.entryOnLabel(1, label, m_startLabel));
}

void LabelSheets::drawFullSheets(platform::Printer& printer) {
    if (m_startLabel == 0)
        return;
    const int sheets = sheetCount();
    for (int sheet = 2; sheet <= sheets; ++sheet) {
        printer.newPage();
        drawLabelOutlines(printer);
        for (int label = 1; label <= m_layout.labelCount(); ++label)
            drawCell(printer, label, m_layout.entryOnLabel(sheet, label, m_startLabel));
    }
}

bool LabelSheets::drawJob(platform::Printer& printer) {
    if (m_startLabel == 0)
        return false;
    buildLabelTexts();
    drawFirstSheet(printer);
    drawFullSheets(printer);
    return true;
}

} // namespace labels
