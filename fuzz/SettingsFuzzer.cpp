// Feeds arbitrary bytes to the settings reader, the one quoted line that
// "Tagora.ini" holds: from memory, and through the file as the program reads it.
#include "FuzzCheck.h"
#include "FuzzFile.h"

#include "book/QuotedLine.h"
#include "book/SettingsFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const std::optional<QStringList> fields = book::parseQuotedLine(bytes);
    if (fields) {
        // What was read, written back, reads as the same fields.
        const std::optional<QByteArray> line = book::formatQuotedLine(*fields);
        if (line)
            FUZZ_CHECK(book::parseQuotedLine(*line) == fields);
    }

    const QString path = fuzzfile::write(u"Tagora.ini", bytes);
    const book::SettingsValues values = book::readSettings(path);
    const QStringList expected = fields.value_or(QStringList());
    FUZZ_CHECK(values.lastBook == expected.value(0));
    FUZZ_CHECK(values.bookState == expected.value(1));
    FUZZ_CHECK(values.reserved == expected.value(2));
    return 0;
}
