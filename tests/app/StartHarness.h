#pragma once

#include "app/FileCommands.h"
#include "app/StartScreen.h"
#include "book/AddressFile.h"
#include "book/BookFiles.h"
#include "support/WindowWorld.h"

using bookfiles::readBytes;
using bookfiles::writeBytes;

// A message of app/StartTexts.h as the user sees it.
inline QString shown(const char16_t* message) {
    return QString::fromUtf16(message);
}

// The start window's world, with its file steps.
struct StartHarness : WindowWorld {
    QString path(const QString& name) const { return dir.filePath(name); }

    // Opens file in the start window, the open dialog answered with it.
    void open(app::StartScreen& screen, const QString& file,
              app::FileCommands::From from = app::FileCommands::From::Button) {
        platform.dialogs.answer(file);
        screen.open(from);
    }

    // A book of n cards with distinct fields in every column, written to name.
    QString writeBook(const QString& name, int n) {
        book::writeBook(path(name), cards(n));
        return path(name);
    }

    static book::CardList cards(int n) {
        book::CardList list;
        for (int i = 1; i <= n; ++i)
            list.append({QStringLiteral("名%1").arg(i), QStringLiteral("住所%1").arg(i),
                         QStringLiteral("番地%1").arg(i), QStringLiteral("ビル%1").arg(i),
                         QStringLiteral("100-%1").arg(i, 4, 10, QLatin1Char('0')),
                         QStringLiteral("C%1").arg(i), QString::number(i % 6)});
        return list;
    }

    QString settingsPath() const { return path(QStringLiteral("Tagora.ini")); }

    // The settings line as text ("<missing>" reads as itself), or "<not code page 932>".
    QString settingsLine() const {
        return book::decodeCp932(readBytes(settingsPath()))
            .value_or(QStringLiteral("<not code page 932>"));
    }
};
