#include "printing/HorizontalTypesetter.h"
#include "printing/LineFit.h"

#include "book/JointNames.h"
#include "platform/Units.h"
#include "printing/AddressBreaks.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace printing {

namespace {

// A line is never set smaller than SmallestLinePoints to fit a height;
// below that it is left out. Only the name goes smaller than fitWidth's
// smallest size: a card without its name is no card.
constexpr double SmallestNamePoints = 1;
constexpr double SmallestLinePoints = 5;
// Lines stand this many ems apart when they are stacked by the typesetting.
constexpr double LinePitchEm = 1.15;
// The rows of a name written on several lines stand a little further apart,
// so that each reads as its own.
constexpr double NameRowPitchEm = 1.3;
// Text keeps 2 mm from the right edge of its label, and 1 mm from the others.
constexpr int RightMarginTwips = 113;
constexpr int SideMarginTwips = 57;

using platform::twipsOfPoints;

// What the warning says of a line left out.
QString omitted(RunRole role) {
    switch (role) {
    case RunRole::PostalCode:
        return u"郵便番号を省略"_s;
    case RunRole::Code:
        return u"コードを省略"_s;
    default:
        return u"住所を省略"_s;
    }
}

// One line of the card before its width is fitted.
struct Line {
    RunRole role;
    QString text;
    LineSlot slot;
    int priority; // 0 is kept longest
};

// The name block: rows one under another, the rows after the first
// starting where the first row's given name starts, and the honorifics of
// stacked joint names standing level in a column of their own.
struct NameBlock {
    QStringList rows;  // the first row with the family name
    QString lead;      // "山田　": the other rows start after its width
    QString honorific; // set apart, level on every row; empty when it is part of the rows
};

class Typesetter {
public:
    Typesetter(platform::Printer& measure, const QString& face, const HorizontalFrame& frame)
        : m_measure(measure), m_face(face), m_frame(frame),
          m_rightLimit(frame.boundsTwips.right() + 1 - RightMarginTwips) {}

    TypesetCard set(const HorizontalCardText& card);

private:
    double width(const QString& text, double points) const {
        m_measure.setFontName(m_face);
        m_measure.setFontSize(points);
        return m_measure.textWidth(text);
    }
    int roomFrom(int xTwips) const { return m_rightLimit - xTwips; }
    QList<Line> addressLines(const HorizontalCardText& card) const;
    NameBlock nameBlock(const HorizontalCardText& card, bool stackAllowed) const;
    NameBlock brokenOrganisationName(const HorizontalCardText& card, const NameBlock& whole) const;
    bool crowded(const QList<Line>& lines, double nameRows) const;
    QList<Line> withCodeBelowName(QList<Line> lines, double nameRows) const;
    void placeName(const NameBlock& block, const LineSlot& slot, double maxPoints,
                   TypesetCard& out);

