#pragma once

#include <QString>

namespace book {

// The on-screen label of card field 1 to 7 (宛名, 住所１, 住所２, 住所3, 〒, コード, 敬称).
QString fieldLabel(int number);

} // namespace book
