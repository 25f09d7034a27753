#pragma once
// How a failed system call of the rename layer reaches the user: one error
// number per errno value, kept in one table.

namespace morvane {

// Numbers used only for failures that the other numbers do not describe.
inline constexpr int ErrOutOfMemory = 7;      // the system ran out of memory or handles
inline constexpr int ErrUnexpected = 51;      // a failure the program does not know
inline constexpr int ErrTooManyFiles = 67;    // too many files open
inline constexpr int ErrOtherDevice = 74;     // source and target lie on different devices

// The error number for errno value err. ENOENT means the source is missing
// unless directoryMissing says its directory is gone.
int ErrorNumberForErrno(int err, bool directoryMissing);

}  // namespace morvane
