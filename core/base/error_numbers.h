#pragma once
// Every failure the user is told about carries one of these numbers; the
// window shows it as "Error # " followed by the number. They are a type of
// their own so that an errno value can never pass for one: errno_mapping.h
// is the one place where the two meet. Only ErrTargetExists and
// ErrCannotAccess are acted on by the rename pass; the rest end it.

namespace morvane {

enum class ErrorNumber : int {
    None = 0,
    InvalidPosition = 5,          // a character position below 1 was asked for
    OutOfMemory = 7,              // the system ran out of memory or handles
    NotANumber = 13,              // an option text does not read as a number
    Unexpected = 51,              // a failure the program does not know
    BadFileName = 52,             // a name that is not one plain file name, or too long
    FileNotFound = 53,            // the file to rename does not exist
    IoError = 57,                 // the device reported an input/output error
    TargetExists = 58,            // a file with the target name exists already
    DiskFull = 61,                // no space left on the device
    TooManyFiles = 67,            // too many files open
    OtherDevice = 74,             // source and target lie on different devices
    CannotAccess = 75,            // in use, write-protected or access denied
    PathNotFound = 76,            // the directory does not exist
    // A change of case failed and so did the move back: the file sits under
    // the temporary name that FileRenamer::LastTemporaryName() gives.
    LeftUnderTemporaryName = 79,
    // No folder for the journals (no home directory, or it cannot be made):
    // a pass that could not be undone does not start.
    JournalFolderUnusable = 80,
};

// Which refusal of the file system left a file under its name, so that the
// user hears the cause itself (mapped from errno in errno_mapping.h).
enum class RefusalCause : unsigned char {
    None,                // none, or one the program cannot name
    ReadOnlyFileSystem,  // the folder lies on a read-only file system
    NoPermission,        // the user may not change the folder
    ImmutableFile,       // the file is marked immutable (or append-only)
    ImmutableFolder,     // its folder is
    InUse,               // the file is busy: a mount point, a running program
    NameTooLong,         // the new name is longer than this file system allows
    CharacterRefused,    // this file system does not accept a character of the new name
};

// The number the user sees.
constexpr int NumberOf(ErrorNumber error) { return static_cast<int>(error); }

inline constexpr ErrorNumber ErrNone = ErrorNumber::None;
inline constexpr ErrorNumber ErrInvalidPosition = ErrorNumber::InvalidPosition;
inline constexpr ErrorNumber ErrNotANumber = ErrorNumber::NotANumber;
inline constexpr ErrorNumber ErrBadFileName = ErrorNumber::BadFileName;
inline constexpr ErrorNumber ErrFileNotFound = ErrorNumber::FileNotFound;
inline constexpr ErrorNumber ErrIoError = ErrorNumber::IoError;
inline constexpr ErrorNumber ErrTargetExists = ErrorNumber::TargetExists;
inline constexpr ErrorNumber ErrDiskFull = ErrorNumber::DiskFull;
inline constexpr ErrorNumber ErrCannotAccess = ErrorNumber::CannotAccess;
inline constexpr ErrorNumber ErrPathNotFound = ErrorNumber::PathNotFound;
inline constexpr ErrorNumber ErrLeftUnderTemporaryName = ErrorNumber::LeftUnderTemporaryName;
inline constexpr ErrorNumber ErrOutOfMemory = ErrorNumber::OutOfMemory;
inline constexpr ErrorNumber ErrUnexpected = ErrorNumber::Unexpected;
inline constexpr ErrorNumber ErrTooManyFiles = ErrorNumber::TooManyFiles;
inline constexpr ErrorNumber ErrOtherDevice = ErrorNumber::OtherDevice;

}  // namespace morvane
