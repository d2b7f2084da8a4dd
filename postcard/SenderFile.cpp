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

bool saveSender(const book::AddressCard& sender, platform::Messages& messages) {
    const book::WriteResult written = writeSender(senderFilePath(), sender);
    if (!written.ok())
        messages.show(QStringLiteral("差出人を保存できませんでした。\n") + written.error.describe(),
                      platform::Buttons::Ok);
    return written.ok();
}

} // namespace postcard
