#pragma once
// The clash retry as it was first written, kept as the reference the
// remembered retry must agree with: every file tries base-1, base-2, ...
// afresh, each file's pass (and undo) with a search of its own. For
// journals without notes of names left behind.
#include "pass/rename_pass.h"

// The pass, one entry at a time, until a failure ends it.
inline morvane::PassResult OneByOnePass(const morvane::NamePlan& plan, const morvane::Text& dir,
                                        morvane::FileRenamer& renamer) {
    using namespace morvane;
    PassResult result;
    result.Journal.Directory = dir;
    for (const PlannedName& planned : plan.Entries)
        result.Journal.Entries.push_back({planned.Listed, planned.Listed, planned.Extension, EntryState::NotRenamed, {}, {}});
    for (std::size_t i = 0; i < plan.Entries.size() && result.Error == ErrNone; ++i) {
        NamePlan one;
        one.Entries = {plan.Entries[i]};
        PassResult step = ApplyRenames(one, dir, renamer);
        result.Journal.Entries[i] = step.Journal.Entries[0];
        result.Journal.DirectoryIdentity = step.Journal.DirectoryIdentity;
        result.FilesSkipped = result.FilesSkipped || step.FilesSkipped;
        result.Error = step.Error;
    }
    return result;
}

// The undo, last entry first, one entry at a time; the first failure is returned.
inline morvane::ErrorNumber OneByOneUndo(morvane::RenameJournal& journal, morvane::FileRenamer& renamer) {
    using namespace morvane;
    ErrorNumber first = ErrNone;
    for (std::size_t i = journal.Entries.size(); i-- > 0;) {
        if (!Unsettled(journal.Entries[i])) continue;
        RenameJournal one{journal.Directory, {journal.Entries[i]}, journal.DirectoryIdentity, {}};
        const ErrorNumber err = UndoLastPass(one, renamer).FirstError;
        journal.Entries[i] = one.Entries[0];
        if (first == ErrNone) first = err;
    }
    return first;
}
