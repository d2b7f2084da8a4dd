#pragma once

// The sender dialog of the postcard screen: the sender typed or corrected,
// kept as "Sender.dat" in the program folder on OK.
//
// nameEdit, address1Edit-3, postalCodeEdit  name, address lines 1 to 3, postal code
// okButton      saves and closes; cancelButton closes without saving
// Their objectNames: txtName, txtAdd1-3, txtZip, cmdOK, cmdCancel.

#include "book/AddressCard.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace platform {
class Messages;
}

namespace postcard {

class SenderDialog : public QDialog {
    Q_OBJECT

public:
    // onSaved receives the sender after it was written.
    SenderDialog(platform::Messages& messages, const book::AddressCard& sender,
                 std::function<void(const book::AddressCard&)> onSaved, QWidget* parent = nullptr);

private slots:
    void save();

private:
    platform::Messages& m_messages;
    std::function<void(const book::AddressCard&)> m_onSaved;
    book::AddressCard m_sender;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* address1Edit = nullptr;
    QLineEdit* address2Edit = nullptr;
    QLineEdit* address3Edit = nullptr;
    QLineEdit* postalCodeEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

} // namespace postcard
