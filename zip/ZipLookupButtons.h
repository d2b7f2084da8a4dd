#pragma once

// The two lookup buttons beside 〒 on the card editor and the single-address form.
// cmdAddSearch  "住所検索": the address lines from the postal code
// cmdZipSearch  "〒検索": the postal code from the address lines

#include "platform/Messages.h"
#include "zip/AddressFiller.h"

#include <QObject>

#include <functional>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zip {

class ZipLookupButtons : public QObject {
    Q_OBJECT

public:
    // Sets a field as typing would, so the form's change handling runs.
    using FieldSetter = std::function<void(QLineEdit* field, const QString& text)>;

    // Creates both buttons as children of parent and connects them to the
    // form's fields; withoutPrefecture is the "都府県名なし" option. The
    // default setter is QLineEdit::setText (which emits textChanged).
    ZipLookupButtons(QWidget* parent, platform::Messages& messages, TownPicker& picker,
                     QLineEdit* txtZip, QLineEdit* txtAdd1, QLineEdit* txtAdd2,
                     QAbstractButton* withoutPrefecture, FieldSetter setField = {},
                     const ZipDirectory& directory = ZipDirectory::shipped());

    QPushButton* cmdAddSearch;
    QPushButton* cmdZipSearch;

signals:
    // The address lines were set from the postal code (a form in entry mode
    // switches to its address lines here, as after the automatic split).
    void addressFilled();
    // The postal code was set from the address lines.
    void codeFilled();

private slots:
    void fillAddress();
    void fillCode();

private:
    AddressFiller m_filler;
    QLineEdit* m_txtZip;
    QLineEdit* m_txtAdd1;
    QLineEdit* m_txtAdd2;
    QAbstractButton* m_withoutPrefecture;
    FieldSetter m_setField;
};

} // namespace zip
