#include "app/StartView.h"

namespace app {

using namespace Qt::StringLiterals;

StartView::StartView()
    : controls({u"cmdNew"_s, u"cmdOpen"_s, u"cmdTexit"_s, u"cmdHlp"_s, u"cmdAt"_s, u"mnuNewfile"_s,
                u"mnuOpen"_s, u"mnuImport"_s, u"mnuExit"_s, u"mnuAt"_s, u"mnuVer"_s, u"mnuUrl"_s},
               {u"lstSet1"_s, u"lstSet2"_s, u"cmdAdd"_s, u"cmdDel"_s, u"cmdClear"_s, u"cmdPrint"_s,
                u"cmdHagaki"_s, u"cmdSave"_s, u"cmdCard"_s, u"cmdView"_s, u"cmdOrder"_s, u"mnuSave"_s,
                u"mnuExport"_s, u"mnuSet"_s, u"mnuSheet"_s, u"mnuOrder"_s}) {}

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
