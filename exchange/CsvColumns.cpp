#include "exchange/CsvColumns.h"

#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// A header as it is compared: trimmed, lower case, full-width digits, letters
// and brackets half-width (住所１ is 住所1, 名前（姓） is 名前(姓)), spaces
// evened out.
QString headerKey(const QString& cell) {
    QString key = cell.trimmed();
    if (key.startsWith(QChar(0xfeff)))
        key.remove(0, 1);
    for (QChar& c : key) {
        if (c.unicode() >= 0xff01 && c.unicode() <= 0xff5e)
            c = QChar(c.unicode() - 0xfee0);
        else if (c == u'　')
            c = u' ';
    }
    return key.simplified().toLower();
}

using Table = QHash<QString, ColumnRole>;

// Headers that name a field of the contact, not of one of its addresses.
const Table& contactHeaders() {
    static const Table table{
        {u"氏名"_s, ColumnRole::Name},
        {u"名前"_s, ColumnRole::Name},
        {u"宛名"_s, ColumnRole::Name},
        {u"name"_s, ColumnRole::Name},
        {u"full name"_s, ColumnRole::Name},
        {u"姓"_s, ColumnRole::FamilyName},
        {u"姓1"_s, ColumnRole::FamilyName},
        {u"名前(姓)"_s, ColumnRole::FamilyName},
        {u"氏名(姓)"_s, ColumnRole::FamilyName},
        {u"family name"_s, ColumnRole::FamilyName},
        {u"last name"_s, ColumnRole::FamilyName},
        {u"名"_s, ColumnRole::GivenName},
        {u"名1"_s, ColumnRole::GivenName},
        {u"名前(名)"_s, ColumnRole::GivenName},
        {u"氏名(名)"_s, ColumnRole::GivenName},
        {u"given name"_s, ColumnRole::GivenName},
        {u"first name"_s, ColumnRole::GivenName},
        {u"連名"_s, ColumnRole::JointName},
        {u"会社"_s, ColumnRole::Company},
        {u"会社名"_s, ColumnRole::Company},
        {u"勤務先"_s, ColumnRole::Company},
        {u"勤務先名"_s, ColumnRole::Company},
        {u"社名"_s, ColumnRole::Company},
        {u"企業名"_s, ColumnRole::Company},
        {u"所属"_s, ColumnRole::Company},
        {u"company"_s, ColumnRole::Company},
        {u"organization"_s, ColumnRole::Company},
        {u"organization name"_s, ColumnRole::Company},
        {u"organization 1 - name"_s, ColumnRole::Company},
        {u"部署"_s, ColumnRole::Department},
        {u"部署名"_s, ColumnRole::Department},
        {u"部門"_s, ColumnRole::Department},
        {u"department"_s, ColumnRole::Department},
        {u"organization department"_s, ColumnRole::Department},
        {u"organization 1 - department"_s, ColumnRole::Department},
        {u"役職"_s, ColumnRole::Title},
        {u"役職名"_s, ColumnRole::Title},
        {u"肩書"_s, ColumnRole::Title},
        {u"肩書き"_s, ColumnRole::Title},
        {u"job title"_s, ColumnRole::Title},
        {u"organization title"_s, ColumnRole::Title},
        {u"organization 1 - title"_s, ColumnRole::Title},
        {u"コード"_s, ColumnRole::Code},
        {u"メモ"_s, ColumnRole::Code},
        {u"敬称"_s, ColumnRole::Honorific},
    };
    return table;
}

