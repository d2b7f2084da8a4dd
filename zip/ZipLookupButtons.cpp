#include "zip/ZipLookupButtons.h"

#include "ui/Named.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zip {

ZipLookupButtons::ZipLookupButtons(QWidget* parent, platform::Messages& messages,
                                   TownPicker& picker, QLineEdit* txtZip, QLineEdit* txtAdd1,
                                   QLineEdit* txtAdd2, QAbstractButton* withoutPrefecture,
                                   FieldSetter setField, const ZipDirectory& directory)
    : QObject(parent), m_filler(directory, messages, picker), m_txtZip(txtZip), m_txtAdd1(txtAdd1),
      m_txtAdd2(txtAdd2), m_withoutPrefecture(withoutPrefecture), m_setField(std::move(setField)) {
    if (!m_setField)
        m_setField = [](QLineEdit* field, const QString& text) { field->setText(text); };
    cmdAddSearch = ui::named(new QPushButton(u"住所検索"_s, parent), u"cmdAddSearch"_s);
    cmdZipSearch = ui::named(new QPushButton(u"〒検索"_s, parent), u"cmdZipSearch"_s);
    connect(cmdAddSearch, &QPushButton::clicked, this, &ZipLookupButtons::fillAddress);
    connect(cmdZipSearch, &QPushButton::clicked, this, &ZipLookupButtons::fillCode);
}

void ZipLookupButtons::fillAddress() {
    const bool withoutPrefecture = m_withoutPrefecture && m_withoutPrefecture->isChecked();
    const auto lines = m_filler.addressFor(m_txtZip->text(), {m_txtAdd1->text(), m_txtAdd2->text()},
                                           withoutPrefecture);
    if (!lines)
        return;
    if (m_txtAdd1->text() != lines->line1)
        m_setField(m_txtAdd1, lines->line1);
    if (m_txtAdd2->text() != lines->line2)
        m_setField(m_txtAdd2, lines->line2);
    emit addressFilled();
    // Ready for the block number after the town.
    m_txtAdd2->setFocus();
    m_txtAdd2->end(false);
}

void ZipLookupButtons::fillCode() {
    const auto code = m_filler.codeFor({m_txtAdd1->text(), m_txtAdd2->text()}, m_txtZip->text());
    if (!code)
        return;
    m_setField(m_txtZip, *code);
    emit codeFilled();
}

} // namespace zip
