#include "base/errno_mapping.h"

#include <cerrno>

#include "base/error_numbers.h"

namespace morvane {
namespace {

struct ErrnoNumber {
    int Errno;
    ErrorNumber Number;
};

constexpr ErrnoNumber kErrnoNumbers[] = {
    {EEXIST, ErrTargetExists},
    {ENOTEMPTY, ErrTargetExists},
    {EACCES, ErrCannotAccess},
    {EPERM, ErrCannotAccess},
    {EBUSY, ErrCannotAccess},
    {EROFS, ErrCannotAccess},
    {ETXTBSY, ErrCannotAccess},
    {EISDIR, ErrCannotAccess},
    {EMLINK, ErrCannotAccess},
    {ENOENT, ErrFileNotFound},
    {ENOTDIR, ErrPathNotFound},
    {ENAMETOOLONG, ErrBadFileName},
    {EINVAL, ErrBadFileName},
    {EILSEQ, ErrBadFileName},
    {ELOOP, ErrBadFileName},
    {ENOSPC, ErrDiskFull},
    {EDQUOT, ErrDiskFull},
    {EIO, ErrIoError},
    {EXDEV, ErrOtherDevice},
    {ENOMEM, ErrOutOfMemory},
    {EMFILE, ErrTooManyFiles},
    {ENFILE, ErrTooManyFiles},
};

struct ErrnoCause {
    int Errno;
    RefusalCause Cause;
};

constexpr ErrnoCause kErrnoCauses[] = {
    {EROFS, RefusalCause::ReadOnlyFileSystem},
    {EACCES, RefusalCause::NoPermission},
    {EPERM, RefusalCause::NoPermission},
    {EBUSY, RefusalCause::InUse},
    {ETXTBSY, RefusalCause::InUse},
    {ENAMETOOLONG, RefusalCause::NameTooLong},
    // FAT, exFAT and NTFS refuse characters such as ":" or "?" so.
    {EINVAL, RefusalCause::CharacterRefused},
    {EILSEQ, RefusalCause::CharacterRefused},
};

}  // namespace

ErrorNumber ErrorNumberForErrno(int err, bool directoryMissing) {
    if (err == ENOENT && directoryMissing) return ErrPathNotFound;
    for (const auto& entry : kErrnoNumbers)
        if (entry.Errno == err) return entry.Number;
    return ErrUnexpected;
}

RefusalCause RefusalCauseForErrno(int err) {
    for (const auto& entry : kErrnoCauses)
        if (entry.Errno == err) return entry.Cause;
    return RefusalCause::None;
}

}  // namespace morvane