// Headers that name a part of an address, alone or after 自宅, 勤務先, Home …
const Table& addressHeaders() {
    static const Table table{
        {u"住所"_s, ColumnRole::Address1},
        {u"住所1"_s, ColumnRole::Address1},
        {u"address"_s, ColumnRole::Address1},
        {u"住所2"_s, ColumnRole::Address2},
        {u"住所3"_s, ColumnRole::Address3},
        {u"都道府県"_s, ColumnRole::Prefecture},
        {u"region"_s, ColumnRole::Prefecture},
        {u"state"_s, ColumnRole::Prefecture},
        {u"province"_s, ColumnRole::Prefecture},
        {u"市区町村"_s, ColumnRole::City},
        {u"市町村"_s, ColumnRole::City},
        {u"city"_s, ColumnRole::City},
        {u"町域"_s, ColumnRole::Town},
        {u"町名"_s, ColumnRole::Town},
        {u"番地"_s, ColumnRole::Street},
        {u"street"_s, ColumnRole::Street},
        {u"番地2"_s, ColumnRole::Building},
        {u"番地3"_s, ColumnRole::Building},
        {u"street 2"_s, ColumnRole::Building},
        {u"street 3"_s, ColumnRole::Building},
        {u"extended address"_s, ColumnRole::Building},
        {u"建物"_s, ColumnRole::Building},
        {u"建物名"_s, ColumnRole::Building},
        {u"建物名等"_s, ColumnRole::Building},
        {u"マンション名"_s, ColumnRole::Building},
        {u"ビル名"_s, ColumnRole::Building},
        {u"部屋番号"_s, ColumnRole::Room},
        {u"方書"_s, ColumnRole::CareOf},
        {u"方書き"_s, ColumnRole::CareOf},
        {u"郵便番号"_s, ColumnRole::PostalCode},
        {u"〒"_s, ColumnRole::PostalCode},
        {u"postal code"_s, ColumnRole::PostalCode},
        {u"zip"_s, ColumnRole::PostalCode},
        {u"zip code"_s, ColumnRole::PostalCode},
        {u"type"_s, ColumnRole::AddressLabel},
        {u"label"_s, ColumnRole::AddressLabel},
    };
    return table;
}

// 連名2, 名2 … 名5: more people on the card.
bool namesJointPerson(const QString& key) {
    static const QRegularExpression joint(u"^(連名[1-9]|名[2-9])$"_s);
    return joint.match(key).hasMatch();
}

struct AddressHeader {
    QString set; // which address: "" for a file of one, "自宅", "勤務先", "address 2" …
    AddressKind kind = AddressKind::Unlabelled;
    ColumnRole role = ColumnRole::Unused;
};

// The address part a header names, with the address it belongs to.
std::optional<AddressHeader> addressHeader(const QString& key) {
    const Table& parts = addressHeaders();
    const auto part = [&parts](const QString& text) {
        QString compact = text;
        compact.remove(u' ');
        if (const auto it = parts.constFind(text); it != parts.constEnd())
            return it.value();
        if (const auto it = parts.constFind(compact); it != parts.constEnd())
            return it.value();
        return ColumnRole::Unused;
    };
    // A contacts service: "address 1 - street", its type or label beside it.
    static const QRegularExpression numbered(u"^(address [0-9]+) - (.+)$"_s);
    if (const QRegularExpressionMatch m = numbered.match(key); m.hasMatch()) {
        const ColumnRole role = part(m.captured(2));
        if (role == ColumnRole::Unused || role == ColumnRole::Address1)
            return std::nullopt;
        return AddressHeader{m.captured(1), AddressKind::Unlabelled, role};
    }
    if (const ColumnRole role = part(key);
        role != ColumnRole::Unused && role != ColumnRole::AddressLabel)
        return AddressHeader{QString(), AddressKind::Unlabelled, role};
    static const QList<std::pair<QString, AddressKind>> prefixes{
        {u"自宅"_s, AddressKind::Home},         {u"勤務先"_s, AddressKind::Work},
        {u"会社"_s, AddressKind::Work},         {u"home "_s, AddressKind::Home},
        {u"business "_s, AddressKind::Work},    {u"work "_s, AddressKind::Work},
        {u"other "_s, AddressKind::Unlabelled},
    };
    for (const auto& [prefix, kind] : prefixes) {
        if (!key.startsWith(prefix))
            continue;
        QString rest = key.mid(prefix.size()).trimmed();
        if (rest.startsWith(u'の') || rest.startsWith(u'・') || rest.startsWith(u'_') ||
            rest.startsWith(u'-'))
            rest = rest.mid(1).trimmed();
        const ColumnRole role = part(rest);
        if (role == ColumnRole::Unused || role == ColumnRole::AddressLabel)
            return std::nullopt;
        return AddressHeader{prefix.trimmed(), kind, role};
    }
    return std::nullopt;
}

// Roles that take one column in a header's reading: the first column wins.
bool takesOneColumn(ColumnRole role) {
    return role != ColumnRole::JointName && role != ColumnRole::Unused;
}

} // namespace

bool CsvColumns::namesAnything() const {
    for (const ColumnUse& use : uses) {
        switch (use.role) {
        case ColumnRole::Unused:
        case ColumnRole::AddressLabel:
        case ColumnRole::Code:
        case ColumnRole::Honorific:
            break;
        default:
            return true;
        }
    }
    return false;
}

