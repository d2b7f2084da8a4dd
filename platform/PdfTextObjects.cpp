#include "platform/PdfTextObjects.h"

#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDFTokenizer.hh>

#include <algorithm>
#include <memory>
#include <optional>

namespace platform {

QList<PdfTextObject> textObjectsOf(const QByteArray& content) {
    QList<PdfTextObject> objects;
    auto input = std::make_shared<BufferInputSource>("content", content.toStdString());
    QPDFTokenizer tokenizer;
    tokenizer.allowEOF();
    QByteArray font;
    QByteArray lastName;
    QList<unsigned> operandCodes; // of the strings since the last operator
    std::optional<PdfTextObject> current;
    for (;;) {
        const QPDFTokenizer::Token token = tokenizer.readToken(input, "content", true);
        const QPDFTokenizer::token_type_e type = token.getType();
        if (type == QPDFTokenizer::tt_eof || type == QPDFTokenizer::tt_bad)
            break;
        if (type == QPDFTokenizer::tt_name) {
            lastName = QByteArray::fromStdString(token.getValue()).mid(1);
        } else if (type == QPDFTokenizer::tt_string) {
            const std::string& bytes = token.getValue();
            for (size_t i = 0; i + 1 < bytes.size(); i += 2)
                operandCodes << ((unsigned(uchar(bytes[i])) << 8) | uchar(bytes[i + 1]));
        } else if (type == QPDFTokenizer::tt_word) {
            const std::string& word = token.getValue();
            if (word == "BT") {
                current = PdfTextObject{qsizetype(input->getLastOffset()), 0, {}};
            } else if (word == "ET" && current) {
                current->end = qsizetype(input->tell());
                objects << *current;
                current.reset();
            } else if (word == "Tf") {
                font = lastName;
            } else if ((word == "Tj" || word == "TJ" || word == "'" || word == "\"") && current) {
                for (const unsigned code : operandCodes)
                    current->shown.append({font, code});
            } else if (word == "ID") {
                // An inline image's data is not tokens: skip the one white
                // space after ID and the data up to EI.
                char space = 0;
                input->read(&space, 1);
                tokenizer.expectInlineImage(input);
                tokenizer.readToken(input, "content", true);
            }
            operandCodes.clear();
        }
    }
    return objects;
}

QByteArray withActualTexts(const QByteArray& content,
                           const QList<std::pair<PdfTextObject, QString>>& spans) {
    QList<std::pair<PdfTextObject, QString>> ordered = spans;
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first.begin < b.first.begin; });
    QByteArray result;
    qsizetype copied = 0;
    for (const auto& [object, text] : ordered) {
        if (object.begin < copied || object.end > content.size())
            continue;
        // A PDF text string in UTF-16BE, marked by its byte order mark.
        QByteArray hex = "FEFF";
        for (const QChar c : text)
            hex += QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
        result += content.mid(copied, object.begin - copied);
        result += "/Span <</ActualText <" + hex + ">>> BDC\n";
        result += content.mid(object.begin, object.end - object.begin);
        result += "\nEMC";
        copied = object.end;
    }
    result += content.mid(copied);
    return result;
}

} // namespace platform
