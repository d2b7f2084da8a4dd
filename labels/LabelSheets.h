#pragma once

#include "barcode/BarcodePlacement.h"
#include "barcode/CardBarcode.h"
#include "book/AddressCard.h"
#include "labels/LabelLayout.h"
#include "labels/LabelText.h"
#include "labels/SheetLayout.h"
#include "platform/Printer.h"
#include "printing/JobReview.h"
#include "printing/Trims.h"

#include <QList>
#include <QString>

namespace labels {

// The drawing of a label job: the label texts of its entries and the sheets
// they go on, through a printer that has already begun. It never begins or
// ends the document; the caller does.
class LabelSheets {
public:
    // entries in print order; startLabel 1 to the sheet's label count (any
    // other number prints nothing); face for every line; trims moving every
    // line; the sheet the labels are on.
    LabelSheets(const book::CardList& entries, int startLabel, const QString& face,
                printing::Trims trims, const SheetTemplate& sheet = standardSheet());

    // Sheets the job uses, from the entry count and the start label (as from
    // label 1 when the start label is outside the sheet).
    int sheetCount() const;

    // Builds one label text per entry, slots 0 to n − 1; the others are empty.
    void buildLabelTexts();
    const QList<LabelText>& labelTexts() const { return m_texts; }

    // Every label's outline on the page, for a preview (the printer decides
    // whether outlines are drawn; paper never gets them).
    void drawLabelOutlines(platform::Printer& printer) const;
    // Sheet 1 on the page already started, from the start label to label 12.
    void drawFirstSheet(platform::Printer& printer);
    // Sheets 2 to the last, each on a new page.
    void drawFullSheets(platform::Printer& printer);

    // The whole job onto a begun printer: the label texts, sheet 1 from the
    // start label, then the full sheets. False (nothing drawn) for a start
    // label outside the sheet.
    bool drawJob(platform::Printer& printer);

    // The start label, or 0 when it was outside the sheet.
    int startLabel() const { return m_startLabel; }
    int entryCount() const { return int(m_entries.size()); }
    const SheetLayout& layout() const { return m_layout; }

    // Whether the free code line is printed (it is unless switched off).
    void setPrintCode(bool printCode) { m_printCode = printCode; }
    // Labels of the first sheet already used, besides those before the start
    // label: the job leaves them empty and fills the others in order.
    // Numbers outside the sheet are ignored.
    void setUsedLabels(const QList<int>& used);
    // The labels of the first sheet the job fills, in order.
    QList<int> firstSheetLabels() const;
    // The entry on label L of sheet k (from 1), which may be past the last
    // entry (an empty label); -1 for a used label of the first sheet.
    int entryOnLabel(int sheet, int label) const;
    // Whether each label gets its customer barcode below the name (off unless switched on).
    void setBarcodes(bool barcodes) { m_barcodes = barcodes; }

    // The label's edges and layout table, twips from the page origin before the trims.
    printing::HorizontalFrame frameOf(int label) const;
    // The entry in slot set on label L, measured in the printer's fonts; empty for an empty slot.
    printing::TypesetCard typesetCell(platform::Printer& measure, int label, int slot) const;
    // For each entry the typesetting had to set smaller or cut short, what it
    // gave up, measured in measure's fonts as the job will set it.
    void noteCompromises(platform::Printer& measure, printing::JobReview& review);
    // Where the barcode of the entry in slot goes on label L, the card's code
    // line moved or left out to make room; nothing when barcodes are off, the
    // entry has none, or the label has no room for it with its clear space.
    std::optional<barcode::BarcodePlace> placeBarcode(platform::Printer& measure, int label,
                                                      int slot, printing::TypesetCard& card) const;
    // One label cell as it is typeset. An empty slot draws nothing.
    void drawCell(platform::Printer& printer, int label, int slot);

private:
    SheetLayout m_layout;
    book::CardList m_entries;
    QString m_face;
    int m_startLabel = 0;
    printing::OffsetsTwips m_offsets;
    QList<LabelText> m_texts;
    QList<barcode::CardBarcode> m_barcodeOf; // per slot, when barcodes are on
    bool m_printCode = true;
    QList<int> m_used;
    bool m_barcodes = false;
};

} // namespace labels
