#pragma once

// The sender dialog of the postcard screen: the sender typed or corrected,
// kept as "Sender.dat" in the program folder on OK.
//
// txtName, txtAdd1-3, txtZip  name, address lines 1 to 3, postal code
// cmdOK        saves and closes; cmdCancel closes without saving

#include "book/AddressCard.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace platform {
class Messages;
}

namespace postcard {

class frmSender : public QDialog {
    Q_OBJECT

public:
    // onSaved receives the sender after it was written.
    frmSender(platform::Messages& messages, const book::AddressCard& sender,
              std::function<void(const book::AddressCard&)> onSaved, QWidget* parent = nullptr);

private slots:
    void save();

private:
    platform::Messages& m_messages;
    std::function<void(const book::AddressCard&)> m_onSaved;
    book::AddressCard m_sender;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtAdd1 = nullptr;
    QLineEdit* txtAdd2 = nullptr;
    QLineEdit* txtAdd3 = nullptr;
    QLineEdit* txtZip = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace postcard
