#include "postcard/SenderFile.h"

#include "book/AddressFile.h"
#include "platform/ProgramFolder.h"

namespace postcard {

QString senderFilePath() {
    return platform::ProgramFolder::file(QString::fromUtf16(SenderFileName));
}

SenderRead readSender(const QString& path) {
    const book::LoadResult loaded = book::loadBook(path);
    SenderRead read;
    if (!loaded.ok()) {
        if (loaded.error.kind != book::ReadError::Missing)
            read.error = loaded.error.describe();
        return read;
    }
    if (!loaded.cards.isEmpty())
        read.sender = loaded.cards.first();
    return read;
}

book::WriteResult writeSender(const QString& path, const book::AddressCard& sender) {
    return book::writeBook(path, {sender});
}

} // namespace postcard