std::optional<CsvColumns> columnsFromHeader(const QStringList& header) {
    CsvColumns columns;
    columns.uses.resize(header.size());
    QStringList sets;
    bool found = false;
    for (int i = 0; i < header.size(); ++i) {
        const QString key = headerKey(header.at(i));
        ColumnUse use;
        if (const auto it = contactHeaders().constFind(key); it != contactHeaders().constEnd()) {
            use.role = it.value();
        } else if (namesJointPerson(key)) {
            use.role = ColumnRole::JointName;
        } else if (const std::optional<AddressHeader> address = addressHeader(key)) {
            qsizetype set = sets.indexOf(address->set);
            if (set < 0) {
                set = sets.size();
                sets << address->set;
                columns.addressKinds << address->kind;
            }
            use = {address->role, int(set)};
        }
        if (use.role == ColumnRole::Unused)
            continue;
        if (takesOneColumn(use.role) && columns.uses.contains(use))
            continue;
        columns.uses[i] = use;
        found = true;
    }
    if (!found)
        return std::nullopt;

    auto has = [&columns](ColumnRole role, int set) {
        return columns.uses.contains(ColumnUse{role, set});
    };
    // Behind 自宅 or 勤務先 beside a city column, 住所 and 住所2 are the
    // street's lines (a mail program's 自宅住所, 自宅住所2, 自宅の市区町村).
    for (int set = 0; set < sets.size(); ++set) {
        if (sets.at(set).isEmpty() ||
            !(has(ColumnRole::Prefecture, set) || has(ColumnRole::City, set)))
            continue;
        for (ColumnUse& use : columns.uses) {
            if (use.address != set)
                continue;
            if (use.role == ColumnRole::Address1)
                use.role = ColumnRole::Street;
            else if (use.role == ColumnRole::Address2)
                use.role = ColumnRole::Building;
        }
    }
    // The export's seven columns first; any after them carry the New Year
    // record, read on their own.
    columns.ownExport = header.size() >= 7 && [&header] {
        const QStringList own{u"宛名"_s,     u"住所1"_s,  u"住所2"_s, u"住所3"_s,
                              u"郵便番号"_s, u"コード"_s, u"敬称"_s};
        for (int i = 0; i < 7; ++i)
            if (headerKey(header.at(i)) != own.at(i))
                return false;
        return true;
    }();
    return columns;
}

std::optional<CsvColumns> columnsFromMapping(const QString& mapping, QString* reason) {
    static const QHash<QString, ColumnRole> keys{
        {u"name"_s, ColumnRole::Name},           {u"joint"_s, ColumnRole::JointName},
        {u"company"_s, ColumnRole::Company},     {u"address1"_s, ColumnRole::Address1},
        {u"address2"_s, ColumnRole::Address2},   {u"address3"_s, ColumnRole::Address3},
        {u"zip"_s, ColumnRole::PostalCode},      {u"code"_s, ColumnRole::Code},
        {u"honorific"_s, ColumnRole::Honorific},
    };
    auto refuse = [reason](const QString& text) {
        if (reason)
            *reason = text;
        return std::nullopt;
    };
    CsvColumns columns;
    columns.addressKinds << AddressKind::Unlabelled;
    QStringList seen;
    for (const QString& part : mapping.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(u'=');
        const QString key = part.left(equals).trimmed().toLower();
        const auto it = keys.constFind(key);
        if (equals < 0 || it == keys.constEnd())
            return refuse(
                u"unknown mapping key \"%1\" (keys: name, joint, company, address1, address2, "
                u"address3, zip, code, honorific)"_s.arg(part.left(equals).trimmed()));
        if (seen.contains(key))
            return refuse(u"mapping key %1 is given twice"_s.arg(key));
        seen << key;
        for (const QString& number : part.mid(equals + 1).split(u'+')) {
            bool ok = false;
            const int column = number.trimmed().toInt(&ok);
            if (!ok || column < 1)
                return refuse(u"mapping %1 needs column numbers from 1, joined by +"_s.arg(key));
            if (columns.uses.size() < column)
                columns.uses.resize(column);
            if (columns.uses.at(column - 1).role != ColumnRole::Unused)
                return refuse(u"column %1 is mapped twice"_s.arg(column));
            columns.uses[column - 1] = ColumnUse{it.value(), 0};
        }
    }
    if (!columns.namesAnything())
        return refuse(u"the mapping names no name, address or postal code column"_s);
    return columns;
}

} // namespace exchange
