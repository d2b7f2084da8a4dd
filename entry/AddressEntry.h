#pragma once

#include "entry/EntryField.h"

#include <QString>

namespace platform {
class Messages;
}

namespace entry {

// What the address controls of the card editor and the single-address form
// need from the form's logic: the fields, the one-line address panel with
// its split, the honorific and the prefecture option.
class AddressEntry {
public:
    virtual ~AddressEntry() = default;

    // Typing in a field; returns the text the field keeps.
    virtual QString setFieldText(Field field, const QString& text) = 0;
    // Typing in the one-line address box; returns the text it keeps.
    virtual QString setNewAddress(const QString& text) = 0;
    // The honorific chosen by the user: its position, -1 for none.
    virtual void chooseHonorific(int position) = 0;
    // Option1 (true, prefecture kept) or Option2.
    virtual void setKeepPrefecture(bool keep) = 0;
    virtual void splitNewAddress() = 0; // 自動振り分け Command1
    virtual void useAddressLines() = 0; // 使わない Command2
    // The address lines were filled from the postal code: they are shown in
    // place of the one-line panel, as after the split.
    virtual void addressLinesFilled() = 0;

    virtual QString fieldText(Field field) const = 0;
    virtual QString newAddress() const = 0;
    virtual int honorificPosition() const = 0;
    virtual bool keepPrefecture() const = 0;
    // The one-line address panel is shown in place of the two address lines.
    virtual bool entryMode() const = 0;
};

// Cuts the one-line address typed into entry's address lines 1 and 2, through
// setFieldText; false, after telling the user, when nothing was typed.
bool splitTypedAddress(AddressEntry& entry, platform::Messages& messages);

} // namespace entry
