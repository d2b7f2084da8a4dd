#pragma once

#include "book/WriteError.h"
#include "printing/OffsetsFile.h"

#include <QList>
#include <QString>

namespace printing {

// Printers feed each sheet a little off, each its own way: the trims a user
// set for one printer queue and one medium (a label sheet's name, a postcard
// or envelope size), kept beside the medium's offsets file.
struct PrinterTrims {
    QString printer; // the queue's name
    QString medium;  // "Hisago ELM012", "postcard"
    MarkerPosition position;
};

// Kept in the program folder, one record a line of four quoted fields
// (queue, medium, X and Y marker positions), code page 932 with CR LF.
inline constexpr char16_t PrinterTrimsFileName[] = u"Tagora-trims.opt";

QString printerTrimsPath();

// Every record of the file; a missing or unreadable file holds none, and a
// line of fewer than four fields is passed over.
QList<PrinterTrims> readPrinterTrims(const QString& path);

// Puts the record into the file in the place of the one for the same queue
// and medium (else at the end), keeping the others; whole or not at all.
book::WriteResult writePrinterTrims(const QString& path, const PrinterTrims& record);

// The marker position a job on printer for medium uses: its own record when
// there is one, else the medium's offsets file (offsetsPath), as before
// trims were kept per printer.
MarkerPosition markerFor(const QString& trimsPath, const QString& offsetsPath,
                         const QString& printer, const QString& medium);

// The trims file beside an offsets file.
QString printerTrimsPathBeside(const QString& offsetsPath);

// The trims of a job on printer for medium, from the trims file beside the
// medium's offsets file, else from the offsets file.
Trims jobTrims(const QString& offsetsPath, const QString& printer, const QString& medium);

} // namespace printing
