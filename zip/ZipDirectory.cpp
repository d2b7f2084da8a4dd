#include "zip/ZipDirectory.h"

#include "zip/PostalCode.h"

#include <QByteArrayView>
#include <QFile>
#include <QHash>
#include <QList>

using namespace Qt::StringLiterals;

namespace zip {

namespace {

// A run of consecutive entries.
struct Span {
    int first = 0;
    int count = 0;
};

struct Entry {
    int city = 0; // index into Data::cities
    QString town;
};

struct City {
    QString name;
    int prefecture = 0; // 1 to 47
    int ownCode = -1;   // the code with an empty town, else the first code of the municipality
    QList<std::pair<int, int>> places; // (code, entry index), in code order
    // Built when an address first reaches this municipality, which keeps
    // the first lookup of all short.
    bool townsIndexed = false;
    QHash<QString, int> codeByTown; // comparable town -> its first code
    qsizetype longestTown = 0;

    void indexTowns(const QList<Entry>& entries);
};

void City::indexTowns(const QList<Entry>& entries) {
    if (townsIndexed)
        return;
    townsIndexed = true;
    for (const auto& [code, entry] : places) {
        const QString& town = entries[entry].town;
        if (town.isEmpty())
            continue;
        const QString key = comparableAddress(town);
        if (!codeByTown.contains(key))
            codeByTown.insert(key, code);
        longestTown = std::max(longestTown, key.size());
    }
}

std::optional<int> parseDigits(QByteArrayView text) {
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

QString codeText(int code) {
    return u"%1"_s.arg(code, 7, 10, QLatin1Char('0'));
}

} // namespace

struct ZipDirectory::Data {
    QString source;
    QHash<int, QString> prefectures;
    QList<City> cities;
    QHash<int, int> cityByCode; // 5-digit municipality code -> index
    QList<Entry> entries;
    QHash<int, Span> codes;  // 7-digit codes
    QHash<int, Span> ranges; // 5-digit prefixes that stand for every code under them
    QHash<QString, QList<int>> citiesByName; // comparable names -> city indexes
    qsizetype longestName = 0;

