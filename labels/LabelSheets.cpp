#include "labels/LabelSheets.h"

#include "platform/RecordingPrinter.h"
#include "printing/PlacedRun.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace labels {

LabelSheets::LabelSheets(const book::CardList& entries, int startLabel, const QString& face,
                         printing::Trims trims, const SheetTemplate& sheet)
    : m_layout(sheet), m_entries(entries), m_face(face),
      m_startLabel(startLabel >= 1 && startLabel <= m_layout.labelCount() ? startLabel : 0),
      m_offsets(trims.twips()) {
}

int LabelSheets::sheetCount() const {
    if (m_used.isEmpty())
        return m_layout.sheetCount(entryCount(), m_startLabel >= 1 ? m_startLabel : 1);
    const int onFirst = int(firstSheetLabels().size());
    if (entryCount() <= onFirst)
        return 1;
    const int perSheet = m_layout.labelCount();
    return 1 + (entryCount() - onFirst + perSheet - 1) / perSheet;
}

void LabelSheets::setUsedLabels(const QList<int>& used) {
    m_used.clear();
    for (const int label : used)
        if (label >= 1 && label <= m_layout.labelCount() && !m_used.contains(label))
            m_used.append(label);
}

QList<int> LabelSheets::firstSheetLabels() const {
    QList<int> labels;
    for (int label = m_startLabel >= 1 ? m_startLabel : 1; label <= m_layout.labelCount(); ++label)
        if (!m_used.contains(label))
            labels.append(label);
    return labels;
}

int LabelSheets::entryOnLabel(int sheet, int label) const {
    if (m_used.isEmpty())
        return m_layout.entryOnLabel(sheet, label, m_startLabel >= 1 ? m_startLabel : 1);
    const QList<int> first = firstSheetLabels();
    if (sheet == 1)
        return int(first.indexOf(label));
    return int(first.size()) + m_layout.labelCount() * (sheet - 2) + (label - 1);
}

void LabelSheets::buildLabelTexts() {
    m_texts.clear();
    const int filled = qMin(entryCount(), LabelTextSlots);
    m_texts.reserve(filled);
    for (int i = 0; i < filled; ++i)
        m_texts.append(LabelText::forEntry(m_entries[i], m_printCode));
    // The entries do not change: the review and the drawing share one reading.
    if (m_barcodes && m_barcodeOf.size() != filled)
        for (int i = int(m_barcodeOf.size()); i < filled; ++i)
            m_barcodeOf.append(barcode::barcodeOfCard(m_entries[i]));
}

printing::HorizontalFrame LabelSheets::frameOf(int label) const {
    auto slot = [&](int line) {
        const LinePlacement placement = m_layout.linePlacement(label, line, 0, {});
        return printing::LineSlot{placement.xTwips, placement.yTwips, placement.points};
    };
    printing::HorizontalFrame frame;
    frame.boundsTwips = m_layout.cellTwips(label);
    frame.postal = slot(PostalLine);
    frame.addresses = {slot(Address1Line), slot(Address2Line), slot(Address3Line)};
    frame.name = slot(NameLine);
    frame.code = slot(CodeLine);
    frame.nameShift = [this, label, unshifted = frame.name.xTwips](const QString& nameLine) {
        return unshifted - m_layout.linePlacement(label, NameLine, nameShift(nameLine), {}).xTwips;
    };
    return frame;
}

printing::TypesetCard LabelSheets::typesetCell(platform::Printer& measure, int label,
                                               int slot) const {
    if (slot < 0 || slot >= m_texts.size() || m_texts[slot].empty)
        return {};
    return printing::typesetHorizontal(measure, m_face, m_texts[slot].card, frameOf(label));
}

std::optional<barcode::BarcodePlace> LabelSheets::placeBarcode(platform::Printer& measure,
                                                               int label, int slot,
                                                               printing::TypesetCard& card) const {
    if (slot < 0 || slot >= m_barcodeOf.size() || !m_barcodeOf[slot].data)
        return std::nullopt;
    const std::optional<int> nameBottom = barcode::nameBottomTwips(measure, card.runs);
    if (!nameBottom)
        return std::nullopt;
    // Japan Post asks for the barcode alone, right under the addressee's
    // name, with its clear space inside the label.
    const int clear = barcode::clearSpaceTwips();
    const printing::HorizontalFrame frame = frameOf(label);
    barcode::BarcodeRoom room;
    room.barsAreaTwips = frame.boundsTwips.adjusted(clear, clear, -clear, -clear);
    room.topTwips = *nameBottom + clear;
    room.preferredLeftTwips = frame.name.xTwips;
    return barcode::placeBarcode(measure, card, room);
}

void LabelSheets::noteCompromises(platform::Printer& measure, printing::JobReview& review) {
    if (m_startLabel == 0)
        return;
    buildLabelTexts();
    const QList<int> first = firstSheetLabels();
    for (int entry = 0; entry < m_texts.size(); ++entry) {
        const int label = entry < first.size()
                              ? first[entry]
                              : (entry - int(first.size())) % m_layout.labelCount() + 1;
        printing::TypesetCard card = typesetCell(measure, label, entry);
        if (m_barcodes) {
            if (!m_barcodeOf[entry].data)
                review.noteWithoutBarcode(m_entries[entry], m_barcodeOf[entry].whyNone);
            else if (!placeBarcode(measure, label, entry, card))
                review.noteWithoutBarcode(m_entries[entry], u"ラベルに余白が足りません"_s);
        }
        review.noteCompromises(m_entries[entry], card.compromises);
    }
}

void LabelSheets::drawCell(platform::Printer& printer, int label, int slot) {
    // The trims move the whole job to meet the sheet; the room a line has on
    // its label is measured before them.
    // Measured in the fonts' own metrics, not the device's, so that a label
    // breaks its lines alike on every printer, in a PDF and in the preview.
    platform::RecordingPrinter measure;
    printing::TypesetCard card = typesetCell(measure, label, slot);
    const std::optional<barcode::BarcodePlace> place = placeBarcode(measure, label, slot, card);
    printing::drawRuns(printer, card.runs, m_offsets);
    if (place)
        barcode::drawCustomerBarcode(
            printer, *m_barcodeOf[slot].data,
            place->topLeftTwips + QPoint(m_offsets.xTwips, m_offsets.yTwips), place->points);
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
    for (const int label : firstSheetLabels())
        drawCell(printer, label, entryOnLabel(1, label));
}

void LabelSheets::drawFullSheets(platform::Printer& printer) {
    if (m_startLabel == 0)
        return;
    const int sheets = sheetCount();
    for (int sheet = 2; sheet <= sheets; ++sheet) {
        printer.newPage();
        drawLabelOutlines(printer);
        for (int label = 1; label <= m_layout.labelCount(); ++label)
            drawCell(printer, label, entryOnLabel(sheet, label));
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
