#include "printing/VerticalTypesetter.h"

#include "book/JointNames.h"
#include "platform/Units.h"
#include "printing/ColumnBreak.h"
#include "printing/CompanyName.h"
#include "printing/FullWidth.h"
#include "printing/LineFit.h"
#include "printing/PostalCode.h"
#include "printing/VerticalBlocks.h"
#include "printing/VerticalText.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace printing {

namespace {

using namespace vertical;
using platform::twipsOfPoints;

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
            std::min({twipsOfPoints(frame.namePoints),
                      (bottom - frame.nameTopTwips) / block.heightEm(), widest / block.widthEm()});
        const double points = flooredPoints(platform::pointsOfTwips(em));
        const double width = block.widthEm() * twipsOfPoints(points);
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
        const double roomEm =
            (frame.addressBottomTwips - frame.nameTopTwips) / twipsOfPoints(points);
        return breakColumns(company, nameBreakPlaces(company.cells), roomEm,
                            roomEm - ContinuationIndentEm, 2, BreakPlace::Anywhere);
    };
    // The columns right of the name, at the address's size: their left edge.
    auto rightColumnsLeft = [&](const AddressLayout& address, double companyPoints,
                                qsizetype companyCount) {
        const double em = twipsOfPoints(address.points);
        double left = frame.addressRightTwips;
        for (const BlockColumn& c : address.street + address.building)
            left -= (c.gapBeforeEm + 1) * em;
        if (companyCount > 0)
            left -= ColumnGapEm * em + companyCount * twipsOfPoints(companyPoints) +
                    (companyCount - 1) * ColumnGapEm * twipsOfPoints(companyPoints);
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
                placeName(block, rounded(left - twipsOfPoints(address.points)), frame, needed);
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
    const double nameEm = twipsOfPoints(chosen->place.points);
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
        const double roomEm = area.height() / twipsOfPoints(addressPoints);
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
    const double fittingName =
        flooredPoints(platform::pointsOfTwips(area.height() / qMax(1.0, name.lengthEm())));
    if (fittingName < namePoints) {
        namePoints = largerOrLeast(fittingName);
        card.compromises << u"差出人名を縮小"_s;
    }
    const double nameEm = twipsOfPoints(namePoints);
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
