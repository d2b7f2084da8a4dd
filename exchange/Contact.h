#pragma once

#include "exchange/ImportedCard.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace exchange {

// Whose address it is, as the file labels it.
enum class AddressKind { Unlabelled, Home, Work };

// One address of a contact in the book's three lines, as a file gives it.
struct ContactAddress {
    QString line1;      // prefecture and municipality, or a whole address on one line
    QString line2;      // town and block number
    QString line3;      // building, room, care-of
    QString postalCode; // as typed
    AddressKind kind = AddressKind::Unlabelled;
    bool preferred = false;

    bool isEmpty() const;
};

// What a vCard contact or a CSV row says, before it becomes a card: the
// rules of one contact are the same for every file format.
struct Contact {
    QString source; // the file, as named by the user
    QString place;  // "12行目" or "3件目"

    QString person;         // the whole name, or the family and given names joined by a space
    QStringList jointNames; // people named with the person on one card (連名)
    QString company;        // the organisation
    QString department;     // 部署
    QString title;          // 役職
    bool isCompany = false; // the file says the contact is the organisation itself
    QList<ContactAddress> addresses;
    std::optional<QString> honorific; // the file's text; nullopt when the file has none
    QString code;

    // Written by this program's own export: fields are taken as they are,
    // honorific as the stored index, and a card without an address is kept.
    bool ownExport = false;
};

// Something worth a look about a card that was taken in (a postal code that
// could not be cleaned), in the same words as LeftOut.
using Remark = LeftOut;

// The card a contact becomes, or nullopt with *leftOut saying why not. The
// contact's address is its preferred one, else home over work (work over
// home for an organisation), else the first; a one-line address is split
// into its lines, a building on the street line moved to line 3, and the
// postal code written 123-4567. An organisation alone is addressed 御中; a
// person's organisation stands ahead of the name, where the printed card
// sets it above the name, unless the letter goes to the home. An honorific
// the book's index cannot hold is kept after the name. No name or no
// address (lines 1 and 2 empty) leaves the contact out.
std::optional<book::AddressCard> cardOfContact(const Contact& contact, LeftOut* leftOut,
                                               QList<Remark>* remarks);

// The street line cut where a building starts: after the block number, at a
// space or before a katakana or Latin name ("三軒茶屋1-11-5 グランドメゾン301"
// gives "三軒茶屋1-11-5" and "グランドメゾン301"). Never inside a number;
// nullopt when no building can be told apart.
struct StreetAndBuilding {
    QString street;
    QString building;
};
std::optional<StreetAndBuilding> splitBuilding(const QString& street);

} // namespace exchange
