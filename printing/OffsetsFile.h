#pragma once

#include "book/WriteError.h"
#include "printing/Trims.h"

#include <QString>

namespace printing {

// The print-position trims of one medium, as the offsets file stores them:
// the marker's X and Y position on the adjustment dialog in twips (20 per
// millimetre on paper, neutral 1200 and 480) and a third value that is
// carried through unchanged. Kept as the texts read, so nothing is lost.
struct MarkerPosition {
    QString xPoint = QStringLiteral("1200");
    QString yPoint = QStringLiteral("480");
    QString extra = QStringLiteral("0");
};

inline constexpr int NeutralMarkerX = 1200;
inline constexpr int NeutralMarkerY = 480;
inline constexpr int MarkerStep = 20;

// File names in the program folder, labels and postcards.
inline constexpr char16_t LabelOffsetsFileName[] = u"Tagora.opt";
inline constexpr char16_t PostcardOffsetsFileName[] = u"Tagora1.opt";

// The label offsets file in the program folder.
QString labelOffsetsPath();

// Reads one offsets file. A missing, unreadable or short file gives the
// neutral position for what is missing (no offset), and so does a marker
// field that is not a number. Other values are used as they are.
MarkerPosition readOffsets(const QString& path);

// Replaces the file with the one line of three quoted fields, atomically;
// a failure leaves the old file as it was.
book::WriteResult writeOffsets(const QString& path, const MarkerPosition& position);

// Millimetres shown for a marker position: (x − 1200) / 20 and (y − 480) / 20.
// Values off the 20-twip grid give fractions (1510 is 15.5 mm).
double xMillimetres(const MarkerPosition& position);
double yMillimetres(const MarkerPosition& position);

// Both millimetre values of a marker position, as a job's trims.
Trims trimsOf(const MarkerPosition& position);

// The trims of one offsets file, read as readOffsets() reads it.
Trims readTrims(const QString& path);

// A millimetre value as the dialog and the screens show it: "3", "-10", "15.5".
QString millimetreText(double millimetres);

} // namespace printing
