#pragma once

#include "postcard/PostcardJob.h"

// A whole postcard job on printer: begins the document on the settings'
// paper, draws a postcard for every entry and ends it; false when the
// printer failed.
inline bool printPostcards(platform::Printer& printer, const book::CardList& entries,
                           const postcard::PostcardJobSettings& settings) {
    if (!printer.begin(settings.paper))
        return false;
    postcard::drawPostcards(printer, postcard::postcardTexts(entries), settings);
    return printer.endDoc();
}
