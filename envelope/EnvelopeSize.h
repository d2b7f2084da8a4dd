#pragma once

#include "platform/Paper.h"

#include <QList>
#include <QString>

#include <optional>

namespace envelope {

// Where the envelope opens: across a short edge (長形, 角形: the flap at the
// top of the back held upright) or along a long edge (洋形: the flap at the
// top of the back held sideways).
enum class Opening { ShortSide, LongSide };

// How the address is written on the front.
enum class Writing { Horizontal, Vertical };

// One envelope a job prints on, portrait: width never more than height.
struct EnvelopeSize {
    platform::PaperSize paper = platform::PaperSize::Naga3; // Custom for a size of the user's
    double widthMm = 120;
    double heightMm = 235;
    Opening opening = Opening::ShortSide;
    bool codeBoxes = false; // red code boxes printed at Japan Post's standard place
    QString name;           // "長形3号", "120×235mm"

    bool operator==(const EnvelopeSize&) const = default;
};

// 長形3号, 長形4号, 角形2号, 洋形2号 and 洋長3号, in that order.
const QList<EnvelopeSize>& standardEnvelopes();

// A size of the user's, width and height in millimetres in either order:
// opening on a short side, no code boxes. Sides from 50 to 500 mm.
std::optional<EnvelopeSize> userEnvelope(double widthMm, double heightMm);

// The size a command line or the screen names: naga3, naga4, kaku2, you2,
// younaga3, their Japanese short names 長3, 長4, 角2, 洋2, 洋長3, the full
// names (長形3号...), or WxH in millimetres ("100x200", "100×200").
std::optional<EnvelopeSize> envelopeNamed(const QString& text);

// The page a job is begun on: the envelope fed short edge first, turned to
// landscape when a horizontal address is written along the long edge (洋形).
platform::PageFormat pageFormatOf(const EnvelopeSize& envelope, Writing writing);

} // namespace envelope
