#pragma once
// Every failure of a handler carries one of these numbers; the user sees it as
// "Error # " followed by the number. Only ErrTargetExists and ErrCannotAccess
// are acted on by the rename pass; the rest end it.

namespace morvane {

inline constexpr int ErrNone = 0;
inline constexpr int ErrInvalidPosition = 5;    // a character position below 1 was asked for
inline constexpr int ErrNotANumber = 13;        // an option text does not read as a number
inline constexpr int ErrBadFileName = 52;       // a name that is not one plain file name, or too long
inline constexpr int ErrFileNotFound = 53;      // the file to rename does not exist
inline constexpr int ErrIoError = 57;           // the device reported an input/output error
inline constexpr int ErrTargetExists = 58;      // a file with the target name exists already
inline constexpr int ErrDiskFull = 61;          // no space left on the device
inline constexpr int ErrCannotAccess = 75;      // in use, write-protected or access denied
inline constexpr int ErrPathNotFound = 76;      // the directory does not exist
// A change of case failed and so did the move back: the file sits under the
// temporary name that FileRenamer::LastTemporaryName() gives.
inline constexpr int ErrLeftUnderTemporaryName = 79;

}  // namespace morvane
