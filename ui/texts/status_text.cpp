#include "texts/status_text.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>

#include "qt_text.h"

namespace {

// The translation context of every sentence here.
struct Status {
    Q_DECLARE_TR_FUNCTIONS(Status)
};

// A refused text as it can be shown: a NUL is drawn as its symbol.
QString ToShown(const morvane::Text& text) {
    QString shown = QString::fromStdU16String(text);
    shown.replace(QChar(u'\0'), QChar(u'\u2400'));
    return shown;
}

QString InFolder(const QString& folder) { return folder.isEmpty() ? Status::tr("this folder") : folder; }

int Count(std::size_t n) { return static_cast<int>(n); }

// Why the file system refused, in words that fit one file or many.
QString CauseWords(morvane::RefusalCause cause, const QString& folder) {
    using C = morvane::RefusalCause;
    switch (cause) {
        case C::ReadOnlyFileSystem: return Status::tr("the file system of %1 is read-only").arg(folder);
        case C::NoPermission: return Status::tr("you may not change the folder %1").arg(folder);
        case C::ImmutableFile: return Status::tr("immutable files cannot be renamed");
        case C::ImmutableFolder: return Status::tr("the folder %1 is marked immutable").arg(folder);
        case C::InUse: return Status::tr("files in use cannot be renamed");
        case C::NameTooLong: return Status::tr("this file system allows only shorter names");
        case C::CharacterRefused: return Status::tr("this file system does not accept a character of the new name");
        case C::None: break;
    }
    return Status::tr("the file system refused the rename");
}

// The first file and how many others.
QString FirstAndOthers(const morvane::FileRefusal& refused) {
    const QString first = ToShown(refused.First);
    const std::size_t others = refused.Count - 1;
    if (others == 0) return first;
    return others == 1 ? Status::tr("%1 and 1 other").arg(first)
                       : Status::tr("%1 and %n others", nullptr, Count(others)).arg(first);
}

// What is wrong with the folder of the journals; empty when nothing was found.
QString FolderFaultWords(const morvane::FolderCheck& check) {
    using F = morvane::FolderFault;
    const QString path = QString::fromStdString(check.Path);
    switch (check.Fault) {
        case F::NoFolder: return Status::tr("No home folder is set to keep it in (HOME).");
        case F::NotAFolder: return Status::tr("%1 is a file, where a folder is needed.").arg(path);
        case F::NotWritable: return Status::tr("You may not write in %1.").arg(path);
        case F::NotReadable: return Status::tr("You may not read %1.").arg(path);
        case F::ReadOnlyFileSystem: return Status::tr("%1 lies on a read-only file system.").arg(path);
        case F::Full: return Status::tr("The disk that holds %1 is full. Free some space, then try again.").arg(path);
        case F::None: break;
    }
    return {};
}

// A failure of the folder of the journals, named, and what is wrong with it.
QString JournalFolderWords(morvane::ErrorNumber error, const StatusContext& context) {
    const QString folder = context.Folder;
    const bool unusable = error == morvane::ErrorNumber::JournalFolderUnusable;
    QString words;
    if (unusable && context.Undoing)
        words = Status::tr("Morvane cannot read the folder %1, where it keeps the renames it can undo.").arg(folder);
    else if (unusable && folder.isEmpty())
        words = Status::tr("Nothing was renamed: Morvane has no folder to keep what it needs to undo a rename.");
    else if (unusable)
        words = Status::tr("Nothing was renamed: Morvane cannot keep what it needs to undo a rename in %1.").arg(folder);
    else
        words = Status::tr("Morvane could not write to %1, where it keeps the renames it can undo.").arg(folder);
    QString why = context.Journal ? FolderFaultWords(*context.Journal) : QString();
    if (why.isEmpty())
        why = !unusable         ? ErrorWords(error)
              : context.Undoing ? Status::tr("Check that it exists and can be read.")
                                : Status::tr("Check that it can be written.");
    return words + ' ' + why;
}

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
    const QString name = ToShown(refused.Name);
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
    if (context.Journal && error != E::None) return JournalFolderWords(error, context);
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
            if (context.Cause != morvane::RefusalCause::None)
                return (context.Undoing ? Status::tr("A file could not get its old name back: %1.")
                                        : Status::tr("A file could not be renamed: %1."))
                    .arg(CauseWords(context.Cause, folder));
            return Status::tr("Morvane may not change the files in %1. Check the folder's permissions.").arg(folder);
        case E::PathNotFound:
            return Status::tr("The folder %1 is gone. Choose the files again with Select.").arg(folder);
        case E::LeftUnderTemporaryName:
            return Status::tr("A file was left under a temporary name. Undo Last Rename gives it its old name back.");
        case E::JournalFolderUnusable:
            // Read for an undo or the history: never taken for "nothing to undo".
            return JournalFolderWords(error, context);
    }
    return Status::tr("Something failed (error %1).").arg(morvane::NumberOf(error));
}

QString NumberAddedWords(std::size_t numberAdded) {
    return numberAdded == 1 ? Status::tr("(1 with a number added)")
                            : Status::tr("(%n with a number added)", nullptr, Count(numberAdded));
}

QString RefusedWords(const std::vector<morvane::FileRefusal>& refused, const QString& folder) {
    QStringList sentences;
    for (const morvane::FileRefusal& group : refused) {
        const QString cause = CauseWords(group.Cause, InFolder(folder)), files = FirstAndOthers(group);
        sentences << (group.Count == 1 ? Status::tr("1 file was skipped: %1 (%2).").arg(cause, files)
                                       : Status::tr("%n files were skipped: %1 (%2).", nullptr, Count(group.Count))
                                             .arg(cause, files));
    }
    return sentences.join(' ');
}

QString RenamedWords(std::size_t renamed, std::size_t numberAdded, const morvane::SkippedFiles& skipped,
                     const QString& folder) {
    QString words = renamed == 0   ? Status::tr("No file was renamed.")
                    : renamed == 1 ? Status::tr("1 file was renamed.")
                                   : Status::tr("%n files were renamed.", nullptr, Count(renamed));
    // Within the sentence, before its full stop.
    if (numberAdded > 0) words.insert(words.endsWith('.') ? words.size() - 1 : words.size(), ' ' + NumberAddedWords(numberAdded));
    if (!skipped.Refused.empty()) words += ' ' + RefusedWords(skipped.Refused, folder);
    if (skipped.Other)
        words += ' ' + Status::tr("Some files were skipped: they could not be renamed, or lie past the 1001st.");
    // Nothing renamed: nothing to accept or undo, whichever closes the review.
    if (renamed > 0) words += ' ' + Status::tr("Accept the new names, or Undo the changes.");
    return words;
}

QString KeptWords(std::size_t kept) {
    return kept == 1 ? Status::tr("The new name of 1 file was kept.")
                     : Status::tr("The new names of %n files were kept.", nullptr, Count(kept));
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
