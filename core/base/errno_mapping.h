#pragma once
// How a failed system call reaches the user: one error number per errno
// value, kept in one table.
#include "base/error_numbers.h"

namespace morvane {

// The error number for errno value err. ENOENT means the source is missing
// unless directoryMissing says its directory is gone.
ErrorNumber ErrorNumberForErrno(int err, bool directoryMissing);

// What a refused rename's errno says about the cause. EPERM and EACCES read
// as no permission: an immutable file or folder is told apart by the caller,
// which can look at the attribute.
RefusalCause RefusalCauseForErrno(int err);

}  // namespace morvane
