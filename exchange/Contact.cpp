#include "exchange/Contact.h"

#include "book/JointNames.h"
#include "book/PostalCode.h"
#include "entry/AddressSplit.h"

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

constexpr char16_t IdeographicSpace = u'　';
// An honorific longer than this is no honorific but a column read wrongly.
constexpr int LongestHonorific = 6;

bool isSpace(QChar c) {
    return c == u' ' || c == IdeographicSpace || c == u'\t';
}

bool isDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

bool isKatakana(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x30a1 && u <= 0x30fa) || (u >= 0xff66 && u <= 0xff9d && u != 0xff70);
}

bool isLatinLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'Ａ' && u <= u'Ｚ') ||
           (u >= u'ａ' && u <= u'ｚ');
}

// Parts joined by one ideographic space, the empty ones left out.
QString joinedWords(const QStringList& parts) {
    QStringList present;
    for (const QString& part : parts) {
        const QString trimmed = book::trimmedSpaces(part);
        if (!trimmed.isEmpty())
            present << trimmed;
    }
    return present.join(IdeographicSpace);
}

// Where the words that join block numbers end when one stands at i: 丁目,
// 番地, 番, 号; 0 when none does.
qsizetype joinerLength(const QString& text, qsizetype i) {
    for (const QString& word : {u"丁目"_s, u"番地"_s, u"番"_s, u"号"_s})
        if (QStringView(text).sliced(i).startsWith(word))
            return word.size();
    return 0;
}

// The end of the block number that starts with the digit at i: digits joined
// by dashes, の and the words 丁目 番地 番 号 ("1丁目2番3号", "1-11-5").
qsizetype blockEnd(const QString& text, qsizetype i) {
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && isDigit(text[i]))
            ++i;
        if (i + 1 < n && (book::isHyphenLookAlike(text[i]) || text[i] == u'の') &&
            isDigit(text[i + 1])) {
            ++i;
            continue;
        }
        const qsizetype word = i < n ? joinerLength(text, i) : 0;
        if (word == 0)
            break;
        i += word;
        if (i >= n || !isDigit(text[i]))
            break;
    }
    return i;
}

// True when the text starts with one of the 47 prefectures' names.
bool startsWithPrefecture(const QString& text) {
    static const QStringList prefectures =
        u"北海道 青森県 岩手県 宮城県 秋田県 山形県 福島県 茨城県 栃木県 群馬県 "
        u"埼玉県 千葉県 東京都 神奈川県 新潟県 富山県 石川県 福井県 山梨県 長野県 "
        u"岐阜県 静岡県 愛知県 三重県 滋賀県 京都府 大阪府 兵庫県 奈良県 和歌山県 "
        u"鳥取県 島根県 岡山県 広島県 山口県 徳島県 香川県 愛媛県 高知県 福岡県 "
        u"佐賀県 長崎県 熊本県 大分県 宮崎県 鹿児島県 沖縄県"_s.split(u' ');
    for (const QString& prefecture : prefectures)
        if (text.startsWith(prefecture))
            return true;
    return false;
}

const ContactAddress* chosenAddress(const Contact& contact, bool organisation) {
    const ContactAddress* chosen = nullptr;
    int best = -1;
    for (const ContactAddress& address : contact.addresses) {
        if (address.isEmpty())
            continue;
        // The order of choice: preferred, then home over work for a person
        // and work over home for an organisation, then the first.
        int rank = address.preferred ? 3 : 1;
        if (!address.preferred && address.kind != AddressKind::Unlabelled) {
            const bool wanted = (address.kind == AddressKind::Work) == organisation;
            rank = wanted ? 2 : 0;
        }
        if (rank > best) {
            best = rank;
            chosen = &address;
        }
    }
    return chosen;
}

