#include "printing/VerticalTypesetter.h"

#include "book/JointNames.h"
#include "printing/ColumnBreak.h"
#include "printing/CompanyName.h"
#include "printing/FullWidth.h"
#include "printing/LineFit.h"
#include "printing/PostalCode.h"
#include "printing/VerticalText.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace printing {

namespace {

// Lengths are measured once at this size and scale with it.
constexpr double MeasuringPoints = 20;
constexpr double SizeStep = 0.5;
constexpr double LeastPoints = 6;
constexpr double ColumnGapEm = 0.5;     // between the columns of an address
constexpr double NameColumnGapEm = 0.3; // joint names stand close
constexpr double HonorificGapEm = 0.5;
constexpr double ContinuationIndentEm = 1;
constexpr double BuildingIndentEm = 2;
constexpr int MostStreetColumns = 3;
constexpr int MostBuildingColumns = 2;

double emTwips(double points) {
    return points * 20;
}

int rounded(double twips) {
    return int(std::lround(twips));
}

double flooredPoints(double points) {
    return std::floor(points * 10 + 1e-6) / 10;
}

// Measures cells in the face, each once.
class CellMeasure {
  public:
    CellMeasure(platform::Printer& printer, const QString& face) : m_printer(printer) {
        m_printer.setFontName(face);
    }

    MeasuredColumn measured(const ColumnText& cells) {
        MeasuredColumn column{cells, {}};
        for (const ColumnCell& cell : cells)
            column.lengthsEm << lengthEm(cell);
        return column;
    }
    MeasuredColumn measured(const QString& line) { return measured(verticalColumn(line)); }

    // Width in twips of text set across at this size.
    double acrossWidth(const QString& text, double points) {
        m_printer.setFontSize(points);
        return m_printer.textWidth(text);
    }

  private:
    double lengthEm(const ColumnCell& cell) {
        if (cell.across)
            return 1;
        auto found = m_lengths.constFind(cell.text);
        if (found != m_lengths.constEnd())
            return *found;
        m_printer.setFontSize(MeasuringPoints);
        const double length = m_printer.verticalLength(cell.text) / emTwips(MeasuringPoints);
        m_lengths.insert(cell.text, length);
        return length;
    }

    platform::Printer& m_printer;
    QHash<QString, double> m_lengths;
};

// Adds the runs of one column: upright stretches as columns, a two-digit
// number across in its cell, centred.
void placeColumn(QList<PlacedRun>& runs, CellMeasure& measure, RunRole role,
                 const MeasuredColumn& column, const QString& face, double points, int leftTwips,
                 int topTwips) {
    const double em = emTwips(points);
    QString upright;
    double uprightStartEm = 0;
    double downEm = 0;
    auto flush = [&] {
        if (!upright.isEmpty())
            runs.append({role, upright, face, points, 100, leftTwips,
                         topTwips + rounded(uprightStartEm * em), true});
        upright.clear();
    };
    for (qsizetype i = 0; i < column.cells.size(); ++i) {
        const ColumnCell& cell = column.cells[i];
        if (cell.across) {
            flush();
            const double width = measure.acrossWidth(cell.text, points);
            const int stretch = fittingStretch(width, em);
            const double set = width * stretch / 100;
            runs.append({role, cell.text, face, points, stretch,
                         leftTwips + rounded((em - set) / 2), topTwips + rounded(downEm * em),
                         false});
        } else {
            if (upright.isEmpty())
                uprightStartEm = downEm;
            upright += cell.text;
        }
        downEm += column.lengthsEm[i];
    }
    flush();
}

// One column of a block, its top in ems below the block's top.
struct BlockColumn {
    MeasuredColumn text;
    double topEm = 0;
    double honorificTopEm = -1; // none when negative
    double gapBeforeEm = 0;     // from the column to its right
};

struct AddressLayout {
    double points = 0;
    QList<BlockColumn> street;
    QList<BlockColumn> building;
};

// The street in up to three columns and the building in its own, at the given size; nothing when
// they do not fit.
std::optional<AddressLayout> layOutAddress(const MeasuredColumn& street,
                                           const QList<BreakPlace>& streetPlaces,
                                           const MeasuredColumn& building,
                                           const QList<BreakPlace>& buildingPlaces, double points,
                                           const VerticalFrame& frame) {
    const double roomEm = (frame.addressBottomTwips - frame.addressTopTwips) / emTwips(points);
    AddressLayout layout{points, {}, {}};
    if (!street.cells.isEmpty()) {
        const QList<MeasuredColumn> columns =
            breakColumns(street, streetPlaces, roomEm, roomEm - ContinuationIndentEm,
                         MostStreetColumns, BreakPlace::Anywhere);
        if (columns.isEmpty())
            return std::nullopt;
        for (qsizetype i = 0; i < columns.size(); ++i)
            layout.street.append(
                {columns[i], i == 0 ? 0 : ContinuationIndentEm, -1, i == 0 ? 0 : ColumnGapEm});
    }
    if (!building.cells.isEmpty()) {
        const double indent = layout.street.isEmpty() ? 0 : BuildingIndentEm;
        const QList<MeasuredColumn> columns = breakColumns(
            building, buildingPlaces, roomEm - indent, roomEm - indent - ContinuationIndentEm,
            MostBuildingColumns, BreakPlace::Anywhere);
        if (columns.isEmpty())
            return std::nullopt;
        for (qsizetype i = 0; i < columns.size(); ++i)
            layout.building.append({columns[i], indent + (i == 0 ? 0 : ContinuationIndentEm), -1,
                                    layout.street.isEmpty() && i == 0 ? 0 : ColumnGapEm});
    }
    return layout;
}

// The name block in ems of its size: columns from the right.
struct NameBlock {
    QList<BlockColumn> columns;
    MeasuredColumn honorific;
    bool brokenInsideAWord = false;

