#pragma once

#include "book/AddressCard.h"
#include "book/WriteError.h"
#include "printing/OutputChoice.h"
#include "printing/PreviewPager.h"
#include "printing/PrintChoices.h"
#include "printing/Trims.h"

#include <QString>

#include <optional>

namespace printing {

// What a print screen prints on: it names the offsets file and the item
// the paging messages speak of. Envelopes go through the postcards' feed
// and share their trims.
enum class PrintMedium { Labels, Postcards, Envelopes };

// What ＜ or ＞ did: whether another entry is on screen, and the message
// to show when the step stopped at an end (empty when there is none).
struct PagingStep {
    bool moved = false;
    QString message;
};

// The states of a print screen's shared controls, which the window applies
// in one place after every step.
struct PrintScreenControls {
    bool printEnabled = false;    // 印刷
    bool pagingEnabled = false;   // ＜ ＞: only when the entries come from the print list
    bool positionVisible = false; // lblPP
    QString position;             // lblPP's "k/n"
    bool printCode = true;        // chkPrintCode
    bool barcodes = false;        // chkBarcode
};

// A print screen without its window, shared by the label and postcard
// screens: the entries and the one on screen, the text face, the trims and
// their file, whether the code line is printed, and when 印刷 is usable.
class PrintScreenModel {
public:
    // entries in print order; fromList false means one typed address, of
    // which only the first entry counts. Reads the remembered choices.
    PrintScreenModel(PrintMedium medium, const book::CardList& entries, bool fromList);

    const book::CardList& entries() const { return m_entries; }
    bool hasEntry() const { return !m_entries.isEmpty(); }
    // The entry on screen; only when hasEntry().
    book::AddressCard& entryOnScreen() { return m_entries[m_pager.CurrentEntry]; }
    // The entry on screen, none when there is none.
    std::optional<book::AddressCard> shownEntry() const;
    // The entry on screen as a job prints it: without its code when the code
    // line is left out. Only when hasEntry().
    book::AddressCard entryAsPrinted() const;
    int currentEntry() const { return m_pager.CurrentEntry; }
    int entryCount() const { return m_pager.EntryCount; }

    // ＜ and ＞.
    PagingStep previous();
    PagingStep next();

    // The offsets file of this screen's medium, in the program folder.
    QString offsetsPath() const;
    // The trims as the offsets file holds them now; kept as the last ones.
    Trims readTrimsForJob();
    // What the trims are kept for on each printer queue: the sheet's name,
    // "はがき" or "A4" for postcards, the envelope's name.
    const QString& trimMedium() const { return m_trimMedium; }
    void chooseTrimMedium(const QString& medium) { m_trimMedium = medium; }
    // The trims of a job on printer (a queue, empty for a PDF): those kept
    // for the queue and the medium, else the offsets file's.
    Trims trimsForJob(const QString& printer) const;

    // The trims a job used last, or those the position dialog saved.
    const Trims& trims() const { return m_trims; }
    void keepTrims(const Trims& trims) { m_trims = trims; }

    // Where this run's jobs go, as either screen's 出力先 set it.
    const OutputChoice& outputChoice() const { return outputChoiceForThisRun(); }

    bool printCode() const { return m_choices.printCode; }
    // Keeps the choice for this screen and remembers it for both screens;
    // the error when the file could not be written.
    book::WriteResult choosePrintCode(bool printCode);

    // Whether the job prints customer barcodes: chosen for each opening of a
    // screen, off at first, since few jobs are mailed in bulk.
    bool barcodes() const { return m_barcodes; }
    void chooseBarcodes(bool barcodes) { m_barcodes = barcodes; }
    // 印刷 becomes usable or not before a job (the label screen's start label).
    void allowPrint(bool allowed) { m_printAllowed = allowed; }
    // A job is running: 印刷 stays off until printFinished().
    void printStarted() { m_printAllowed = false; }
    // The job said whether the same entries can be printed again.
    void printFinished(bool printAgain) { m_printAllowed = printAgain; }

    PrintScreenControls controls() const;

    // The face of every printed line but the postal code boxes (Text6);
    // the font chooser changes it.
    QString textFace;

private:
    PrintMedium m_medium;
    book::CardList m_entries;
    PreviewPager m_pager;
    bool m_fromList = true;
    bool m_printAllowed = false;
    bool m_barcodes = false;
    PrintChoices m_choices;
    Trims m_trims;
    QString m_trimMedium;
};

} // namespace printing
