#include "season/CardOrigins.h"

namespace season {

CardOrigins CardOrigins::kept(int count, int countBefore) {
    CardOrigins origins;
    origins.known = true;
    for (int i = 1; i <= count; ++i)
        origins.before.append(i <= countBefore ? i : 0);
    return origins;
}

CardOrigins CardOrigins::removed(int count, int removed, int countBefore) {
    CardOrigins origins;
    origins.known = true;
    for (int i = 1; i <= count; ++i) {
        const int was = i < removed ? i : i + 1;
        origins.before.append(was <= countBefore ? was : 0);
    }
    return origins;
}

} // namespace season