    double heightEm() const {
        double height = 0;
        for (const BlockColumn& c : columns)
            height = qMax(height,
                          qMax(c.topEm + c.text.lengthEm(),
                               c.honorificTopEm < 0 ? 0 : c.honorificTopEm + honorific.lengthEm()));
        return height;
    }
    double widthEm() const {
        double width = 0;
        for (const BlockColumn& c : columns)
            width += 1 + c.gapBeforeEm;
        return width;
    }
};

// Joint names one column each, given names level, the family name once at the head of the first.
NameBlock jointNameBlock(CellMeasure& measure, const QString& person,
                         const MeasuredColumn& honorific) {
    const book::JointName joint = book::splitJointName(person);
    NameBlock block{{}, honorific, false};
    const double honorificGap = honorific.cells.isEmpty() ? 0 : HonorificGapEm;
    if (joint.givenNames.size() <= 1) {
        const MeasuredColumn name = measure.measured(book::trimmedSpaces(person));
        block.columns.append({name, 0, name.lengthEm() + honorificGap, 0});
        return block;
    }
    const MeasuredColumn head =
        measure.measured(joint.family.isEmpty() ? QString() : joint.family + u"　"_s);
    double longest = 0;
    QList<MeasuredColumn> given;
    for (const QString& name : joint.givenNames) {
        given << measure.measured(name);
        longest = qMax(longest, given.last().lengthEm());
    }
    const double honorificTop = head.lengthEm() + longest + honorificGap;
    for (qsizetype i = 0; i < given.size(); ++i) {
        if (i == 0)
            block.columns.append(
                {{head.cells + given[i].cells, head.lengthsEm + given[i].lengthsEm},
                 0,
                 honorificTop,
                 0});
        else
            block.columns.append({given[i], head.lengthEm(), honorificTop, NameColumnGapEm});
    }
    return block;
}

// A long name in two or three columns, each later one a character lower,
// the honorific after the last.
std::optional<NameBlock> brokenNameBlock(const MeasuredColumn& name,
                                         const MeasuredColumn& honorific, int count,
                                         BreakPlace worst) {
    const double honorificGap = honorific.cells.isEmpty() ? 0 : HonorificGapEm;
    const QList<MeasuredColumn> columns =
        breakEvenly(name, nameBreakPlaces(name.cells), count, ContinuationIndentEm,
                    honorificGap + honorific.lengthEm(), worst);
    if (columns.isEmpty())
        return std::nullopt;
    NameBlock block{{}, honorific, worst < BreakPlace::AfterPlace};
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const double top = i == 0 ? 0 : ContinuationIndentEm;
        const bool last = i + 1 == columns.size();
        block.columns.append({columns[i], top,
                              last ? top + columns[i].lengthEm() + honorificGap : -1,
                              i == 0 ? 0 : NameColumnGapEm});
    }
    return block;
}

// Where the name block stands and at what size.
struct NamePlace {
    double points = 0;
    int rightTwips = 0;
};

