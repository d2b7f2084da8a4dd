#pragma once

#include "platform/Printer.h"
#include "printing/Trims.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace printing {

// What part of the card a run shows. The typesetting keeps the name and its
// honorific together, and leaves out lines by this order when a small label
// cannot hold them all.
enum class RunRole { PostalCode, Address, Company, Name, Honorific, Code, Sender };

// One piece of text the typesetting placed, as every output and the preview
// draw it: twips from the page origin, before the user's trims.
struct PlacedRun {
    RunRole role = RunRole::Address;
    QString text;
    QString face;
    double points = 11;
    int stretchPercent = 100; // horizontal condensing; 100 is the face as designed
    int xTwips = 0;           // left of the text, or of the column
    int yTwips = 0;           // top of the text, or of the column's first character
    bool vertical = false;    // a column, characters one under another
};

// One card set in its frame: what to draw, and what the typesetting had to
// give up for it, in words for the job's warning ("宛名を縮小", "コードを省略").
struct TypesetCard {
    QList<PlacedRun> runs;
    QStringList compromises;
};

// The largest size of the card's runs of one role, 0 for none.
double largestPoints(const TypesetCard& card, RunRole role);

// Draws runs on the current page, every position moved by the trims.
void drawRuns(platform::Printer& printer, const QList<PlacedRun>& runs, OffsetsTwips trims);

} // namespace printing
