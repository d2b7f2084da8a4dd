#pragma once

#include "book/AddressCard.h"
#include "book/WriteError.h"
#include "platform/Messages.h"

#include <QString>

#include <optional>

namespace postcard {

// The sender printed on postcards is kept in the program folder as a book
// of one card, in the usual address-file format.
inline constexpr char16_t SenderFileName[] = u"Sender.dat";

// Sender.dat in the program folder.
QString senderFilePath();

struct SenderRead {
    std::optional<book::AddressCard> sender; // none for a missing or empty file
    QString error;                           // why a file that is there could not be read
};

// The first card of a sender file.
SenderRead readSender(const QString& path);

// Replaces the sender file with a book of this one card, whole or not at all.
book::WriteResult writeSender(const QString& path, const book::AddressCard& sender);

// Writes the sender to Sender.dat in the program folder; false after
// showing "差出人を保存できませんでした。" and why.
bool saveSender(const book::AddressCard& sender, platform::Messages& messages);

} // namespace postcard
