#include "labels/LabelSheets.h"

#include "book/LenientNumber.h"

namespace labels {

LabelSheets::LabelSheets(const book::CardList& entries, const QString& startLabel, const QString& face,
                         const QString& xMillimetres, const QString& yMillimetres)
    : m_entries(entries), m_face(face), m_offsets(offsetsFromMillimetres(xMillimetres, yMillimetres)) {
    // Only the whole numbers 1 to 12 name a start label; anything else prints nothing.
    bool ok = false;
    const int label = startLabel.trimmed().toInt(&ok);
    m_startLabel = ok && label >= 1 && label <= LabelsPerSheet ? label : 0;
}

int LabelSheets::Page() {
    m_sheetCount = sheetCount(entryCount(), m_startLabel >= 1 ? m_startLabel : 1);
    m_sheetCountText = QString::number(m_sheetCount);
    return m_sheetCount;
}

void LabelSheets::PriSet() {
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
    for (int line = 1; line <= LinesPerLabel; ++line) {
        const LinePlacement placement = linePlacement(label, line, text.NameShift, m_offsets);
        printer.setCurrentX(placement.xTwips);
        printer.setCurrentY(placement.yTwips);
        printer.setFontName(m_face);
        printer.setFontSize(placement.points);
        printer.print(text.line(line));
    }
}

void LabelSheets::drawSheet(platform::Printer& printer, int firstSlot) {
    for (int label = 1; label <= LabelsPerSheet; ++label)
        drawCell(printer, label, firstSlot + label - 1);
}

void LabelSheets::PriMain(platform::Printer& printer) {
    for (int sheet = 1; sheet <= m_sheetCount; ++sheet) {
        drawSheet(printer, LabelsPerSheet * (sheet - 1));
        if (sheet < m_sheetCount)
            printer.newPage();
    }
}

void LabelSheets::PriSub(platform::Printer& printer) {
    for (int sheet = 2; sheet <= m_sheetCount; ++sheet) {
        drawSheet(printer, entryOnLabel(sheet, 1, m_startLabel));
        if (sheet < m_sheetCount)
            printer.newPage();
    }
}

void LabelSheets::drawStartRow(platform::Printer& printer) {
    const int s = m_startLabel;
    drawCell(printer, s, 0);
    if (s % 2 == 1)
        drawCell(printer, s + 1, 1);
}

void LabelSheets::drawFirstSheetRow(platform::Printer& printer, int row) {
    const int left = 2 * row - 1;
    drawCell(printer, left, entryOnLabel(1, left, m_startLabel));
    drawCell(printer, left + 1, entryOnLabel(1, left + 1, m_startLabel));
}

bool LabelSheets::drawAll(platform::Printer& printer) {
    if (m_startLabel == 0)
        return false;
    Page();
    PriSet();
    if (m_startLabel == 1) {
        PriMain(printer);
        return true;
    }
    drawStartRow(printer);
    for (int row = cellOf(m_startLabel).row + 1; row <= SheetRows; ++row)
        drawFirstSheetRow(printer, row);
    if (m_sheetCount > 1) {
        printer.newPage();
        PriSub(printer);
    }
    return true;
}

} // namespace labels
