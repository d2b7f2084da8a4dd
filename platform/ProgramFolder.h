#pragma once

#include <QString>

namespace platform {

// The per-user folder that holds "Tagora.ini", "Tagora.opt", "Tagora1.opt"
// and "Tagora.dat", and where the open dialog starts. Chosen once at start:
// --home DIR, else $TAGORA_HOME, else $XDG_DATA_HOME/tagora (by default
// ~/.local/share/tagora). An install folder is read-only, so it is never used.
class ProgramFolder {
public:
    // Uses homeOption when not empty, else the environment as above.
    static void choose(const QString& homeOption);
    // Absolute path of the folder (without a trailing slash).
    static QString path();
    // Creates the folder when it is missing; false when that failed.
    static bool ensureExists();
    // Path of a file in the folder. An existing file whose name differs only
    // in case ("Tagora.Ini") is that file; otherwise the name as given.
    static QString file(const QString& name);
};

} // namespace platform
