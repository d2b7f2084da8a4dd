#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace book {

// The files one save keeps beside its target, all named
// ".<name>~<hash>.tagora-new-XXXXXX" (temporaries) or ".<name>~<hash>.tagora-old"
// (the backup of a hard-linked file). The name is cut so that they fit in
// NAME_MAX, and the hash of the whole name keeps two long names apart.
class SideFiles {
public:
    // The side files of the file called name in the open folder dir.
    SideFiles(int dir, const QByteArray& name);

    QByteArray backupName() const { return m_prefix + "old"; }

    bool isTemporary(const char* entry) const;

    // A new temporary file opened for writing; its name goes to *name.
    int createTemporary(mode_t mode, QByteArray* name) const;

    // Removes the temporaries of an earlier save that was killed; true when
    // that save's backup is still there.
    bool removeStaleTemporaries() const;

    // Writes bytes to a temporary, syncs it and renames it to the backup name.
    bool writeBackup(const QByteArray& bytes, QString* reason) const;

    void removeBackup() const;

private:
    int m_dir;
    QByteArray m_prefix;
};

} // namespace book
