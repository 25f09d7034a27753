#include "widgets/mount_table_source.h"

#include <QFile>

namespace {

// The kernel generates this file from its own records; reading it waits on
// no file system.
class ProcMountTable final : public MountTableSource {
public:
    QByteArray MountTable() const override {
        QFile file(QStringLiteral("/proc/self/mounts"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

}  // namespace

const MountTableSource& SystemMountTable() {
    static const ProcMountTable table;
    return table;
}
