#pragma once
// The status line's words: what happened and what to do next, for every
// error number and for the results the user waits to hear about. The
// example box keeps the bare number (report_text.h); these say it in words.
#include <QString>

#include <cstddef>
#include <utility>

#include <optional>

#include "base/error_numbers.h"
#include "journal/journal_store.h"
#include "naming/name_plan.h"
#include "pass/rename_pass.h"

// What the window knows beside the number.
struct StatusContext {
    StatusContext(QString folder = {}, morvane::NameRefusal refused = {}, bool undoing = false,
                  morvane::RefusalCause cause = morvane::RefusalCause::None)
        : Folder(std::move(folder)), Refused(std::move(refused)), Undoing(undoing), Cause(cause) {}

    QString Folder;                // the folder the failure is about, when known
    morvane::NameRefusal Refused;  // with ErrBadFileName: the text refused and why
    bool Undoing = false;          // the failure came while giving old names back
    morvane::RefusalCause Cause;   // with ErrCannotAccess: what the file system refused
    // The failure is the folder of the journals' (Folder names it): what is
    // wrong with it, as looked at.
    std::optional<morvane::FolderCheck> Journal;
};

// A sentence or two for a failure; empty for ErrNone.
QString ErrorWords(morvane::ErrorNumber error, const StatusContext& context = {});

// Why a prefix, suffix, date format or new name cannot be used.
QString RefusalWords(const morvane::NameRefusal& refused);

// Why a date format cannot be used (morvane::DateFormatFault).
QString DateFormatWords(morvane::NameFault fault);

// After a pass that ended in folder: how many files have new names (of
// them, how many with a number added), which were left and why, and what
// the user can do now.
QString RenamedWords(std::size_t renamed, std::size_t numberAdded, const morvane::SkippedFiles& skipped,
                     const QString& folder);

// Of the files renamed, those that got a number added: the same words in
// the preview and after the pass.
QString NumberAddedWords(std::size_t numberAdded);

// The files the file system refused, one sentence per cause, naming the
// first file and counting the others.
QString RefusedWords(const std::vector<morvane::FileRefusal>& refused, const QString& folder);

// After Accept: how many files keep their new names.
QString KeptWords(std::size_t kept);

// After an undo: how many files have their old names again.
QString RestoredWords(std::size_t restored);

// Files handed over (dropped, named on the command line) of which some were
// left out.
QString HandedOverSkippedWords();

// Why a folder cannot be opened, from the errno of opening it.
QString FolderRefusedWords(const QString& folder, int error);