    platform::Printer& m_measure;
    QString m_face;
    const HorizontalFrame& m_frame;
    int m_rightLimit;
    double m_namePoints = 0;
};

QList<Line> Typesetter::addressLines(const HorizontalCardText& card) const {
    QList<std::pair<QString, int>> pending; // text and its own slot
    for (int i = 0; i < 3; ++i)
        if (!card.addresses[i].isEmpty())
            pending.append({card.addresses[i], i});
    QList<Line> lines;
    int nextSlot = 0;
    for (qsizetype k = 0; k < pending.size(); ++k) {
        QString text = pending[k].first;
        int slot = std::max(pending[k].second, nextSlot);
        const int laterLines = int(pending.size() - k - 1);
        while (slot < 3) {
            const LineSlot& place = m_frame.addresses[slot];
            const bool fits = width(text, place.points) <= roomFrom(place.xTwips);
            const bool slotBelowFree = 2 - slot - laterLines > 0;
            const QList<qsizetype> breaks =
                fits || !slotBelowFree ? QList<qsizetype>{} : addressBreaks(text);
            if (breaks.isEmpty()) {
                lines.append({RunRole::Address, text, place, 2 + slot});
                break;
            }
            // The longest head that fits, else the shortest one (it is condensed).
            qsizetype chosen = breaks.front();
            for (qsizetype at : breaks)
                if (width(splitAt(text, at).first, place.points) <= roomFrom(place.xTwips))
                    chosen = at;
            const auto [head, tail] = splitAt(text, chosen);
            lines.append({RunRole::Address, head, place, 2 + slot});
            text = tail;
            ++slot;
        }
        nextSlot = slot + 1;
    }
    return lines;
}

NameBlock Typesetter::nameBlock(const HorizontalCardText& card, bool stackAllowed) const {
    const book::JointName joint = book::splitJointName(card.name);
    const QString honorific = card.honorific.trimmed();
    NameBlock block;
    if (joint.givenNames.size() <= 1) {
        block.rows << book::jointNameLine(card.name) +
                          (card.honorific.isEmpty() ? QString() : u"　"_s + card.honorific);
        return block;
    }
    block.lead = joint.family.isEmpty() ? QString() : joint.family + u"　"_s;
    if (stackAllowed) {
        for (qsizetype k = 0; k < joint.givenNames.size(); ++k)
            block.rows << (k == 0 ? block.lead : QString()) + joint.givenNames[k];
        block.honorific = honorific;
        return block;
    }
    // One line, each person with their own honorific: "山田　太郎　様　花子　様".
    QStringList people;
    for (qsizetype k = 0; k < joint.givenNames.size(); ++k) {
        QString person = (k == 0 ? block.lead : QString()) + joint.givenNames[k];
        if (!honorific.isEmpty())
            person += u"　"_s + honorific;
        people << person;
    }
    block.rows << people.join(u"　"_s);
    block.lead.clear();
    return block;
}

// A long name of several words ("株式会社　高橋商事　営業部") too wide for its
// line is written on two, as by hand: the words that fit first, the rest
// with the honorific indented below.
NameBlock Typesetter::brokenOrganisationName(const HorizontalCardText& card,
                                             const NameBlock& whole) const {
    const LineSlot& slot = m_frame.name;
    const int shift = m_frame.nameShift ? m_frame.nameShift(whole.rows.front()) : 0;
    const int room =
        roomFrom(std::max(m_frame.boundsTwips.left() + SideMarginTwips, slot.xTwips - shift));
    // A person's name is never broken; an office's often is.
    static const QStringList OfficeWords{u"会社"_s,   u"（株）"_s, u"㈱"_s, u"法人"_s,
                                         u"事務所"_s, u"部"_s,     u"課"_s};
    const bool office = card.honorific.trimmed() == u"御中" ||
                        std::any_of(OfficeWords.begin(), OfficeWords.end(),
                                    [&](const QString& word) { return card.name.contains(word); });
    if (!office || width(whole.rows.front(), slot.points) <= room ||
        card.name.contains(book::JointNameSeparator))
        return whole;
    const QString name = book::trimmedSpaces(card.name);
    const QList<qsizetype> breaks = addressBreaks(name);
    // The break at a space that makes the wider of the two rows narrowest.
    NameBlock best = whole;
    double bestWidth = width(whole.rows.front(), slot.points);
    for (qsizetype at : breaks) {
        if (!QStringView(u" 　").contains(name[at]) && !QStringView(u" 　").contains(name[at - 1]))
            continue;
        const auto [head, tail] = splitAt(name, at);
        const QString second = tail + u"　"_s + card.honorific;
        const double wider =
            std::max(width(head, slot.points), width(u"　"_s + second, slot.points));
        if (wider < bestWidth) {
            bestWidth = wider;
            best = NameBlock{{head, second}, u"　"_s, {}};
        }
    }
    return best;
}

void Typesetter::placeName(const NameBlock& block, const LineSlot& slot, double maxPoints,
                           TypesetCard& out) {
    const bool stacked = block.rows.size() > 1;
    const QString separator = u"　"_s;
    // The widest row, honorific column included, at a size.
    auto blockWidth = [&](double points) {
        double widest = 0;
        for (qsizetype k = 0; k < block.rows.size(); ++k) {
            const double indent = k == 0 ? 0 : width(block.lead, points);
            widest = std::max(widest, indent + width(block.rows[k], points));
        }
        if (stacked && !block.honorific.isEmpty())
            widest += width(separator + block.honorific, points);
        return widest;
    };
    const int shift = m_frame.nameShift ? m_frame.nameShift(block.rows.front()) : 0;
    const int left = std::max(m_frame.boundsTwips.left() + SideMarginTwips, slot.xTwips - shift);
    const SizeFit fit = fitWidth(blockWidth, maxPoints, roomFrom(left), SmallestNamePoints);
    m_namePoints = fit.points;
    if (fit.points < maxPoints)
        out.compromises << u"宛名を縮小"_s;

    const double pitch = twipsOfPoints(fit.points) * NameRowPitchEm;
    const double indent = width(block.lead, fit.points) * fit.stretch / 100.0;
    double widestGiven = 0;
    for (qsizetype k = 0; k < block.rows.size(); ++k)
        widestGiven = std::max(
            widestGiven, (k == 0 ? width(block.rows[k], fit.points) - width(block.lead, fit.points)
                                 : width(block.rows[k], fit.points)) *
                             fit.stretch / 100.0);
    for (qsizetype k = 0; k < block.rows.size(); ++k) {
        PlacedRun run{RunRole::Name,
                      block.rows[k],
                      m_face,
                      fit.points,
                      fit.stretch,
                      left + (k == 0 ? 0 : int(std::lround(indent))),
                      slot.yTwips + int(std::lround(pitch * k)),
                      false};
        out.runs << run;
        if (stacked && !block.honorific.isEmpty()) {
            const double honorificX =
                left + indent + widestGiven + width(separator, fit.points) * fit.stretch / 100.0;
            out.runs << PlacedRun{
                RunRole::Honorific,           block.honorific, m_face, fit.points, fit.stretch,
                int(std::lround(honorificX)), run.yTwips,      false};
        }
    }
}

bool Typesetter::crowded(const QList<Line>& lines, double nameRows) const {
    QList<std::pair<int, int>> spans; // top and bottom of every line
    for (const Line& line : lines)
        spans.append({line.slot.yTwips,
                      line.slot.yTwips + int(std::lround(twipsOfPoints(line.slot.points)))});
    const LineSlot& name = m_frame.name;
    spans.append(
        {name.yTwips, name.yTwips + int(std::lround(twipsOfPoints(name.points) *
                                                    (NameRowPitchEm * (nameRows - 1) + 1)))});
    std::sort(spans.begin(), spans.end());
    const QRect& bounds = m_frame.boundsTwips;
    if (spans.front().first < bounds.top() || spans.back().second > bounds.bottom() + 1)
        return true;
    for (qsizetype i = 1; i < spans.size(); ++i)
        if (spans[i].first < spans[i - 1].second)
            return true;
    return false;
}

QList<Line> Typesetter::withCodeBelowName(QList<Line> lines, double nameRows) const {
    const LineSlot& name = m_frame.name;
    const int nameBottom =
        name.yTwips +
        int(std::lround(twipsOfPoints(name.points) * (NameRowPitchEm * (nameRows - 1) + 1)));
    for (Line& line : lines)
        if (line.role == RunRole::Code && line.slot.yTwips > name.yTwips)
            line.slot.yTwips =
                std::max(line.slot.yTwips, nameBottom + int(twipsOfPoints(line.slot.points) * 0.6));
    return lines;
}

TypesetCard Typesetter::set(const HorizontalCardText& card) {
    TypesetCard out;
    QList<Line> lines;
    if (!card.postalLine.isEmpty())
        lines.append({RunRole::PostalCode, card.postalLine, m_frame.postal, 1});
    lines.append(addressLines(card));
    if (!card.code.isEmpty())
        lines.append({RunRole::Code, card.code, m_frame.code, 5});

    LineSlot nameSlot = m_frame.name;
    NameBlock block = nameBlock(card, true);
    if (block.rows.size() == 1)
        block = brokenOrganisationName(card, block);
    if (block.rows.size() > 1) {
        const QList<Line> stacked = withCodeBelowName(lines, double(block.rows.size()));
        if (crowded(stacked, double(block.rows.size())))
            block = nameBlock(card, false);
        else
            lines = stacked;
    }
    if (crowded(lines, double(block.rows.size()))) {
        // A small label: the lines stacked from the top, the least needed left out.
        const QRect& bounds = m_frame.boundsTwips;
        const int pad = std::min(SideMarginTwips, bounds.height() / platform::TwipsPerPoint);
        const double room = bounds.height() - 2 * pad;
        auto height = [](double points) { return twipsOfPoints(points) * LinePitchEm; };
        nameSlot.points = std::min(nameSlot.points, platform::pointsOfTwips(room / LinePitchEm));
        double used = height(nameSlot.points);
        QList<Line> byPriority = lines;
        std::stable_sort(byPriority.begin(), byPriority.end(),
                         [](const Line& a, const Line& b) { return a.priority < b.priority; });
        QList<Line> kept;
        for (Line line : byPriority) {
            line.slot.points =
                std::max(SmallestLinePoints, std::min(line.slot.points, nameSlot.points));
            if (used + height(line.slot.points) > room) {
                out.compromises << omitted(line.role);
                continue;
            }
            used += height(line.slot.points);
            kept.append(line);
        }
        // Back into reading order, the name after the address.
        QList<Line> ordered;
        for (const Line& line : lines)
            for (const Line& k : kept)
                if (k.text == line.text && k.role == line.role && k.slot.yTwips == line.slot.yTwips)
                    ordered.append(k);
        double y = bounds.top() + pad;
        QList<Line> placed;
        for (Line line : ordered) {
            if (line.role == RunRole::Code) {
                nameSlot.yTwips = int(std::lround(y));
                y += height(nameSlot.points);
            }
            line.slot.yTwips = int(std::lround(y));
            y += height(line.slot.points);
            placed.append(line);
        }
        if (placed.isEmpty() || placed.back().role != RunRole::Code)
            nameSlot.yTwips = int(std::lround(y));
        lines = placed;
        if (nameSlot.points < m_frame.name.points)
            out.compromises << u"宛名を縮小"_s;
    }
    TypesetCard name;
    placeName(block, nameSlot, nameSlot.points, name);
    out.compromises << name.compromises;
    bool namePlaced = false;

    // The name is the largest text: no other line is set larger.
    for (Line& line : lines) {
        LineSlot slot = line.slot;
        slot.points = std::min(slot.points, m_namePoints);
        // The runs go in reading order: the name after the address, before the code.
        if (!namePlaced && slot.yTwips > nameSlot.yTwips) {
            out.runs << name.runs;
            namePlaced = true;
        }
        const int left = std::max(m_frame.boundsTwips.left() + SideMarginTwips, slot.xTwips);
        const QString text = line.text;
        const auto widthAt = [&](double points) { return width(text, points); };
        const SizeFit fit = fitWidth(widthAt, slot.points, roomFrom(left));
        if (widthAt(fit.points) * fit.stretch / 100.0 > roomFrom(left)) {
            out.compromises << omitted(line.role);
            continue;
        }
        if (fit.points < slot.points && line.role != RunRole::Code)
            out.compromises << u"住所を縮小"_s;
        out.runs << PlacedRun{line.role,   text, m_face,      fit.points,
                              fit.stretch, left, slot.yTwips, false};
    }
    if (!namePlaced)
        out.runs << name.runs;
    out.compromises.removeDuplicates();
    return out;
}

} // namespace

TypesetCard typesetHorizontal(platform::Printer& measure, const QString& face,
                              const HorizontalCardText& card, const HorizontalFrame& frame) {
    return Typesetter(measure, face, frame).set(card);
}

} // namespace printing
