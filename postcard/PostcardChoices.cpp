#include "postcard/PostcardChoices.h"

#include "book/QuotedLine.h"
#include "platform/ProgramFolder.h"

using namespace Qt::StringLiterals;

namespace postcard {

PostcardChoices readPostcardChoices(const QString& path) {
    const QStringList fields = book::readQuotedLine(path).value_or(QStringList());
    PostcardChoices choices;
    choices.writing = fields.value(0).trimmed() == u"1"_s ? Writing::Vertical : Writing::Horizontal;
    choices.printSender = fields.value(1).trimmed() == u"1"_s;
    return choices;
}

book::WriteResult writePostcardChoices(const QString& path, const PostcardChoices& choices) {
    return book::writeQuotedLine(path, {choices.writing == Writing::Vertical ? u"1"_s : u"0"_s,
                                        choices.printSender ? u"1"_s : u"0"_s});
}

QString postcardChoicesPath() {
    return platform::ProgramFolder::file(QString::fromUtf16(PostcardChoicesFileName));
}

} // namespace postcard
