#include "zip/AddressFiller.h"

#include "zip/PostalCode.h"

using namespace Qt::StringLiterals;

namespace zip {

namespace {

// What the user typed after the town's name (block and number, a building):
// the lookup replaces the place, not the house number.
QString afterTown(const AddressLines& current, const QString& town) {
    if (town.isEmpty())
        return current.line2;
    const QString typed = current.line1 + current.line2;
    const qsizetype at = typed.lastIndexOf(town);
    return at < 0 ? QString() : typed.mid(at + town.size());
}

} // namespace

AddressFiller::AddressFiller(const ZipDirectory& directory, platform::Messages& messages,
                             TownPicker& picker)
    : m_directory(directory), m_messages(messages), m_picker(picker) {
}

bool AddressFiller::dataReady() {
    if (m_directory.ensureLoaded())
        return true;
    m_messages.show(u"郵便番号データを読み込めません。"_s, platform::Buttons::Ok);
    return false;
}

std::optional<AddressLines> AddressFiller::addressFor(const QString& typedCode,
                                                      const AddressLines& current,
                                                      bool withoutPrefecture) {
    const QString digits = normalizedCode(typedCode);
    if (digits.isEmpty()) {
        m_messages.show(u"郵便番号を７桁の数字で入力してください。"_s, platform::Buttons::Ok);
        return std::nullopt;
    }
    if (!dataReady())
        return std::nullopt;
    const ZipAddressList places = m_directory.addressesFor(digits);
    if (places.isEmpty()) {
        m_messages.show(u"この郵便番号の住所は見つかりません。"_s, platform::Buttons::Ok);
        return std::nullopt;
    }
    int chosen = 0;
    if (places.size() > 1) {
        chosen = m_picker.pick(digits, places);
        if (chosen < 0 || chosen >= places.size())
            return std::nullopt;
    }
    const ZipAddress& place = places[chosen];
    const AddressLines lines{withoutPrefecture ? place.municipality
                                               : place.prefecture + place.municipality,
                             place.town + afterTown(current, place.town)};
    const bool typedBefore = !current.line1.isEmpty() || !current.line2.isEmpty();
    if (typedBefore && lines != current) {
        const platform::Answer answer = m_messages.show(
            u"入力されている住所を次のように置き換えますか？\n住所１：%1\n住所２：%2"_s.arg(
                lines.line1, lines.line2),
            platform::Buttons::YesNo);
        if (answer != platform::Answer::Yes)
            return std::nullopt;
    }
    return lines;
}

std::optional<QString> AddressFiller::codeFor(const AddressLines& current,
                                              const QString& typedCode) {
    const QString address = current.line1 + current.line2;
    if (address.trimmed().isEmpty()) {
        m_messages.show(u"住所が入力されていません。"_s, platform::Buttons::Ok);
        return std::nullopt;
    }
    if (!dataReady())
        return std::nullopt;
    const std::optional<CodeMatch> match = m_directory.codeForAddress(address);
    if (!match) {
        m_messages.show(u"この住所の郵便番号は見つかりません。"_s, platform::Buttons::Ok);
        return std::nullopt;
    }
    const QString code = formattedCode(match->address.code);
    if (normalizedCode(typedCode) == match->address.code) {
        m_messages.show(u"郵便番号 %1 は住所と合っています。"_s.arg(code), platform::Buttons::Ok);
        return std::nullopt;
    }
    QString question = u"〒%1　%2"_s.arg(code, match->address.fullText());
    if (!match->townMatched)
        question += u"\n（町域が見つからないため、市区町村の郵便番号です。）"_s;
    question += u"\nこの郵便番号を入力しますか？"_s;
    if (m_messages.show(question, platform::Buttons::YesNo) != platform::Answer::Yes)
        return std::nullopt;
    return code;
}

} // namespace zip
