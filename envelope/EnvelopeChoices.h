#pragma once

#include "book/WriteError.h"
#include "envelope/EnvelopeLayout.h"
#include "envelope/EnvelopeSize.h"

#include <QString>

namespace envelope {

// What the envelope screen remembers between runs, in a file of its own in
// the program folder: one CR LF line of quoted fields, the size as
// envelopeNamed() reads it ("naga3", "120x235"), "1" for vertical writing,
// "1" when the back is printed, "1" for the sender in the left part.
struct EnvelopeChoices {
    EnvelopeSize envelope = standardEnvelopes().first();
    Writing writing = Writing::Vertical;
    bool printBack = false;
    BackLayout backLayout = BackLayout::Seam;

    bool operator==(const EnvelopeChoices&) const = default;
};

inline constexpr char16_t EnvelopeChoicesFileName[] = u"TagoraEnvelope.ini";

// TagoraEnvelope.ini in the program folder.
QString envelopeChoicesPath();

// The choices in the file; a missing file or field, or one not understood, gives the default.
EnvelopeChoices readEnvelopeChoices(const QString& path);

// Replaces the file, whole or not at all.
book::WriteResult writeEnvelopeChoices(const QString& path, const EnvelopeChoices& choices);

} // namespace envelope
