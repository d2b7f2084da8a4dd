#pragma once

#include "book/AddressCard.h"
#include "labels/LabelLayout.h"
#include "labels/LabelText.h"
#include "platform/Printer.h"

#include <QList>
#include <QString>

namespace labels {

// The drawing of a label job: the label texts of its entries and the sheets
// they go on, through a printer that has already begun. It never begins or
// ends the document; the caller does. The inputs are the print screen's
// fields as text, read leniently as the screen always has.
class LabelSheets {
public:
    // entries in print order; startLabel "1" to "12" (Text2); face (Text6);
    // X and Y trims in millimetres (Text4, Text5).
    LabelSheets(const book::CardList& entries, const QString& startLabel, const QString& face,
                const QString& xMillimetres, const QString& yMillimetres);

    // Sheets the job uses, from the entry count and the start label; also
    // kept as text (as Text1 holds it).
    int Page();
    const QString& sheetCountText() const { return m_sheetCountText; }

    // Builds one label text per entry, slots 0 to n − 1; the others are empty.
    void PriSet();
    const QList<LabelText>& labelTexts() const { return m_texts; }

    // Every sheet of a job from label 1, a new page between sheets.
    void PriMain(platform::Printer& printer);
    // Sheets 2 to the last of a job from label 2 to 12, on the page just started.
    void PriSub(platform::Printer& printer);
    // The start label's own row of sheet 1, from the start label to its right.
    void drawStartRow(platform::Printer& printer);
    // Both labels of row 2 to 6 of sheet 1.
    void Dan2(platform::Printer& printer) { drawFirstSheetRow(printer, 2); }
    void Dan3(platform::Printer& printer) { drawFirstSheetRow(printer, 3); }
    void Dan4(platform::Printer& printer) { drawFirstSheetRow(printer, 4); }
    void Dan5(platform::Printer& printer) { drawFirstSheetRow(printer, 5); }
    void Dan6(platform::Printer& printer) { drawFirstSheetRow(printer, 6); }

    // The whole job onto a begun printer: Page and PriSet, sheet 1 from the
    // start label, then the full sheets. False (nothing drawn) for a start
    // label outside 1 to 12.
    bool drawAll(platform::Printer& printer);

    int startLabel() const { return m_startLabel; }
    int entryCount() const { return int(m_entries.size()); }

    // One label cell: its six lines, each with position, face and size set
    // first. An empty slot draws nothing.
    void drawCell(platform::Printer& printer, int label, int slot);

private:
    void drawFirstSheetRow(platform::Printer& printer, int row);
    void drawSheet(platform::Printer& printer, int firstSlot);

    book::CardList m_entries;
    QString m_face;
    int m_startLabel = 0;
    int m_sheetCount = 1;
    QString m_sheetCountText;
    OffsetsTwips m_offsets;
    QList<LabelText> m_texts;
};

} // namespace labels
