#pragma once

#include "platform/QtPrinter.h"

namespace platform {

// The printer behind a page preview: the job drawn exactly as on paper, on
// the preview's QPrinter, and the paper's own features (label edges, code
// boxes) outlined in red, which only the screen shows.
class PreviewPrinter : public QtPrinter {
public:
    explicit PreviewPrinter(QPrinter& preview) : QtPrinter(preview) {}

    void drawGuide(const QRect& twips, int cornerRadiusTwips) override;
};

} // namespace platform
