#pragma once

#include "book/AddressCard.h"
#include "entry/AddressEntry.h"
#include "entry/EntryField.h"
#include "ui/AppContext.h"

#include <QObject>
#include <QString>

namespace entry {

// One address typed for printing and kept nowhere, without its window: the
// fields, the honorific, the one-line address panel, and the hand-over to
// the label and postcard print screens.
class SingleEntry : public QObject, public AddressEntry {
    Q_OBJECT

public:
    explicit SingleEntry(ui::AppContext& context, QObject* parent = nullptr);

    // Typing in a field; this form has no length limits, so the text is kept
    // as typed. The postal-code lookup fills fields through here too.
    QString setFieldText(Field field, const QString& text) override;
    QString setNewAddress(const QString& text) override {
        m_newAddress = text;
        return text;
    }
    // Combo1 reported a change: its position (-1 none) is copied to txtcmbK.
    void chooseHonorific(int position) override;
    void setKeepPrefecture(bool keep) override { m_keepPrefecture = keep; }

    void splitNewAddress() override;
    void useAddressLines() override;
    void addressLinesFilled() override;
    // ラベル印刷へ cmdPrint / ハガキ印刷へ cmdHagaki: false (with a message)
    // when there is no addressee name.
    bool printLabels();
    bool printPostcards();
    // 戻る Command3, and the close box.
    void back();

    QString fieldText(Field field) const override { return m_address.field(int(field)); }
    QString newAddress() const override { return m_newAddress; }
    int honorificPosition() const override { return m_honorific; }
    QString honorificText() const { return m_address.honorific; } // txtcmbK
    bool keepPrefecture() const override { return m_keepPrefecture; }
    bool entryMode() const override { return m_entryMode; }
    bool closed() const { return m_closed; }
    // The address as the print screens receive it.
    book::AddressCard address() const { return m_address; }

signals:
    void screenChanged();
    void focusRequested(entry::Field field);

private:
    bool readyToPrint();

    ui::AppContext& m_context;
    book::AddressCard m_address; // honorific holds txtcmbK
    int m_honorific = -1;
    QString m_newAddress;
    bool m_keepPrefecture = true;
    bool m_entryMode = true;
    bool m_closed = false;
};

} // namespace entry
