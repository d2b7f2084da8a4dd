#pragma once

#include <QAnyStringView>

namespace ui {

// Gives a new control, menu or action its design name, under which the
// program and its tests find it, and hands it back.
template <typename T> T* named(T* object, QAnyStringView name) {
    object->setObjectName(name.toString());
    return object;
}

} // namespace ui
