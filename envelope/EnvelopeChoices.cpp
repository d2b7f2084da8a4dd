#include "envelope/EnvelopeChoices.h"

#include "book/QuotedLine.h"
#include "platform/ProgramFolder.h"

using namespace Qt::StringLiterals;

namespace envelope {

namespace {

QString sizeName(const EnvelopeSize& envelope) {
    if (envelope.paper == platform::PaperSize::Custom)
        return QString::number(envelope.widthMm) + u'x' + QString::number(envelope.heightMm);
    return QString::fromUtf16(platform::paperOf(envelope.paper).name);
}

QString flag(bool on) {
    return on ? u"1"_s : u"0"_s;
}

} // namespace

QString envelopeChoicesPath() {
    return platform::ProgramFolder::file(QString::fromUtf16(EnvelopeChoicesFileName));
}

EnvelopeChoices readEnvelopeChoices(const QString& path) {
    const QStringList fields = book::readQuotedLine(path).value_or(QStringList());
    EnvelopeChoices choices;
    if (const std::optional<EnvelopeSize> size = envelopeNamed(fields.value(0)))
        choices.envelope = *size;
    if (fields.size() > 1)
        choices.writing =
            fields.value(1).trimmed() == u"0"_s ? Writing::Horizontal : Writing::Vertical;
    choices.printBack = fields.value(2).trimmed() == u"1"_s;
    choices.backLayout = fields.value(3).trimmed() == u"1"_s ? BackLayout::Left : BackLayout::Seam;
    return choices;
}

book::WriteResult writeEnvelopeChoices(const QString& path, const EnvelopeChoices& choices) {
    return book::writeQuotedLine(
        path, {sizeName(choices.envelope), flag(choices.writing == Writing::Vertical),
               flag(choices.printBack), flag(choices.backLayout == BackLayout::Left)});
}

} // namespace envelope
