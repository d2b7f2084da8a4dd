#pragma once

#include "book/AddressCard.h"

namespace exchange {
class ImportPreview;
}

namespace ui {

// How a window hands over to another. One window is in use at a time: a
// window that opens another closes itself, and the start window is shown
// again (and rebuilds its lists from the book's file) when the other closes.
class Navigator {
public:
    virtual ~Navigator() = default;

    // Loads and shows the start window.
    virtual void showStart() = 0;
    // The card editor; jumpToCard > 0 opens it at that card (from the sheet).
    virtual void openCardEditor(int jumpToCard = 0) = 0;
    // The label print screen with the entries to print (print list or one typed address).
    virtual void openLabelPrint(const book::CardList& entries) = 0;
    // The postcard print screen, likewise.
    virtual void openPostcardPrint(const book::CardList& entries) = 0;
    // The envelope print screen, likewise.
    virtual void openEnvelopePrint(const book::CardList& entries) = 0;
    // The address list sheet; fromMenu gives the wider code column.
    virtual void openSheet(bool fromMenu) = 0;
    virtual void openOrder() = 0;
    virtual void openSingle() = 0;
    virtual void openAbout() = 0;
    // The import preview, modal over the window in use; the user may change
    // the preview's columns. True when the user chose OK.
    virtual bool previewImport(exchange::ImportPreview& preview) = 0;
    // Ends the program at once.
    virtual void quit() = 0;
};

} // namespace ui
