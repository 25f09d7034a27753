#pragma once
// The status line's words: what happened and what to do next, for every
// error number and for the results the user waits to hear about. The
// example box keeps the bare number (report_text.h); these say it in words.
#include <QString>

#include <cstddef>
#include <utility>

#include "base/error_numbers.h"
#include "naming/name_plan.h"

// What the window knows beside the number.
struct StatusContext {
    StatusContext(QString folder = {}, morvane::NameRefusal refused = {}, bool undoing = false)
        : Folder(std::move(folder)), Refused(std::move(refused)), Undoing(undoing) {}

    QString Folder;                // the folder the failure is about, when known
    morvane::NameRefusal Refused;  // with ErrBadFileName: the text refused and why
    bool Undoing = false;          // the failure came while giving old names back
};

// A sentence or two for a failure; empty for ErrNone.
QString ErrorWords(morvane::ErrorNumber error, const StatusContext& context = {});

// Why a prefix, suffix, date format or new name cannot be used.
QString RefusalWords(const morvane::NameRefusal& refused);

// Why a date format cannot be used (morvane::DateFormatFault).
QString DateFormatWords(morvane::NameFault fault);

// After a pass that ended: how many files have new names, whether some were
// left, and what the user can do now.
QString RenamedWords(std::size_t renamed, bool filesSkipped);

// After an undo: how many files have their old names again.
QString RestoredWords(std::size_t restored);

// Files handed over (dropped, named on the command line) of which some were
// left out.
QString HandedOverSkippedWords();

// Why a folder cannot be opened, from the errno of opening it.
QString FolderRefusedWords(const QString& folder, int error);