// The largest size at most the frame's for the block between rightLimit and
// the stamp: beside the sender (clear of it, down to the frame's bottom) or
// above it, whichever allows the larger. Centred on the frame's centre while
// that gives at least `needed` points, else moved off it as far as that helps.
NamePlace placeName(const NameBlock& block, int rightLimitTwips, const VerticalFrame& frame,
                    double needed) {
    auto option = [&](int leftLimit, int bottom, bool centred) -> NamePlace {
        const double a = frame.nameCentreTwips - leftLimit;
        const double b = rightLimitTwips - frame.nameCentreTwips;
        if (a <= 0 || b <= 0)
            return {};
        const double widest = centred ? 2 * qMin(a, b) : a + b;
        const double em =
            std::min({emTwips(frame.namePoints), (bottom - frame.nameTopTwips) / block.heightEm(),
                      widest / block.widthEm()});
        const double points = flooredPoints(em / 20);
        const double width = block.widthEm() * emTwips(points);
        const double centre = qBound(leftLimit + width / 2, double(frame.nameCentreTwips),
                                     rightLimitTwips - width / 2);
        return {points, rounded(centre + width / 2)};
    };
    auto best = [&](bool centred) {
        const NamePlace beside =
            option(qMax(frame.nameLeftLimitTwips, frame.senderTwips.right() + frame.clearanceTwips),
                   frame.nameBottomTwips, centred);
        const NamePlace above = option(frame.nameLeftLimitTwips,
                                       frame.senderTwips.top() - frame.clearanceTwips, centred);
        return beside.points >= above.points ? beside : above;
    };
    const NamePlace centred = best(true);
    return centred.points >= needed ? centred : best(false);
}

// Places block columns from rightTwips leftwards; returns the last column's left edge.
int placeBlock(QList<PlacedRun>& runs, CellMeasure& measure, RunRole role,
               const QList<BlockColumn>& columns, const QString& face, double points,
               int rightTwips, int topTwips) {
    const double em = emTwips(points);
    double right = rightTwips;
    for (const BlockColumn& column : columns) {
        right -= column.gapBeforeEm * em;
        placeColumn(runs, measure, role, column.text, face, points, rounded(right - em),
                    topTwips + rounded(column.topEm * em));
        right -= em;
    }
    return rounded(right);
}

double largerOrLeast(double points) {
    return qMax(LeastPoints, points);
}

} // namespace

