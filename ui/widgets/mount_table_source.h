#pragma once
// Where the chooser reads the mount table from. Reading it is all the volume
// list does: no mounted file system is touched, so a hung mount cannot
// freeze the window.
#include <QByteArray>

class MountTableSource {
public:
    virtual ~MountTableSource() = default;
    // The table's text, in the format of /proc/self/mounts.
    virtual QByteArray MountTable() const = 0;
};

// The running system's table.
const MountTableSource& SystemMountTable();
