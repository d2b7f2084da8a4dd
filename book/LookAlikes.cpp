#include "book/LookAlikes.h"

namespace book {

namespace {

struct LookAlike {
    char16_t typed;
    char16_t stored;
};

// The JIS mapping of these characters differs from the Windows one that code page 932 uses.
constexpr LookAlike LookAlikes[] = {
    {u'\u301C', u'\uFF5E'}, {u'\u2212', u'\uFF0D'}, {u'\u2014', u'\u2015'}, {u'\u2016', u'\u2225'},
    {u'\u00A2', u'\uFFE0'}, {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'},
};

} // namespace

QString withCp932LookAlikes(const QString& text) {
    QString mapped = text;
    for (const LookAlike& pair : LookAlikes)
        mapped.replace(QChar(pair.typed), QChar(pair.stored));
    return mapped;
}

} // namespace book
