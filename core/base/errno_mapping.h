#pragma once
// How a failed system call reaches the user: one error number per errno
// value, kept in one table.
#include "base/error_numbers.h"

namespace morvane {

// The error number for errno value err. ENOENT means the source is missing
// unless directoryMissing says its directory is gone.
ErrorNumber ErrorNumberForErrno(int err, bool directoryMissing);

}  // namespace morvane
