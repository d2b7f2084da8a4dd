#pragma once

// The sender as the postcard and envelope screens show and change it: a
// label with the sender, a button that takes the entry on screen and one
// that opens the sender editor (SenderDialog). Reads Sender.dat when built.

#include "book/AddressCard.h"
#include "platform/Messages.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace postcard {

class SenderPanel : public QWidget {
    Q_OBJECT

public:
    // The objectNames of the label and the two buttons.
    struct Names {
        QString label, fromEntry, edit;
    };

    // entryOnScreen gives the entry the from-entry button takes, none when
    // the screen has none.
    SenderPanel(platform::Messages& messages, const Names& names,
                std::function<std::optional<book::AddressCard>()> entryOnScreen,
                QWidget* parent = nullptr);

    const std::optional<book::AddressCard>& sender() const { return m_sender; }
    // The from-entry button is usable only with an entry to take.
    void allowTakingEntry(bool allowed);

signals:
    // The sender was taken from the entry or edited, and saved.
    void senderChanged();

private:
    void takeEntry();
    void edit();
    void showSender();

    platform::Messages& m_messages;
    std::function<std::optional<book::AddressCard>()> m_entryOnScreen;
    std::optional<book::AddressCard> m_sender;
    QLabel* m_label = nullptr;
    QPushButton* m_fromEntry = nullptr;
};

} // namespace postcard
