#pragma once

#include "book/AddressCard.h"
#include "book/Cp932.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Helpers shared by the book tests: files are real files in a QTemporaryDir.
namespace bookfiles {

inline QByteArray cp932(const QString& text) {
    return book::encodeCp932(text).value_or(QByteArray("<unencodable>"));
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline book::AddressCard card(const QString& name, const QString& address1 = {},
                              const QString& address2 = {}, const QString& address3 = {},
                              const QString& postalCode = {}, const QString& code = {},
                              const QString& honorific = QStringLiteral("0")) {
    return {name, address1, address2, address3, postalCode, code, honorific};
}

// n cards with distinct names, "カード1" to "カードn".
inline book::CardList numberedCards(int n) {
    book::CardList cards;
    for (int i = 1; i <= n; ++i)
        cards.append(card(QStringLiteral("カード%1").arg(i), QStringLiteral("東京都港区"), {}, {},
                          QStringLiteral("105-0011"), {}, QString::number(i % 6)));
    return cards;
}

} // namespace bookfiles
