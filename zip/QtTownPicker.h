#pragma once

#include "zip/TownPicker.h"

class QWidget;

namespace zip {

// The town choice as a modal list dialog over the window that asks.
class QtTownPicker : public TownPicker {
public:
    explicit QtTownPicker(QWidget* parent = nullptr) : m_parent(parent) {}

    int pick(const QString& code, const ZipAddressList& choices) override;

private:
    QWidget* m_parent;
};

} // namespace zip
