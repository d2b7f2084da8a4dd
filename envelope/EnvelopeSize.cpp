#include "envelope/EnvelopeSize.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace envelope {

namespace {

EnvelopeSize standard(platform::PaperSize paper, Opening opening, bool codeBoxes,
                      const QString& name) {
    const platform::Paper& sheet = platform::paperOf(paper);
    return {paper, sheet.widthMillimetres, sheet.heightMillimetres, opening, codeBoxes, name};
}

// Each standard envelope's names on the command line, after its table name.
struct Alias {
    platform::PaperSize paper;
    const char16_t* shortName;
};

constexpr Alias Aliases[] = {
    {platform::PaperSize::Naga3, u"長3"},      {platform::PaperSize::Naga4, u"長4"},
    {platform::PaperSize::Kaku2, u"角2"},      {platform::PaperSize::You2, u"洋2"},
    {platform::PaperSize::YouNaga3, u"洋長3"},
};

constexpr double LeastSideMm = 50;
constexpr double LargestSideMm = 500;

} // namespace

const QList<EnvelopeSize>& standardEnvelopes() {
    using platform::PaperSize;
    // 長3 and 長4 are the standard-size envelopes sold with code boxes; 洋長3
    // is 長3's size opening along its long edge.
    static const QList<EnvelopeSize> sizes{
        standard(PaperSize::Naga3, Opening::ShortSide, true, u"長形3号"_s),
        standard(PaperSize::Naga4, Opening::ShortSide, true, u"長形4号"_s),
        standard(PaperSize::Kaku2, Opening::ShortSide, false, u"角形2号"_s),
        standard(PaperSize::You2, Opening::LongSide, false, u"洋形2号"_s),
        standard(PaperSize::YouNaga3, Opening::LongSide, false, u"洋長3号"_s),
    };
    return sizes;
}

std::optional<EnvelopeSize> userEnvelope(double widthMm, double heightMm) {
    const double shorter = qMin(widthMm, heightMm);
    const double longer = qMax(widthMm, heightMm);
    if (!(shorter >= LeastSideMm && longer <= LargestSideMm))
        return std::nullopt;
    return EnvelopeSize{platform::PaperSize::Custom,
                        shorter,
                        longer,
                        Opening::ShortSide,
                        false,
                        QString::number(shorter) + u"×"_s + QString::number(longer) + u"mm"_s};
}

std::optional<EnvelopeSize> envelopeNamed(const QString& typed) {
    const QString text = typed.trimmed();
    for (const EnvelopeSize& size : standardEnvelopes()) {
        if (text.compare(QString::fromUtf16(platform::paperOf(size.paper).name),
                         Qt::CaseInsensitive) == 0 ||
            text == size.name)
            return size;
    }
    for (const Alias& alias : Aliases)
        if (text == QString::fromUtf16(alias.shortName))
            for (const EnvelopeSize& size : standardEnvelopes())
                if (size.paper == alias.paper)
                    return size;
    static const QRegularExpression userSize(
        u"^(\\d+(?:\\.\\d+)?)\\s*[xX×ｘ]\\s*(\\d+(?:\\.\\d+)?)(?:mm)?$"_s);
    const QRegularExpressionMatch match = userSize.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return userEnvelope(match.captured(1).toDouble(), match.captured(2).toDouble());
}

platform::PageFormat pageFormatOf(const EnvelopeSize& envelope, Writing writing) {
    const bool landscape = writing == Writing::Horizontal && envelope.opening == Opening::LongSide;
    if (envelope.paper == platform::PaperSize::Custom)
        return platform::PageFormat::custom(envelope.widthMm, envelope.heightMm, landscape);
    return platform::PageFormat(envelope.paper, landscape);
}

} // namespace envelope
