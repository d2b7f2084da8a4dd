#include "exchange/SeasonCsv.h"

#include "exchange/CsvText.h"
#include "exchange/TextEncoding.h"
#include "season/CardKey.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

const QString Set = u"○"_s;
const QString GroupHeading = u"グループ"_s;

bool marked(const QString& cell) {
    const QString text = cell.trimmed();
    return !text.isEmpty() && text != u"0"_s && text != u"×"_s && text != u"-"_s;
}

} // namespace

CsvExtraColumns seasonCsvColumns(const season::SeasonRecord& record, int cardCount) {
    CsvExtraColumns columns;
    if (record.records().isEmpty())
        return columns;
    const QList<int> years = record.years();
    QList<int> notedYears;
    for (int year : years) {
        columns.header << u"%1送"_s.arg(year) << u"%1受"_s.arg(year) << u"%1喪中"_s.arg(year);
        bool noted = false;
        for (const season::CardRecord& card : record.records())
            noted = noted || !card.years.value(year).note.isEmpty();
        if (noted) {
            columns.header << u"%1メモ"_s.arg(year);
            notedYears << year;
        }
    }
    columns.header << GroupHeading;
    for (int n = 1; n <= cardCount; ++n) {
        QStringList cells;
        for (int year : years) {
            const season::YearMarks marks = record.marks(n, year);
            cells << (marks.sent ? Set : QString()) << (marks.received ? Set : QString())
                  << (marks.mourning ? (marks.mourningNote.isEmpty() ? Set : marks.mourningNote)
                                     : QString());
            if (notedYears.contains(year))
                cells << marks.note;
        }
        cells << record.groups(n).join(u'、');
        columns.rows << cells;
    }
    return columns;
}

QList<SeasonCsvRow> readSeasonCsv(const QByteArray& bytes, int comingYear) {
    QString reason;
    const std::optional<QString> text = decodeText(bytes, TextEncoding::Detect, &reason);
    if (!text)
        return {};
    const QList<CsvRow> rows = parseCsv(*text).rows;
    if (rows.isEmpty())
        return {};
    const QStringList header = rows.first().cells;
    static const QRegularExpression yearColumn(u"^(\\d{4})(送|受|喪中|メモ)$"_s);
    struct Column {
        int year;
        QString kind;
    };
    QMap<int, Column> seasonColumns; // by column index
    for (int c = 0; c < header.size(); ++c) {
        const QString heading = header.at(c).trimmed().remove(u'\uFEFF');
        const QRegularExpressionMatch match = yearColumn.match(heading);
        if (match.hasMatch())
            seasonColumns.insert(c, {match.captured(1).toInt(), match.captured(2)});
        else if (heading == u"喪中"_s)
            seasonColumns.insert(c, {comingYear, u"喪中"_s});
        else if (heading == GroupHeading)
            seasonColumns.insert(c, {0, GroupHeading});
    }
    const auto columnOf = [&header](const QString& heading) {
        for (int c = 0; c < header.size(); ++c)
            if (header.at(c).trimmed().remove(u'\uFEFF') == heading)
                return c;
        return -1;
    };
    const int name = columnOf(u"宛名"_s);
    const int lines[] = {columnOf(u"住所1"_s), columnOf(u"住所2"_s), columnOf(u"住所3"_s)};
    if (seasonColumns.isEmpty() || name < 0)
        return {};
    QList<SeasonCsvRow> out;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& cells = rows.at(r).cells;
        const auto cell = [&cells](int c) {
            return c >= 0 && c < cells.size() ? formulaUnescaped(cells.at(c)) : QString();
        };
        book::AddressCard card;
        card.name = cell(name);
        card.address1 = cell(lines[0]);
        card.address2 = cell(lines[1]);
        card.address3 = cell(lines[2]);
        SeasonCsvRow row;
        row.key = season::cardKey(card);
        for (auto column = seasonColumns.cbegin(); column != seasonColumns.cend(); ++column) {
            const QString value = cell(column.key()).trimmed();
            if (column->kind == GroupHeading) {
                for (const QString& group :
                     value.split(QRegularExpression(u"[、,，]"_s), Qt::SkipEmptyParts))
                    row.groups << group.trimmed();
                continue;
            }
            if (!marked(value) && column->kind != u"メモ"_s)
                continue;
            season::YearMarks& marks = row.years[column->year];
            if (column->kind == u"送"_s)
                marks.sent = true;
            else if (column->kind == u"受"_s)
                marks.received = true;
            else if (column->kind == u"メモ"_s)
                marks.note = value;
            else {
                marks.mourning = true;
                marks.mourningNote = value == Set ? QString() : value;
            }
        }
        for (auto year = row.years.begin(); year != row.years.end();)
            year = year->isEmpty() ? row.years.erase(year) : std::next(year);
        if (!row.years.isEmpty() || !row.groups.isEmpty())
            out << row;
    }
    return out;
}

QString applySeasonCsv(const QList<SeasonCsvRow>& rows, const QString& bookPath,
                       const book::CardList& cards, int firstCard) {
    if (rows.isEmpty())
        return {};
    season::SeasonRecord record(bookPath);
    if (!record.openResult().ok())
        return record.openResult().error;
    QList<bool> used(rows.size(), false);
    for (int n = std::max(firstCard, 1); n <= cards.size(); ++n) {
        const QString key = season::cardKey(cards.at(n - 1));
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (used[r] || rows.at(r).key != key)
                continue;
            used[r] = true;
            const SeasonCsvRow& row = rows.at(r);
            for (auto year = row.years.cbegin(); year != row.years.cend(); ++year)
                if (const season::RecordResult set =
                        record.setMarks(n, cards.at(n - 1), year.key(), *year);
                    !set.ok())
                    return set.error;
            if (!row.groups.isEmpty())
                if (const season::RecordResult set =
                        record.setGroups(n, cards.at(n - 1), row.groups);
                    !set.ok())
                    return set.error;
            break;
        }
    }
    return {};
}

} // namespace exchange
