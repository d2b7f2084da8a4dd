#include "printing/ColumnBreak.h"

#include <QStringList>

#include <numeric>

using namespace Qt::StringLiterals;

namespace printing {

namespace {

// A column starting with one of these looks broken in the wrong place.
bool mustNotStartColumn(const ColumnCell& cell) {
    static const QString characters =
        u"、。，．・ー）」』ッャュョァィゥェォっゃゅょぁぃぅぇぉ々ゝヽ"_s;
    return !cell.across && cell.text.size() == 1 && characters.contains(cell.text[0]);
}

bool isSpace(const ColumnCell& cell) {
    return cell.text == u"　"_s || cell.text == u" "_s;
}

bool isNumeral(const ColumnCell& cell) {
    static const QString numerals = u"〇一二三四五六七八九十０１２３４５６７８９"_s;
    return cell.across || (cell.text.size() == 1 && numerals.contains(cell.text[0]));
}

bool isNumberPart(const ColumnCell& cell) {
    return isNumeral(cell) || cell.text == u"ー"_s;
}

QString textBefore(const ColumnText& cells, qsizetype end, qsizetype count) {
    QString text;
    for (qsizetype i = qMax<qsizetype>(0, end - count); i < end; ++i)
        text += cells[i].text;
    return text;
}

// True when the numbers ending at cell i were joined by hyphens (一ー二ー三).
bool endsHyphenatedNumber(const ColumnText& cells, qsizetype i) {
    if (!isNumeral(cells[i]))
        return false;
    for (qsizetype k = i; k >= 0 && isNumberPart(cells[k]); --k)
        if (cells[k].text == u"ー"_s)
            return true;
    return false;
}

double sumEm(const QList<double>& lengths, qsizetype start, qsizetype end) {
    return std::accumulate(lengths.begin() + start, lengths.begin() + end, 0.0);
}

// The cells from start to end without spaces at either end.
MeasuredColumn trimmedPiece(const MeasuredColumn& line, qsizetype start, qsizetype end) {
    while (start < end && isSpace(line.cells[start]))
        ++start;
    while (end > start && isSpace(line.cells[end - 1]))
        --end;
    return line.mid(start, end - start);
}

} // namespace

double MeasuredColumn::lengthEm() const {
    return sumEm(lengthsEm, 0, lengthsEm.size());
}

MeasuredColumn MeasuredColumn::mid(qsizetype start, qsizetype count) const {
    return {cells.mid(start, count), lengthsEm.mid(start, count)};
}

QList<BreakPlace> addressBreakPlaces(const ColumnText& cells, const QList<qsizetype>& fieldEnds) {
    static const QStringList counterEnds{u"丁目"_s, u"番地"_s, u"番"_s, u"号"_s};
    static const QString placeEnds = u"都道府県市区郡"_s;
    QList<BreakPlace> places(cells.size(), BreakPlace::Anywhere);
    for (qsizetype i = 0; i + 1 < cells.size(); ++i) {
        const ColumnCell& next = cells[i + 1];
        const QString before = textBefore(cells, i + 1, 2);
        BreakPlace& place = places[i];
        if (isSpace(cells[i]) || fieldEnds.contains(i + 1))
            place = BreakPlace::Natural;
        else if (mustNotStartColumn(next) || (isNumberPart(cells[i]) && isNumberPart(next)) ||
                 next.text == u"地"_s || next.text == u"室"_s || next.text == u"目"_s)
            place = BreakPlace::Never;
        else if (std::any_of(counterEnds.begin(), counterEnds.end(),
                             [&](const QString& e) { return before.endsWith(e); }) ||
                 endsHyphenatedNumber(cells, i))
            place = BreakPlace::Natural;
        else if (i >= 2 && cells[i].text.size() == 1 && placeEnds.contains(cells[i].text[0]))
            place = BreakPlace::AfterPlace;
    }
    if (!places.isEmpty())
        places.last() = BreakPlace::Never; // nothing after the last cell
    return places;
}

QList<BreakPlace> nameBreakPlaces(const ColumnText& cells) {
    static const QStringList leading{u"株式会社"_s, u"有限会社"_s, u"合同会社"_s,
                                     u"社団法人"_s, u"財団法人"_s, u"学校法人"_s,
                                     u"医療法人"_s, u"（株）"_s,   u"（有）"_s};
    // A branch or office ends a part of an organisation's name (…協会|東京支部).
    static const QStringList trailing{u"協会"_s, u"組合"_s,   u"学会"_s,     u"支部"_s, u"支店"_s,
                                      u"本部"_s, u"事務所"_s, u"株式会社"_s, u"大学"_s, u"病院"_s};
    QList<BreakPlace> places(cells.size(), BreakPlace::Anywhere);
    for (qsizetype i = 0; i + 1 < cells.size(); ++i) {
        const QString before = textBefore(cells, i + 1, 4);
        const QString after =
            textBefore(cells, qMin(cells.size(), i + 5), qMin(cells.size(), i + 5) - i - 1);
        if (isSpace(cells[i]) || cells[i].text == u"・"_s)
            places[i] = BreakPlace::Natural;
        else if (mustNotStartColumn(cells[i + 1]))
            places[i] = BreakPlace::Never;
        else if (std::any_of(
                     leading.begin(), leading.end(),
                     [&](const QString& w) { return before.endsWith(w) || after.startsWith(w); }) ||
                 std::any_of(trailing.begin(), trailing.end(),
                             [&](const QString& w) { return before.endsWith(w); }))
            places[i] = BreakPlace::AfterPlace;
    }
    if (!places.isEmpty())
        places.last() = BreakPlace::Never;
    return places;
}

QList<MeasuredColumn> breakColumns(const MeasuredColumn& line, const QList<BreakPlace>& places,
                                   double firstRoomEm, double laterRoomEm, int maxColumns,
                                   BreakPlace worst) {
    const MeasuredColumn whole = trimmedPiece(line, 0, line.cells.size());
    if (whole.lengthEm() <= firstRoomEm + 1e-6)
        return {whole};
    if (maxColumns <= 1)
        return {};
    // Candidates: the best places first; a column shorter than a third of its
    // room is a poor end even at a good place.
    QList<qsizetype> candidates;
    for (qsizetype i = 0; i + 1 < line.cells.size(); ++i)
        if (places[i] >= worst && sumEm(line.lengthsEm, 0, i + 1) <= firstRoomEm + 1e-6)
            candidates << i;
    auto rank = [&](qsizetype i) {
        const bool shortColumn = sumEm(line.lengthsEm, 0, i + 1) < firstRoomEm / 3;
        return shortColumn ? qMin(places[i], BreakPlace::Anywhere) : places[i];
    };
    std::stable_sort(candidates.begin(), candidates.end(), [&](qsizetype a, qsizetype b) {
        return rank(a) != rank(b) ? rank(a) > rank(b) : a > b;
    });
    const QList<BreakPlace> restPlaces = places;
    for (qsizetype i : candidates) {
        const MeasuredColumn first = trimmedPiece(line, 0, i + 1);
        const MeasuredColumn rest = line.mid(i + 1);
        QList<MeasuredColumn> later = breakColumns(rest, restPlaces.mid(i + 1), laterRoomEm,
                                                   laterRoomEm, maxColumns - 1, worst);
        if (later.isEmpty() || first.cells.isEmpty())
            continue;
        later.prepend(first);
        return later;
    }
    return {};
}

namespace {

// The shortest longest column for cells from start on, in `count` columns.
struct EvenBreak {
    double longestEm = -1; // negative: impossible
    QList<qsizetype> ends; // cell counts at which columns end
};

EvenBreak evenBreak(const MeasuredColumn& line, const QList<BreakPlace>& places, qsizetype start,
                    int count, double indentEm, double laterIndentEm, double tailEm,
                    BreakPlace worst) {
    if (count == 1)
        return {indentEm + trimmedPiece(line, start, line.cells.size()).lengthEm() + tailEm, {}};
    EvenBreak best;
    for (qsizetype i = start; i + 1 < line.cells.size(); ++i) {
        if (places[i] < worst)
            continue;
        const double here = indentEm + trimmedPiece(line, start, i + 1).lengthEm();
        if (best.longestEm >= 0 && here >= best.longestEm)
            break; // longer from here on
        const EvenBreak rest =
            evenBreak(line, places, i + 1, count - 1, laterIndentEm, laterIndentEm, tailEm, worst);
        if (rest.longestEm < 0)
            continue;
        const double longest = qMax(here, rest.longestEm);
        if (best.longestEm < 0 || longest < best.longestEm) {
            best.longestEm = longest;
            best.ends = QList<qsizetype>{i + 1} + rest.ends;
        }
    }
    return best;
}

} // namespace

QList<MeasuredColumn> breakEvenly(const MeasuredColumn& line, const QList<BreakPlace>& places,
                                  int count, double laterIndentEm, double tailEm,
                                  BreakPlace worst) {
    const EvenBreak found = evenBreak(line, places, 0, count, 0, laterIndentEm, tailEm, worst);
    if (found.longestEm < 0)
        return {};
    QList<MeasuredColumn> columns;
    qsizetype start = 0;
    for (qsizetype end : found.ends + QList<qsizetype>{line.cells.size()}) {
        columns << trimmedPiece(line, start, end);
        if (columns.last().cells.isEmpty())
            return {};
        start = end;
    }
    return columns;
}

} // namespace printing