TypesetCard typesetVerticalAddressee(platform::Printer& printer, const VerticalAddressee& addressee,
                                     const QString& face, const VerticalFrame& frame) {
    CellMeasure measure(printer, face);
    TypesetCard card;

    const MeasuredColumn street1 = measure.measured(addressee.address1);
    const MeasuredColumn street2 = measure.measured(addressee.address2);
    const MeasuredColumn street{street1.cells + street2.cells,
                                street1.lengthsEm + street2.lengthsEm};
    const QList<BreakPlace> streetPlaces = addressBreakPlaces(street.cells, {street1.cells.size()});
    const MeasuredColumn building = measure.measured(addressee.address3);
    const QList<BreakPlace> buildingPlaces = addressBreakPlaces(building.cells, {});

    const CompanyAndPerson parts = splitCompany(addressee.name, addressee.honorific);
    const MeasuredColumn company = measure.measured(parts.company);
    const MeasuredColumn honorific = measure.measured(book::trimmedSpaces(addressee.honorific));
    const bool joint = parts.person.contains(book::JointNameSeparator);

    // The ways to set the name, the most natural first.
    QList<NameBlock> blocks{jointNameBlock(measure, parts.person, honorific)};
    if (!joint) {
        const MeasuredColumn name = measure.measured(parts.person);
        for (BreakPlace worst : {BreakPlace::Natural, BreakPlace::AfterPlace, BreakPlace::Anywhere})
            for (int count : {2, 3})
                if (std::optional<NameBlock> broken =
                        brokenNameBlock(name, honorific, count, worst))
                    blocks << *broken;
    }

    // The address at the largest size its columns hold; below the least size only when nothing else
    // helps.
    QList<AddressLayout> addressSizes;
    for (double points = frame.addressPoints; points >= LeastPoints - 1e-6; points -= SizeStep) {
        if (std::optional<AddressLayout> layout =
                layOutAddress(street, streetPlaces, building, buildingPlaces, points, frame))
            addressSizes << *layout;
        if (points <= frame.addressLeastPoints && !addressSizes.isEmpty())
            break;
    }
    if (addressSizes.isEmpty())
        addressSizes << AddressLayout{
            LeastPoints, {{street, 0, -1, 0}}, {{building, BuildingIndentEm, -1, ColumnGapEm}}};

    auto companyColumns = [&](double points) {
        const double roomEm = (frame.addressBottomTwips - frame.nameTopTwips) / emTwips(points);
        return breakColumns(company, nameBreakPlaces(company.cells), roomEm,
                            roomEm - ContinuationIndentEm, 2, BreakPlace::Anywhere);
    };
    // The columns right of the name, at the address's size: their left edge.
    auto rightColumnsLeft = [&](const AddressLayout& address, double companyPoints,
                                qsizetype companyCount) {
        const double em = emTwips(address.points);
        double left = frame.addressRightTwips;
        for (const BlockColumn& c : address.street + address.building)
            left -= (c.gapBeforeEm + 1) * em;
        if (companyCount > 0)
            left -= ColumnGapEm * em + companyCount * emTwips(companyPoints) +
                    (companyCount - 1) * ColumnGapEm * emTwips(companyPoints);
        return left;
    };

    struct Choice {
        AddressLayout address;
        NameBlock name;
        NamePlace place;
        double companyPoints = 0;
        QList<MeasuredColumn> company;
    };
    std::optional<Choice> chosen;
    Choice fallback;
    const double leastName = frame.addressLeastPoints * frame.nameToAddress;
    for (const NameBlock& block : blocks) {
        for (const AddressLayout& address : addressSizes) {
            double companyPoints = address.points;
            QList<MeasuredColumn> companyText;
            while (!company.cells.isEmpty() && companyPoints > LeastPoints &&
                   (companyText = companyColumns(companyPoints)).isEmpty())
                companyPoints -= SizeStep;
            if (!company.cells.isEmpty() && companyText.isEmpty())
                companyText = {company};
            const double left = rightColumnsLeft(address, companyPoints, companyText.size());
            const double needed = qMax(leastName, address.points * frame.nameToAddress);
            const NamePlace place =
                placeName(block, rounded(left - emTwips(address.points)), frame, needed);
            const Choice choice{address, block, place, companyPoints, companyText};
            if (place.points >= needed) {
                chosen = choice;
                break;
            }
            if (place.points > fallback.place.points || fallback.name.columns.isEmpty())
                fallback = choice;
        }
        if (chosen)
            break;
    }
    if (!chosen) {
        // Nothing keeps every size: the name as large as it can be, the address below it in
        // proportion.
        chosen = fallback;
        card.compromises << u"宛名を縮小"_s;
        const double most = flooredPoints(chosen->place.points / frame.nameToAddress);
        if (chosen->address.points > most) {
            std::optional<AddressLayout> smaller = layOutAddress(
                street, streetPlaces, building, buildingPlaces, largerOrLeast(most), frame);
            if (smaller)
                chosen->address = *smaller;
            chosen->address.points = largerOrLeast(most);
            chosen->companyPoints = qMin(chosen->companyPoints, chosen->address.points);
        }
    }
    if (chosen->address.points < frame.addressLeastPoints)
        card.compromises << u"住所を縮小"_s;
    if (!company.cells.isEmpty() && chosen->companyPoints < chosen->address.points)
        card.compromises << u"会社名を縮小"_s;
    if (chosen->name.brokenInsideAWord)
        card.compromises << u"宛名を分割"_s;

    const AddressLayout& address = chosen->address;
    int left = placeBlock(card.runs, measure, RunRole::Address, address.street + address.building,
                          face, address.points, frame.addressRightTwips, frame.addressTopTwips);
    if (!chosen->company.isEmpty()) {
        QList<BlockColumn> columns;
        for (qsizetype i = 0; i < chosen->company.size(); ++i)
            columns.append(
                {chosen->company[i], i == 0 ? 0 : ContinuationIndentEm, -1, ColumnGapEm});
        const int right =
            address.street.isEmpty() && address.building.isEmpty() ? frame.addressRightTwips : left;
        placeBlock(card.runs, measure, RunRole::Company, columns, face, chosen->companyPoints,
                   right, frame.nameTopTwips);
    }

    const NameBlock& name = chosen->name;
    const double nameEm = emTwips(chosen->place.points);
    placeBlock(card.runs, measure, RunRole::Name, name.columns, face, chosen->place.points,
               chosen->place.rightTwips, frame.nameTopTwips);
    double right = chosen->place.rightTwips;
    for (const BlockColumn& column : name.columns) {
        right -= column.gapBeforeEm * nameEm;
        if (column.honorificTopEm >= 0)
            placeColumn(card.runs, measure, RunRole::Honorific, name.honorific, face,
                        chosen->place.points, rounded(right - nameEm),
                        frame.nameTopTwips + rounded(column.honorificTopEm * nameEm));
        right -= nameEm;
    }

    if (!addressee.code.isEmpty()) {
        const int room = frame.codeRightTwips - EdgeMarginTwips - frame.codeXTwips;
        const int stretch =
            fittingStretch(measure.acrossWidth(addressee.code, frame.codePoints), room);
        card.runs.append({RunRole::Code, addressee.code, face, frame.codePoints, stretch,
                          frame.codeXTwips, frame.codeYTwips, false});
    }
    return card;
}

