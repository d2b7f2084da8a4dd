#pragma once

#include "platform/Messages.h"
#include "zip/TownPicker.h"
#include "zip/ZipDirectory.h"

#include <optional>

namespace zip {

// The two address lines of a card or of the single-address form.
struct AddressLines {
    QString line1; // 住所１: prefecture (unless left out) and municipality
    QString line2; // 住所２: town, block and number

    bool operator==(const AddressLines&) const = default;
};

// What the two lookup buttons beside the postal code do, without a window:
// the window hands in what is typed and sets what comes back through its
// own typing path.
class AddressFiller {
public:
    AddressFiller(const ZipDirectory& directory, platform::Messages& messages, TownPicker& picker);

    // The address lines for the typed postal code: line 1 the prefecture (left
    // out when withoutPrefecture) and the municipality, line 2 the town. Asks
    // for a choice when the code covers several places and before replacing
    // text already in either line; what follows the town in the typed lines
    // (block and number) stays after it. Nothing when the code is not known (after
    // saying so), or the user cancelled the choice or declined the replacement.
    std::optional<AddressLines> addressFor(const QString& typedCode, const AddressLines& current,
                                           bool withoutPrefecture);

    // The postal code ("100-0013") of the address typed in the two lines, once
    // the user accepted it. Nothing when no code is found (after saying so),
    // when the typed code is that code already, or when the user declined.
    std::optional<QString> codeFor(const AddressLines& current, const QString& typedCode);

private:
    bool dataReady();

    const ZipDirectory& m_directory;
    platform::Messages& m_messages;
    TownPicker& m_picker;
};

} // namespace zip
