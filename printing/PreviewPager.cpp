#include "printing/PreviewPager.h"

namespace printing {

namespace {

constexpr int LastPreviewedEntry = 99;

} // namespace

PreviewPager::Step PreviewPager::back() {
    if (CurrentEntry == 0)
        return Step::AtFirst;
    --CurrentEntry;
    return Step::Moved;
}

PreviewPager::Step PreviewPager::forward() {
    if (CurrentEntry == LastPreviewedEntry)
        return Step::Stopped;
    if (CurrentEntry >= EntryCount - 1)
        return Step::AtLast;
    ++CurrentEntry;
    return Step::Moved;
}

QString PreviewPager::position() const {
    return QString::number(CurrentEntry + 1) + u'/' + QString::number(EntryCount);
}

} // namespace printing
