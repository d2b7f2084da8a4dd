#pragma once

#include "book/WriteError.h"

#include <QString>

namespace postcard {

// How the address is written on the card.
enum class Writing { Horizontal, Vertical };

// What the postcard screen remembers between runs, in a file of its own in
// the program folder: one CR LF line, "1" for vertical writing (else
// horizontal) and "1" when the sender is printed.
struct PostcardChoices {
    Writing writing = Writing::Horizontal;
    bool printSender = false;

    bool operator==(const PostcardChoices&) const = default;
};

inline constexpr char16_t PostcardChoicesFileName[] = u"TagoraCard.ini";

// TagoraCard.ini in the program folder.
QString postcardChoicesPath();

// The choices in the file; a missing or unreadable file gives the defaults.
PostcardChoices readPostcardChoices(const QString& path);

// Replaces the file, whole or not at all.
book::WriteResult writePostcardChoices(const QString& path, const PostcardChoices& choices);

} // namespace postcard