TypesetCard typesetVerticalSender(platform::Printer& printer, const book::AddressCard& sender,
                                  const QString& face, const VerticalSenderFrame& frame,
                                  double belowPoints) {
    CellMeasure measure(printer, face);
    TypesetCard card;
    const QRect area = frame.columnsTwips;
    double namePoints = qMin(frame.namePoints, belowPoints - SizeStep);
    double addressPoints = qMin(frame.addressPoints, namePoints - 1.5);

    const MeasuredColumn street1 = measure.measured(sender.address1);
    const MeasuredColumn street2 = measure.measured(sender.address2);
    const MeasuredColumn street{street1.cells + street2.cells,
                                street1.lengthsEm + street2.lengthsEm};
    const MeasuredColumn building = measure.measured(sender.address3);
    const MeasuredColumn name =
        measure.measured(book::jointNameLine(book::trimmedSpaces(sender.name)));

    // The address shrinks only when two columns and the building's cannot hold it.
    const double fullAddressPoints = addressPoints;
    QList<BlockColumn> columns;
    for (;; addressPoints -= SizeStep) {
        const double roomEm = area.height() / emTwips(addressPoints);
        const QList<MeasuredColumn> streetColumns =
            breakColumns(street, addressBreakPlaces(street.cells, {street1.cells.size()}), roomEm,
                         roomEm - ContinuationIndentEm, 2, BreakPlace::Anywhere);
        const QList<MeasuredColumn> buildingColumns = breakColumns(
            building, addressBreakPlaces(building.cells, {}), roomEm - BuildingIndentEm,
            roomEm - BuildingIndentEm, 1, BreakPlace::Anywhere);
        const bool fits = (street.cells.isEmpty() || !streetColumns.isEmpty()) &&
                          (building.cells.isEmpty() || !buildingColumns.isEmpty());
        if (!fits && addressPoints - SizeStep >= LeastPoints)
            continue;
        columns.clear();
        for (qsizetype i = 0; i < streetColumns.size(); ++i)
            columns.append({streetColumns[i], i == 0 ? 0 : ContinuationIndentEm, -1,
                            i == 0 ? 0 : ColumnGapEm});
        for (const MeasuredColumn& c : buildingColumns)
            columns.append({c, columns.isEmpty() ? 0 : BuildingIndentEm, -1,
                            columns.isEmpty() ? 0 : ColumnGapEm});
        break;
    }
    if (addressPoints < fullAddressPoints)
        card.compromises << u"差出人住所を縮小"_s;
    const int left = placeBlock(card.runs, measure, RunRole::Sender, columns, face, addressPoints,
                                area.right(), area.top());

    // The name ends level with the foot of the columns, as it is written by hand; a long one is set
    // smaller.
    const double fittingName = flooredPoints(area.height() / qMax(1.0, name.lengthEm()) / 20);
    if (fittingName < namePoints) {
        namePoints = largerOrLeast(fittingName);
        card.compromises << u"差出人名を縮小"_s;
    }
    const double nameEm = emTwips(namePoints);
    const int nameRight = columns.isEmpty() ? area.right() : left - rounded(ColumnGapEm * nameEm);
    const int nameTop = qMax(area.top(), area.bottom() - int(std::ceil(name.lengthEm() * nameEm)));
    placeColumn(card.runs, measure, RunRole::Sender, name, face, namePoints,
                nameRight - rounded(nameEm), nameTop);

    if (!sender.postalCode.isEmpty()) {
        const QString line = zipLine(sender.postalCode);
        const double points = qMin(frame.codePoints, namePoints - SizeStep);
        const int room = area.right() - frame.codeXTwips;
        const int stretch = fittingStretch(measure.acrossWidth(line, points), room);
        card.runs.append({RunRole::Sender, line, face, points, stretch, frame.codeXTwips,
                          frame.codeYTwips, false});
    }
    return card;
}

} // namespace printing
