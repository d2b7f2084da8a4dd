#include "app/StartView.h"

namespace app {

using namespace Qt::StringLiterals;

void StartView::clearLists() {
    addressList.clear();
    printList.clear();
    nameSelection.clear();
    nameCurrent = -1;
    printSelection.clear();
    printCurrent = -1;
    // The count follows the print list, which is now empty.
    countPrintList();
}

void StartView::countPrintList() {
    lblCount = QString::number(printList.rows());
}

} // namespace app
