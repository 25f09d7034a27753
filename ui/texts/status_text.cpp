#include "texts/status_text.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

// The translation context of every sentence here.
struct Status {
    Q_DECLARE_TR_FUNCTIONS(Status)
};

// A refused text as it can be shown: a NUL is drawn as its symbol.
QString Shown(const morvane::Text& text) {
    QString shown = QString::fromStdU16String(text);
    shown.replace(QChar(u'\0'), QChar(u'\u2400'));
    return shown;
}

QString InFolder(const QString& folder) { return folder.isEmpty() ? Status::tr("this folder") : folder; }

}  // namespace

QString DateFormatWords(morvane::NameFault fault) {
    switch (fault) {
        case morvane::NameFault::Empty: return Status::tr("The date format is empty. Type one, such as yyyy-MM-dd_.");
        case morvane::NameFault::Slash:
            return Status::tr("The date format holds \"/\", which no file name may contain.");
        default: return Status::tr("The date format holds a NUL character, which no file name may contain.");
    }
}

QString RefusalWords(const morvane::NameRefusal& refused) {
    using morvane::NameFault;
    using morvane::NamePart;
    const QString name = Shown(refused.Name);
    const QString change = Status::tr("Change it with Options > Set Options.");
    if (refused.Part == NamePart::DateFormat) return DateFormatWords(refused.Fault) + ' ' + change;
    if (refused.Part == NamePart::Prefix || refused.Part == NamePart::Suffix) {
        const bool prefix = refused.Part == NamePart::Prefix;
        if (refused.Fault == NameFault::Slash)
            return (prefix ? Status::tr("The prefix holds \"/\", which no file name may contain.")
                           : Status::tr("The suffix holds \"/\", which no file name may contain.")) +
                   ' ' + change;
        return (prefix ? Status::tr("The prefix holds a NUL character, which no file name may contain.")
                       : Status::tr("The suffix holds a NUL character, which no file name may contain.")) +
               ' ' + change;
    }
    switch (refused.Fault) {
        case NameFault::Empty:
            return Status::tr("A new name would be empty. Set a prefix or a suffix, or choose another mask.");
        case NameFault::DotName:
            return Status::tr("A new name would be \"%1\", which names a folder, not a file. Choose another mask.")
                .arg(name);
        case NameFault::Slash:
            return Status::tr("The new name \"%1\" holds \"/\", which no file name may contain.").arg(name);
        case NameFault::Nul:
            return Status::tr("The new name \"%1\" holds a NUL character, which no file name may contain.").arg(name);
        case NameFault::NotUtf8:
            return Status::tr("The new name \"%1\" holds a character that no file name can store.").arg(name);
        case NameFault::TooLong:
            return Status::tr("The new name \"%1\" is longer than the 255 bytes a file name may have. "
                              "Use a shorter prefix or suffix.")
                .arg(name);
        case NameFault::None: break;
    }
    return Status::tr("A new name is not one that a file may have. Use a shorter prefix or suffix, or another mask.");
}

QString ErrorWords(morvane::ErrorNumber error, const StatusContext& context) {
    using E = morvane::ErrorNumber;
    const QString folder = InFolder(context.Folder);
    switch (error) {
        case E::None: return {};
        case E::InvalidPosition:
            return Status::tr("The mask is not where the example name has it. Highlight it again and press Set Mask.");
        case E::OutOfMemory: return Status::tr("The system ran out of memory. Close other programs, then try again.");
        case E::NotANumber:
            return Status::tr("The starting number is not a number. Change it with Options > Set Options.");
        case E::Unexpected:
            return Status::tr(
                "The system refused for a reason Morvane does not know. Check the folder, then try again.");
        case E::BadFileName:
            if (context.Refused.Part != morvane::NamePart::None) return RefusalWords(context.Refused);
            return Status::tr(
                "A new name is not one that a file may have. Use a shorter prefix or suffix, or another mask.");
        case E::FileNotFound:
            if (context.Undoing)
                return Status::tr("A renamed file is no longer in %1, so it cannot get its old name back.").arg(folder);
            return Status::tr("A file to rename is no longer in %1. Choose the files again with Select.").arg(folder);
        case E::IoError: return Status::tr("The disk reported an input/output error. Check the disk, then try again.");
        case E::TargetExists:
            return Status::tr("No free numbered name was found for a file. Move some files away, then try again.");
        case E::DiskFull: return Status::tr("The disk is full. Free some space, then try again.");
        case E::TooManyFiles: return Status::tr("Too many files are open. Close other programs, then try again.");
        case E::OtherDevice: return Status::tr("A file would have to move to another disk, which a rename cannot do.");
        case E::CannotAccess:
            return Status::tr("Morvane may not change the files in %1. Check the folder's permissions.").arg(folder);
        case E::PathNotFound:
            return Status::tr("The folder %1 is gone. Choose the files again with Select.").arg(folder);
        case E::LeftUnderTemporaryName:
            return Status::tr("A file was left under a temporary name. Undo Last Rename gives it its old name back.");
        case E::JournalFolderUnusable:
            // Read for an undo or the history: never taken for "nothing to undo".
            if (context.Undoing)
                return Status::tr("Morvane cannot read the folder %1, where it keeps the renames it can undo. Check "
                                  "that it exists and can be read.")
                    .arg(folder);
            return Status::tr("Morvane cannot use the folder where it keeps what it needs to undo a rename, so nothing "
                              "was renamed. Check that your home folder can be written.");
    }
    return Status::tr("Something failed (error %1).").arg(morvane::NumberOf(error));
}

QString RenamedWords(std::size_t renamed, bool filesSkipped) {
    const int n = static_cast<int>(renamed);
    QString words = n == 1 ? Status::tr("1 file was renamed.") : Status::tr("%n files were renamed.", nullptr, n);
    if (filesSkipped)
        words += ' ' + Status::tr("Some files were skipped: they could not be renamed, or lie past the 1001st.");
    return words + ' ' + Status::tr("Accept the new names, or Undo the changes.");
}

QString RestoredWords(std::size_t restored) {
    const int n = static_cast<int>(restored);
    return n == 1 ? Status::tr("1 file has its old name again.")
                  : Status::tr("%n files have their old names again.", nullptr, n);
}

QString HandedOverSkippedWords() {
    return Status::tr("Some of the files handed over were left out: only files that the chooser shows, all in one "
                      "folder, are taken.");
}

QString FolderRefusedWords(const QString& folder, int error) {
    switch (error) {
        case EACCES:
        case EPERM: return Status::tr("The folder %1 cannot be opened: you may not read it.").arg(folder);
        case ENOENT: return Status::tr("The folder %1 cannot be opened: it is gone.").arg(folder);
        case ENOTDIR: return Status::tr("The folder %1 cannot be opened: it is not a folder.").arg(folder);
        default: break;
    }
    return Status::tr("The folder %1 cannot be opened: %2").arg(folder, qt_error_string(error));
}
