#include "printing/PrintScreenModel.h"

#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "printing/OffsetsFile.h"
#include "printing/PrinterTrims.h"

using namespace Qt::StringLiterals;

namespace printing {

namespace {

QString itemName(PrintMedium medium) {
    switch (medium) {
    case PrintMedium::Labels:
        return u"ラベル"_s;
    case PrintMedium::Postcards:
        return u"ハガキ"_s;
    case PrintMedium::Envelopes:
        break;
    }
    return u"封筒"_s;
}

} // namespace

PrintScreenModel::PrintScreenModel(PrintMedium medium, const book::CardList& entries, bool fromList)
    : textFace(QString::fromUtf16(platform::MinchoFace)), m_medium(medium),
      m_entries(fromList ? entries : entries.mid(0, 1)), m_fromList(fromList),
      m_choices(readPrintChoices(printChoicesPath())) {
    m_pager = {0, int(m_entries.size())};
}

std::optional<book::AddressCard> PrintScreenModel::shownEntry() const {
    if (!hasEntry())
        return std::nullopt;
    return m_entries[m_pager.CurrentEntry];
}

book::AddressCard PrintScreenModel::entryAsPrinted() const {
    book::AddressCard entry = m_entries[m_pager.CurrentEntry];
    if (!m_choices.printCode)
        entry.code.clear();
    return entry;
}

PagingStep PrintScreenModel::previous() {
    if (m_pager.back() == PreviewPager::Step::AtFirst)
        return {false, u"最初の"_s + itemName(m_medium) + u"です。"_s};
    return {true, {}};
}

PagingStep PrintScreenModel::next() {
    switch (m_pager.forward()) {
    case PreviewPager::Step::Moved:
        return {true, {}};
    case PreviewPager::Step::AtLast:
        return {false, u"最後の"_s + itemName(m_medium) + u"です。"_s};
    case PreviewPager::Step::AtFirst:
    case PreviewPager::Step::Stopped:
        break;
    }
    // The preview stops at its hundredth entry without a word: the job still prints them all.
    return {false, {}};
}

QString PrintScreenModel::offsetsPath() const {
    if (m_medium == PrintMedium::Labels)
        return labelOffsetsPath();
    return platform::ProgramFolder::file(QString::fromUtf16(PostcardOffsetsFileName));
}

Trims PrintScreenModel::readTrimsForJob() {
    const Trims trims = readTrims(offsetsPath());
    m_trims = trims;
    return trims;
}

Trims PrintScreenModel::trimsForJob(const QString& printer) const {
    return jobTrims(offsetsPath(), printer, m_trimMedium);
}

book::WriteResult PrintScreenModel::choosePrintCode(bool printCode) {
    m_choices.printCode = printCode;
    return writePrintChoices(printChoicesPath(), m_choices);
}

PrintScreenControls PrintScreenModel::controls() const {
    PrintScreenControls controls;
    controls.printEnabled = m_printAllowed;
    controls.pagingEnabled = m_fromList;
    controls.positionVisible = m_fromList;
    controls.position = m_pager.position();
    controls.printCode = m_choices.printCode;
    controls.barcodes = m_barcodes;
    return controls;
}

} // namespace printing
