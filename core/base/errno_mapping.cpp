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

}  // namespace

ErrorNumber ErrorNumberForErrno(int err, bool directoryMissing) {
    if (err == ENOENT && directoryMissing) return ErrPathNotFound;
    for (const auto& entry : kErrnoNumbers)
        if (entry.Errno == err) return entry.Number;
    return ErrUnexpected;
}

}  // namespace morvane