// The lines as the book keeps them: a whole address on the street line
// moves to line 1; a line 1 that runs on past the
// municipality with a block number is split there, the rest moving down; a
// building on the street line goes to line 3 when line 3 is empty.
void putInLines(ContactAddress& address) {
    address.line1 = book::trimmedSpaces(address.line1);
    address.line2 = book::trimmedSpaces(address.line2);
    address.line3 = book::trimmedSpaces(address.line3);
    // A phone may write the whole address as the street.
    if (address.line1.isEmpty() && startsWithPrefecture(address.line2))
        std::swap(address.line1, address.line2);
    if (!address.line1.isEmpty()) {
        const entry::SplitLines split = entry::splitAddress(address.line1, true);
        const QString rest = book::trimmedSpaces(split.line2);
        const bool numbered = std::any_of(rest.cbegin(), rest.cend(), isDigit);
        // Only where a municipality was found: a line 1 of a prefecture and
        // a number is no address to cut.
        const bool municipality = split.line1.endsWith(u'市') || split.line1.endsWith(u'区') ||
                                  split.line1.endsWith(u'郡');
        if (municipality && !rest.isEmpty() && (address.line2.isEmpty() || numbered)) {
            QStringList below;
            for (const QString& line : {rest, address.line2, address.line3})
                if (!line.isEmpty())
                    below << line;
            address.line1 = split.line1;
            address.line2 = below.value(0);
            address.line3 = joinedWords(below.mid(1));
        }
    }
    if (address.line3.isEmpty()) {
        if (const std::optional<StreetAndBuilding> split = splitBuilding(address.line2)) {
            address.line2 = split->street;
            address.line3 = split->building;
        }
    }
}

// The joint names as the book writes them after the first person:
// "山田　太郎／花子／一郎", the family name left off a joint name that shares it.
QString withJointNames(const QString& person, const QStringList& jointNames) {
    QString name = person;
    const book::JointName first = book::splitJointName(person);
    for (const QString& joint : jointNames) {
        QString given = book::trimmedSpaces(joint);
        if (given.isEmpty())
            continue;
        const book::JointName parts = book::splitJointName(given);
        if (!first.family.isEmpty() && parts.family == first.family)
            given = parts.givenNames.join(IdeographicSpace);
        name += name.isEmpty() ? given : book::JointNameSeparator + given;
    }
    return name;
}

} // namespace

bool ContactAddress::isEmpty() const {
    return book::trimmedSpaces(line1).isEmpty() && book::trimmedSpaces(line2).isEmpty() &&
           book::trimmedSpaces(line3).isEmpty() && book::trimmedSpaces(postalCode).isEmpty();
}

std::optional<StreetAndBuilding> splitBuilding(const QString& street) {
    const QString text = book::trimmedSpaces(street);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!isDigit(text[i]) || (i > 0 && isDigit(text[i - 1])))
            continue;
        const qsizetype end = blockEnd(text, i);
        if (end >= n)
            return std::nullopt;
        const QChar next = text[end];
        const bool parted = isSpace(next) || next == u',' || next == u'、' || next == u'，';
        // With nothing between them a building name stands out only by its
        // script: 条, 線, 地割 and the like after a number are still the street.
        const bool named = end + 1 < n && (isKatakana(next) ||
                                           (isLatinLetter(next) && isLatinLetter(text[end + 1])));
        if (parted || named) {
            QString building = text.sliced(end);
            while (!building.isEmpty() &&
                   (isSpace(building.front()) || QStringView(u",、，").contains(building.front())))
                building.remove(0, 1);
            if (building.isEmpty())
                return std::nullopt;
            return StreetAndBuilding{text.left(end), building};
        }
        i = end - 1;
    }
    return std::nullopt;
}

