#include "book/LenientNumber.h"

#include <cmath>
#include <limits>

namespace book {

double leadingNumber(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const int start = i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool digits = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        int j = i + 1;
        while (j < n && text[j] >= u'0' && text[j] <= u'9') {
            ++j;
            digits = true;
        }
        i = j;
    }
    if (!digits)
        return 0.0;
    return text.mid(start, i - start).toDouble();
}

int leadingInteger(const QString& text) {
    const double rounded = std::nearbyint(leadingNumber(text)); // default mode: halves to even
    constexpr double limit = std::numeric_limits<int>::max();
    if (rounded > limit || rounded < -limit)
        return 0;
    return int(rounded);
}

} // namespace book