    QString parse(const QByteArray& bytes);
    void index();
    ZipAddress address(int code, const Entry& entry) const;
};

QString ZipDirectory::Data::parse(const QByteArray& bytes) {
    int lastCode = -1;
    bool lastWasRange = false;
    int currentCity = -1;
    int lineNumber = 0;
    qsizetype position = 0;
    while (position < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', position);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line(bytes.constData() + position, end - position);
        position = end + 1;
        ++lineNumber;
        const auto bad = [lineNumber](const QString& what) {
            return u"line %1: %2"_s.arg(lineNumber).arg(what);
        };
        if (line.isEmpty())
            continue;
        if (line.startsWith('#')) {
            constexpr QByteArrayView sourceTag = "# source: ";
            if (line.startsWith(sourceTag))
                source = QString::fromUtf8(line.sliced(sourceTag.size())).trimmed();
            continue;
        }
        const qsizetype tab1 = line.indexOf('\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf('\t', tab1 + 1);
        if (tab2 < 0 || line.indexOf('\t', tab2 + 1) >= 0)
            return bad(u"not three fields"_s);
        const QByteArrayView first = line.first(tab1);
        const QByteArrayView second = line.sliced(tab1 + 1, tab2 - tab1 - 1);
        const QString third = QString::fromUtf8(line.sliced(tab2 + 1));

        if (first == "P") {
            const auto code = parseDigits(second);
            if (!code || second.size() != 2 || third.isEmpty())
                return bad(u"bad prefecture"_s);
            prefectures.insert(*code, third);
            continue;
        }
        if (first == "M") {
            const auto code = parseDigits(second);
            if (!code || second.size() != 5 || third.isEmpty() ||
                !prefectures.contains(*code / 1000))
                return bad(u"bad municipality"_s);
            cityByCode.insert(*code, int(cities.size()));
            City city;
            city.name = third;
            city.prefecture = *code / 1000;
            cities.append(city);
            continue;
        }

        const auto code = parseDigits(first);
        const bool isRange = first.size() == 5;
        if (!code || (first.size() != 7 && !isRange))
            return bad(u"bad postal code"_s);
        if (!second.isEmpty()) {
            const auto cityCode = parseDigits(second);
            const auto found = cityCode ? cityByCode.constFind(*cityCode) : cityByCode.constEnd();
            if (found == cityByCode.constEnd())
                return bad(u"unknown municipality"_s);
            currentCity = *found;
        }
        if (currentCity < 0)
            return bad(u"no municipality"_s);

        QHash<int, Span>& table = isRange ? ranges : codes;
        if (*code == lastCode && isRange == lastWasRange) {
            ++table[*code].count;
        } else {
            if (table.contains(*code))
                return bad(u"postal code out of order"_s);
            table.insert(*code, Span{int(entries.size()), 1});
        }
        entries.append(Entry{currentCity, third});
        lastCode = *code;
        lastWasRange = isRange;
    }
    if (codes.isEmpty())
        return u"no postal codes"_s;
    return {};
}

// The reverse index: municipality names with and without the prefecture (and
// without the county, which people often leave out), and per municipality
// its places. Range entries are left out: they stand for a building's floors,
// whose own codes the file does not hold.
void ZipDirectory::Data::index() {
    for (int i = 0; i < cities.size(); ++i) {
        const QString prefecture = comparableAddress(prefectures.value(cities[i].prefecture));
        const QString name = comparableAddress(cities[i].name);
        QStringList names{prefecture + name, name};
        // A county is a name, "郡" and a town or village: not the 郡 of 蒲郡市 or 郡山市.
        const qsizetype county = name.indexOf(u'郡');
        const bool townOrVillage = name.endsWith(u'町') || name.endsWith(u'村');
        if (county > 0 && townOrVillage && name.size() - county > 2)
            names << prefecture + name.mid(county + 1) << name.mid(county + 1);
        for (const QString& key : names) {
            QList<int>& list = citiesByName[key];
            if (!list.contains(i))
                list.append(i);
            longestName = std::max(longestName, key.size());
        }
    }
    QList<int> sortedCodes = codes.keys();
    std::sort(sortedCodes.begin(), sortedCodes.end());
    for (int code : sortedCodes) {
        const Span span = codes.value(code);
        for (int k = span.first; k < span.first + span.count; ++k) {
            City& city = cities[entries[k].city];
            city.places.append({code, k});
            if (city.ownCode < 0 && entries[k].town.isEmpty())
                city.ownCode = code;
        }
    }
    for (City& city : cities) {
        if (city.ownCode < 0 && !city.places.isEmpty())
            city.ownCode = city.places.first().first;
    }
}

ZipAddress ZipDirectory::Data::address(int code, const Entry& entry) const {
    const City& city = cities[entry.city];
    return ZipAddress{codeText(code), prefectures.value(city.prefecture), city.name, entry.town};
}

ZipDirectory::ZipDirectory(QString path) : m_path(std::move(path)) {
}

ZipDirectory::~ZipDirectory() = default;

ZipDirectory& ZipDirectory::shipped() {
    static ZipDirectory directory(u":/zip/zipcodes.txt"_s);
    return directory;
}

bool ZipDirectory::ensureLoaded() const {
    if (m_tried)
        return m_data != nullptr;
    m_tried = true;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = m_path + u": "_s + file.errorString();
        return false;
    }
    auto data = std::make_unique<Data>();
    const QString problem = data->parse(file.readAll());
    if (!problem.isEmpty()) {
        m_error = m_path + u": "_s + problem;
        return false;
    }
    data->index();
    m_data = std::move(data);
    return true;
}

QString ZipDirectory::error() const {
    return m_error;
}

QString ZipDirectory::source() const {
    return m_data ? m_data->source : QString();
}

ZipAddressList ZipDirectory::addressesFor(const QString& digits) const {
    ZipAddressList found;
    if (digits.size() != 7 || !ensureLoaded())
        return found;
    bool ok = false;
    const int code = digits.toInt(&ok);
    if (!ok)
        return found;
    for (const auto& [table, key] :
         {std::pair{&m_data->ranges, code / 100}, std::pair{&m_data->codes, code}}) {
        const auto span = table->constFind(key);
        if (span == table->constEnd())
            continue;
        for (int k = span->first; k < span->first + span->count; ++k)
            found.append(m_data->address(code, m_data->entries[k]));
    }
    return found;
}

std::optional<CodeMatch> ZipDirectory::codeForAddress(const QString& address) const {
    if (!ensureLoaded())
        return std::nullopt;
    const QString text = comparableAddress(address);
    int bestCity = -1;
    int bestCode = -1;
    qsizetype bestLength = -1;
    QString bestTown; // comparable form; empty when only the municipality matched
    for (qsizetype nameLength = std::min(m_data->longestName, text.size()); nameLength > 0;
         --nameLength) {
        const auto cities = m_data->citiesByName.constFind(text.left(nameLength));
        if (cities == m_data->citiesByName.constEnd())
            continue;
        const QString rest = text.mid(nameLength);
        for (int index : *cities) {
            City& city = m_data->cities[index];
            city.indexTowns(m_data->entries);
            int code = city.ownCode;
            QString town;
            for (qsizetype length = std::min(city.longestTown, rest.size()); length > 0; --length) {
                const auto found = city.codeByTown.constFind(rest.left(length));
                if (found != city.codeByTown.constEnd()) {
                    code = *found;
                    town = found.key();
                    break;
                }
            }
            // Ties keep the first: the longer municipality name, then the lower municipality code.
            if (code >= 0 && nameLength + town.size() > bestLength) {
                bestCity = index;
                bestCode = code;
                bestLength = nameLength + town.size();
                bestTown = town;
            }
        }
    }
    if (bestCity < 0)
        return std::nullopt;
    // Of the places the code covers, the one of the matched municipality and town.
    const Span span = m_data->codes.value(bestCode);
    int chosen = -1;
    for (int k = span.first; k < span.first + span.count; ++k) {
        const Entry& entry = m_data->entries[k];
        if (entry.city != bestCity)
            continue;
        if (chosen < 0)
            chosen = k;
        if (comparableAddress(entry.town) == bestTown) {
            chosen = k;
            break;
        }
    }
    if (chosen < 0)
        chosen = span.first;
    return CodeMatch{m_data->address(bestCode, m_data->entries[chosen]), !bestTown.isEmpty()};
}

} // namespace zip