std::optional<book::AddressCard> cardOfContact(const Contact& contact, LeftOut* leftOut,
                                               QList<Remark>* remarks) {
    LeftOut out;
    out.source = contact.source;
    out.place = contact.place;
    auto leaveOut = [&](const QString& reason) {
        out.reason = reason;
        if (leftOut)
            *leftOut = out;
        return std::nullopt;
    };

    const QString person = book::trimmedSpaces(contact.person);
    const QString organisation = joinedWords({contact.company, contact.department});
    const bool isOrganisation = !organisation.isEmpty() && (contact.isCompany || person.isEmpty());
    const ContactAddress* chosen = chosenAddress(contact, isOrganisation);
    ContactAddress address = chosen ? *chosen : ContactAddress();

    book::AddressCard card;
    card.code = contact.code;
    std::optional<Remark> remark; // said only of a card that is taken in
    if (contact.ownExport) {
        card.name = contact.person;
        card.address1 = address.line1;
        card.address2 = address.line2;
        card.address3 = address.line3;
        card.postalCode = address.postalCode;
        card.honorific = contact.honorific.value_or(u"0"_s);
        if (card.name.isEmpty() && !organisation.isEmpty())
            card.name = organisation;
    } else {
        putInLines(address);
        card.address1 = address.line1;
        card.address2 = address.line2;
        card.address3 = address.line3;
        const book::PostalCode code = book::postalCodeOf(address.postalCode);
        card.postalCode = code.written();
        if (!code.isEmpty() && !code.isValid()) {
            remark = out;
            remark->field = 5;
            remark->reason =
                u"「%1」は7桁の郵便番号として読めないので、書かれたとおりに入れました。"_s.arg(
                    code.typed);
        }

        if (isOrganisation) {
            card.name = organisation;
            // The person named on an organisation's card is kept, not printed.
            card.code = joinedWords({card.code, withJointNames(person, contact.jointNames)});
        } else {
            card.name = withJointNames(person, contact.jointNames);
            // A letter to the office carries the company and department above
            // the name; one to the home does not, and the code keeps them.
            // A name that already starts with the company keeps it once.
            const QString company = book::trimmedSpaces(contact.company);
            const bool named = !company.isEmpty() && person.startsWith(company);
            if (!organisation.isEmpty() && !named) {
                const bool toOffice =
                    address.kind != AddressKind::Home && contact.jointNames.isEmpty();
                if (toOffice)
                    card.name = joinedWords({organisation, contact.title, card.name});
                else
                    card.code = joinedWords({card.code, organisation});
            }
        }

        // An empty cell is an honorific not chosen: 様, or 御中 for an
        // organisation, as for a file without the column (なし is none).
        if (!contact.honorific || book::trimmedSpaces(*contact.honorific).isEmpty()) {
            card.honorific = isOrganisation ? u"2"_s : u"0"_s;
        } else if (const std::optional<QString> index = honorificIndexFor(*contact.honorific)) {
            card.honorific = *index;
        } else {
            const QString text = book::trimmedSpaces(*contact.honorific);
            if (text.size() > LongestHonorific) {
                out.field = 7;
                return leaveOut(u"「%1」は敬称として長すぎます。"_s.arg(text));
            }
            // The index has no place for 先生, 様方, 各位 or 君: the name
            // carries it and the index prints nothing more.
            card.name = joinedWords({card.name, text});
            card.honorific = u"5"_s;
        }

        if (book::trimmedSpaces(card.name).isEmpty())
            return leaveOut(u"宛名がありません。"_s);
        if (card.address1.isEmpty() && card.address2.isEmpty())
            return leaveOut(u"住所がありません（%1）。"_s.arg(book::jointNameLine(card.name)));
    }

    if (book::trimmedSpaces(card.name).isEmpty() && card.address1.isEmpty() &&
        card.address2.isEmpty() && card.address3.isEmpty() && card.postalCode.isEmpty() &&
        card.code.isEmpty())
        return leaveOut(u"宛名も住所も郵便番号もコードもありません。"_s);
    const std::optional<book::AddressCard> stored = storableCard(card, &out);
    if (!stored && leftOut)
        *leftOut = out;
    if (stored && remark && remarks)
        *remarks << *remark;
    return stored;
}

} // namespace exchange
