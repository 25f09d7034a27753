// The session's two owners on real directories: every operation of the
// workflow in every state, with the state it leads to, the files on disk and
// what the history holds; then the history's roads that once lost an undo.
#include <signal.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <thread>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "journal/stored_pass.h"
#include "../named_rows.h"
#include "run_undo.h"
#include "session/pass_history.h"
#include "session/rename_session.h"
#include "session/undo_job.h"
#include "temp_dir.h"

using namespace morvane;
using enum SessionState;
using Statuses = std::vector<PassStatus>;

namespace {

const Files Original{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}};
const Files Renamed{{"P0001.txt", "a.txt"}, {"P0002.txt", "b.txt"}, {"c.txt", "c.txt"}};

struct SessionTest : testing::Test {
    TempDir dir, state;
    std::unique_ptr<JournalStore> store;
    FaultInjectingRenamer renamer;
    std::unique_ptr<RenameSession> session;
    std::unique_ptr<PassHistory> history;

    SessionTest() { Fresh(); }
    // Every undo borrows the test's renamer, so that its faults reach the undo too.
    RenamerMaker Borrowing() { return [this] { return std::make_unique<CountingRenamer>(renamer); }; }
    // New owners on the same store (or on calls of the test's), as after a restart of the program.
    void Restart(std::optional<StoreCalls> calls = {}) {
        session.reset(), history.reset();
        store = std::make_unique<JournalStore>(state.At("journals"), calls.value_or(SystemStoreCalls()));
        session = std::make_unique<RenameSession>(renamer, store.get(), Borrowing());
        history = std::make_unique<PassHistory>(store.get(), Borrowing());
    }
    void Fresh(std::optional<StoreCalls> calls = {}) {
        session.reset(), history.reset();
        for (TempDir* d : {&dir, &state}) std::filesystem::remove_all(d->path), std::filesystem::create_directory(d->path);
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, name);
        renamer.Fault = nullptr;
        Restart(calls);
    }
    void Analyse(std::vector<Text> names = {u"a.txt", u"b.txt"}) { ::Analyse(*session, dir.path, std::move(names)); }
    void Pass(std::vector<Text> names = {u"a.txt", u"b.txt"}, const Text& prefix = u"P") {
        AcceptedPass(*session, dir.path, std::move(names), prefix);
    }
    void Reach(SessionState wanted) {
        if (wanted == Chosen) { ASSERT_EQ(session->Choose(T(dir.path), {u"a.txt", u"b.txt"}).State, Chosen); }
        if (wanted == Extracted || wanted == Reviewing) Analyse();
        if (wanted == Reviewing) { ASSERT_EQ(session->Rename().State, Reviewing); }
    }
    Statuses History() const {
        Statuses statuses;
        for (const PassSummary& pass : history->Passes().Passes) statuses.push_back(pass.Status);
        return statuses;
    }
    std::size_t NextFiles() const { return history->NextToUndo().Pass ? history->NextToUndo().Pass->Files : 0; }
};

using Operation = std::function<SessionResult(SessionTest&)>;

struct StateRow { const char* name; SessionState from; Operation op; SessionState to; bool refused; const Files& disk; Statuses history; };
void PrintTo(const StateRow& row, std::ostream* out) { *out << row.name; }

const Operation choose = [](SessionTest& t) { return t.session->Choose(T(t.dir.path), {u"c.txt"}); };
const Operation example = [](SessionTest& t) { return t.session->SetExample(u"b.txt"); };
const Operation mask = [](SessionTest& t) { return t.session->SetMask(u"x"); };
const Operation extract = [](SessionTest& t) -> SessionResult { return t.session->Extract(u'.'); };
const Operation preview = [](SessionTest& t) -> SessionResult { return {t.session->State(), false, t.session->Preview().Error}; };
const Operation rename = [](SessionTest& t) -> SessionResult { return t.session->Rename(); };
const Operation accept = [](SessionTest& t) { return t.session->Accept(); };
const Operation undo = [](SessionTest& t) -> SessionResult {
    const ReviewUndo undone = UndoReview(*t.session);
    return {undone.State, undone.Refused, undone.Error};
};
// The history's undo, which never takes the pass under review: its journal is the review's.
const Operation undoLast = [](SessionTest& t) -> SessionResult {
    const SessionUndo undone = UndoLast(*t.history);
    return {t.session->State(), undone.Refused, undone.Error};
};
Operation Reorder(std::vector<Text> names) { return [names](SessionTest& t) { return t.session->Reorder(names); }; }
Operation Move(std::size_t from, std::size_t to) { return [=](SessionTest& t) { return t.session->MoveListed(from, to); }; }
const Operation reorder = Reorder({u"b.txt", u"a.txt"});
Operation Dates(DateChoice choice, std::size_t count) {
    return [=](SessionTest& t) {
        return t.session->SetDates(choice, {u"a.txt", u"b.txt"}, std::vector<std::optional<FileDate>>(count));
    };
}
const PassStatus reviewed = PassStatus::UnderReview, accepted = PassStatus::Accepted;

const StateRow kStateRows[] = {
    {"empty: preview", Empty, preview, Empty, false, Original, {}},
    {"empty: rename reviews a pass over nothing", Empty, rename, Reviewing, false, Original, {}},
    {"empty: undo last with nothing in the history", Empty, undoLast, Empty, true, Original, {}},
    {"empty: reorder", Empty, reorder, Empty, true, Original, {}},
    {"chosen: extract", Chosen, extract, Extracted, false, Original, {}},
    {"chosen: rename needs an extract first", Chosen, rename, Chosen, true, Original, {}},
    {"extracted: choose", Extracted, choose, Chosen, false, Original, {}},
    {"extracted: mask", Extracted, mask, Extracted, false, Original, {}},
    {"extracted: preview", Extracted, preview, Extracted, false, Original, {}},
    {"extracted: rename", Extracted, rename, Reviewing, false, Renamed, {reviewed}},
    {"extracted: accept", Extracted, accept, Extracted, true, Original, {}},
    {"extracted: undo", Extracted, undo, Extracted, true, Original, {}},
    {"extracted: reorder keeps the analysis", Extracted, reorder, Extracted, false, Original, {}},
    {"extracted: move keeps the analysis", Extracted, Move(1, 0), Extracted, false, Original, {}},
    {"extracted: reorder with a name not listed", Extracted, Reorder({u"a.txt", u"c.txt"}), Extracted, true, Original, {}},
    {"extracted: reorder with a name missing", Extracted, Reorder({u"a.txt"}), Extracted, true, Original, {}},
    {"extracted: move past the end", Extracted, Move(0, 2), Extracted, true, Original, {}},
    {"extracted: dates one per name", Extracted, Dates(DateChoice::Taken, 2), Extracted, false, Original, {}},
    {"extracted: dates one short", Extracted, Dates(DateChoice::Taken, 1), Extracted, true, Original, {}},
    {"extracted: no dates for no date", Extracted, Dates(DateChoice::None, 0), Extracted, false, Original, {}},
    {"reviewing: choose is never mixed with the pass", Reviewing, choose, Reviewing, true, Renamed, {reviewed}},
    {"reviewing: example", Reviewing, example, Reviewing, false, Renamed, {reviewed}},
    {"reviewing: extract", Reviewing, extract, Reviewing, false, Renamed, {reviewed}},
    {"reviewing: preview", Reviewing, preview, Reviewing, false, Renamed, {reviewed}},
    {"reviewing: rename of nothing keeps the pass", Reviewing, rename, Reviewing, false, Renamed, {reviewed}},
    {"reviewing: accept", Reviewing, accept, Empty, false, Renamed, {accepted}},
    {"reviewing: undo removes the journal", Reviewing, undo, Empty, false, Original, {}},
    {"reviewing: undo last leaves the pass under review", Reviewing, undoLast, Reviewing, true, Renamed, {reviewed}},
    {"reviewing: reorder", Reviewing, reorder, Reviewing, true, Renamed, {reviewed}},
    {"reviewing: move", Reviewing, Move(1, 0), Reviewing, true, Renamed, {reviewed}},
};

struct EveryOperation : SessionTest, testing::WithParamInterface<StateRow> {};

}  // namespace

// A refused operation changes nothing; the list order decides the numbers
// (tests/ui/test_list_order.cpp), never the example.
TEST_P(EveryOperation, InEveryState) {
    const StateRow& row = GetParam();
    Reach(row.from);
    ASSERT_EQ(session->State(), row.from);
    const auto before = std::tuple(session->Listed(), session->NameOrder(), session->Example(), session->Mask());
    const SessionResult result = row.op(*this);
    EXPECT_EQ(std::tuple(result.State, session->State(), result.Refused, NumberOf(result.Error)), std::tuple(row.to, row.to, row.refused, 0));
    if (row.refused) { EXPECT_EQ(std::tuple(session->Listed(), session->NameOrder(), session->Example(), session->Mask()), before); }
    EXPECT_EQ(std::pair(dir.List(), History()), std::pair(row.disk, row.history));
}

NAMED_ROWS(Workflow, EveryOperation, kStateRows);

// The identities taken beside the window: before the covered files' are in,
// a pass is refused (51) and touches nothing; a new choice cancels the job
// of the one before, which then takes nothing, and the pass renames exactly
// the files of the new choice.
TEST_F(SessionTest, IdentitiesTakenApartAreWaitedForAndANewChoiceCancelsTheOldJob) {
    Fresh();
    ASSERT_EQ(session->SetOptions({u"P", u"", u"1"}).Error, 0);
    ASSERT_EQ(session->Choose(T(dir.path), {u"a.txt", u"b.txt"}, IdentitiesTaken::Apart).State, Chosen);
    const std::shared_ptr<IdentityTaking> old = session->Taking();
    ASSERT_NE(old, nullptr);
    EXPECT_FALSE(session->CoveredTaken());
    ASSERT_EQ(session->Extract(u'.').State, Extracted);
    const RenameOutcome early = session->Rename();
    EXPECT_EQ(std::tuple(NumberOf(early.Error), early.State, early.Renamed, dir.List(), History()),
              std::tuple(51, Extracted, 0u, Original, Statuses{}));

    ASSERT_EQ(session->Choose(T(dir.path), {u"b.txt", u"c.txt"}, IdentitiesTaken::Apart).State, Chosen);
    std::thread late([old] { old->Run(); });  // a worker that starts only now
    late.join();
    EXPECT_EQ(std::tuple(old->Cancelled(), old->Taken()), std::tuple(true, 0u));
    const std::shared_ptr<IdentityTaking> current = session->Taking();
    ASSERT_NE(current, old);
    current->Prefer(session->Covered());
    std::thread taker([current] { current->Run(); });
    taker.join();
    EXPECT_TRUE(session->CoveredTaken());
    ASSERT_EQ(session->Extract(u'.').State, Extracted);
    EXPECT_EQ(session->Rename().State, Reviewing);
    EXPECT_EQ(dir.List(), (Files{{"a.txt", "a.txt"}, {"P0001.txt", "b.txt"}, {"P0002.txt", "c.txt"}}));
}

// No home at all; a folder that cannot be made is the workflow window test's.
TEST_F(SessionTest, NoJournalFolderMeansNoPass) {
    session = std::make_unique<RenameSession>(renamer, nullptr);
    Analyse();
    const RenameOutcome pass = session->Rename();
    EXPECT_EQ(std::tuple(pass.Error, pass.State, dir.List(), renamer.From.size()),
              std::tuple(ErrorNumber::JournalFolderUnusable, Extracted, Original, 0u));
}

// Never taken for "nothing to undo": the history says it cannot be read.
TEST_F(SessionTest, AFolderOfJournalsThatCannotBeReadIsSaid) {
    Pass();
    const std::string journals = state.At("journals");
    std::filesystem::rename(journals, journals + "-away");
    state.Write("journals", "not a folder");
    const NextUndo next = history->NextToUndo();
    EXPECT_EQ(std::tuple(next.Error, history->Passes().Error, history->FindUnfinished().Error, bool(next.Pass), bool(history->HandOutUndoLast())),
              std::tuple(80, 80, 80, false, false));
    std::filesystem::remove(journals);
    std::filesystem::rename(journals + "-away", journals);
    EXPECT_EQ(NextFiles(), 2u) << "readable again";
}

TEST_F(SessionTest, APassThatFailedPartWayStaysUndoableThroughASecondRename) {
    renamer.Fault = [](const Text& from) { return from == u"b.txt" ? ErrIoError : ErrNone; };
    Analyse();
    const RenameOutcome failed = session->Rename();
    EXPECT_EQ(std::tuple(NumberOf(failed.Error), failed.Renamed, failed.State, session->Listed().size()), std::tuple(57, 1u, Extracted, 2u));
    renamer.Fault = nullptr;
    // Over the stale list: a.txt, renamed by the failed pass, is gone under
    // that name, which ends the new pass before it renames anything.
    const RenameOutcome again = session->Rename();
    EXPECT_EQ(std::tuple(NumberOf(again.Error), again.Renamed, session->Listed().size(), History()),
              std::tuple(53, 0u, 2u, Statuses{PassStatus::Accepted}));
    const auto next = history->NextToUndo().Pass;
    ASSERT_TRUE(next);
    EXPECT_EQ(std::pair(next->Directory, next->Files), std::pair(T(dir.path), std::size_t{1}));
    EXPECT_EQ(UndoLast(*history, next->FileName).Error, 0);
    EXPECT_EQ(std::pair(dir.List(), History()), std::pair(Original, Statuses{}));
}

TEST_F(SessionTest, RenamingNothingNeverTurnsAnAcceptedPassBack) {
    Pass();
    // A second "Rename" on the emptied list reviews an empty pass: its Undo restores nothing.
    EXPECT_EQ(session->Rename().State, Reviewing);
    const ReviewUndo undo = UndoReview(*session);
    EXPECT_EQ(std::tuple(undo.State, undo.Restored, dir.List(), History()),
              std::tuple(Empty, std::size_t{0}, Renamed, Statuses{PassStatus::Accepted}));
}

namespace {

enum class Then { Undo, AcceptDiskStillFull, AcceptWithRoom };
struct EndRow { const char* name; Then then; PassStatus status; };
void PrintTo(const EndRow& row, std::ostream* out) { *out << row.name; }
const EndRow kEndRows[] = {
    {"the review's Undo undoes this pass, never the one before", Then::Undo, PassStatus::Accepted},
    {"accepted while the disk is still full: the newest pass, unfinished", Then::AcceptDiskStillFull, PassStatus::Unfinished},
    {"accepted once there is room: its end is stored then", Then::AcceptWithRoom, PassStatus::Accepted},
};
struct EndNotStored : SessionTest, testing::WithParamInterface<EndRow> {};

}  // namespace

TEST_P(EndNotStored, StaysUnderReviewAndThenIsTheNewestPass) {
    const EndRow& row = GetParam();
    // Appending to the journal fails as on a full disk.
    bool full = false;
    StoreCalls calls = SystemStoreCalls();
    calls.Write = [&full, write = calls.Write](int fd, std::string_view bytes) { return full ? ENOSPC : write(fd, bytes); };
    Fresh(calls);
    Pass({u"c.txt"}, u"Q");  // an accepted pass before: c.txt became Q0001.txt
    renamer.Fault = [&](const Text&) { return full = true, ErrNone; };  // once the journal's head is on the disk
    Analyse();
    const RenameOutcome pass = session->Rename();
    renamer.Fault = nullptr;
    EXPECT_EQ(std::tuple(NumberOf(pass.Error), pass.KeptInMemory, pass.State), std::tuple(61, true, Reviewing));
    full = row.then == Then::AcceptDiskStillFull;
    const Files firstUndone{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"Q0001.txt", "c.txt"}};
    if (row.then == Then::Undo) {
        const ReviewUndo undo = UndoReview(*session);
        EXPECT_EQ(std::tuple(undo.State, undo.Restored, dir.List(), History()),
                  std::tuple(Empty, std::size_t{2}, firstUndone, Statuses{PassStatus::Accepted}));
        return;
    }
    EXPECT_EQ(session->Accept().Error, full ? 61 : 0);
    full = false;
    EXPECT_EQ(History(), (Statuses{row.status, PassStatus::Accepted}));
    const auto next = history->NextToUndo().Pass;
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Files, 2u) << "Undo Last Rename asks about the newest pass";
    EXPECT_EQ(UndoLast(*history, next->FileName).Restored, 2u);
    EXPECT_EQ(dir.List(), firstUndone);
}

NAMED_ROWS(Review, EndNotStored, kEndRows);

// The review's; Undo Last Rename records through the same undo job.
TEST_F(SessionTest, AnUndoTheHistoryCannotRecordSaysSo) {
    Reach(Reviewing);
    const std::string file = state.At("journals") + "/" + history->Passes().Passes.at(0).FileName;
    // The journal goes while the undo runs, as another program could make it.
    renamer.Fault = [&, moved = false](const Text&) mutable {
        if (!moved) std::filesystem::rename(file, file + "-moved");
        moved = true;
        return ErrNone;
    };
    const SessionUndo result = UndoReview(*session);
    EXPECT_EQ(std::tuple(result.Restored, NumberOf(result.RecordError), NumberOf(result.Error), session->State(), dir.List()),
              std::tuple(std::size_t{2}, 53, 53, Empty, Original));
}

// Passes end by an appended note: that ending, too, removes the oldest.
TEST_F(SessionTest, TheHistoryKeepsTheNewestPassesThatRenamedSomething) {
    for (std::size_t i = 0; i < KeptPasses + 2; ++i) {
        const std::string name = "f" + std::to_string(i) + ".txt";
        dir.Write(name, name);
        Pass({T(name)}, T("g" + std::to_string(i) + "_"));
    }
    Analyse({u"gone.txt"});  // renames nothing, so stores nothing and removes nothing
    EXPECT_EQ(session->Rename().Error, 53);
    EXPECT_EQ(History(), Statuses(KeptPasses, PassStatus::Accepted));
    EXPECT_EQ(store->JournalNames().Names.size(), KeptPasses);
    EXPECT_EQ(history->Passes().Passes.back().Directory, T(dir.path));
}

TEST_F(SessionTest, TwoCopiesShareTheHistoryAndUndoItNewestFirst) {
    JournalStore otherStore(state.At("journals"));
    FaultInjectingRenamer otherRenamer;
    RenameSession other(otherRenamer, &otherStore);
    PassHistory otherHistory(&otherStore);
    Reach(Reviewing);
    // The pass under review here is locked: the other copy lists it, names it
    // as the newest, never goes past it to an older one, and cannot forget it.
    const auto listed = otherHistory.Passes().Passes;
    EXPECT_EQ(std::tuple(listed.size(), listed.at(0).Status), std::tuple(1u, PassStatus::UnderReview));
    ASSERT_TRUE(otherHistory.NextToUndo().Pass);
    EXPECT_TRUE(otherHistory.NextToUndo().Pass->HeldElsewhere);
    EXPECT_TRUE(UndoLast(otherHistory).Refused);
    EXPECT_TRUE(otherHistory.Forget(otherHistory.Passes().Passes[0].FileName).Refused);

    // The other copy renames the same files again and accepts; the review
    // here cannot give back what it renamed since.
    AcceptedPass(other, dir.path, {u"P0001.txt", u"P0002.txt"}, u"Q");
    ASSERT_EQ(other.State(), Empty);
    const Files renamedAgain{{"Q0001.txt", "a.txt"}, {"Q0002.txt", "b.txt"}, {"c.txt", "c.txt"}};
    const ReviewUndo blocked = UndoReview(*session);
    EXPECT_EQ(std::pair(blocked.RenamedLater, blocked.State), std::pair(std::vector<Text>{u"b.txt", u"a.txt"}, Reviewing));
    EXPECT_EQ(dir.List(), renamedAgain);
    // Newest first: the other copy's pass, then this one's.
    EXPECT_EQ(UndoLast(otherHistory).Restored, 2u);
    EXPECT_EQ(UndoReview(*session).Restored, 2u);
    EXPECT_EQ(std::pair(dir.List(), History()), std::pair(Original, Statuses{}));
}

namespace {

// Counts every look the history takes into a directory through the rename layer.
struct WatchingRenamer : FaultInjectingRenamer {
    int Looks = 0;
    ErrorNumber Enter(const Text& dir, const std::optional<FileIdentity>& expected) override {
        ++Looks;
        return FaultInjectingRenamer::Enter(dir, expected);
    }
    Presence Check(const Text& name, const FileIdentity& identity) override {
        ++Looks;
        return FaultInjectingRenamer::Check(name, identity);
    }
};

// undone: the recovery's undo finds the files
struct StartUpRow { const char* name; void (*change)(const std::string& dir, const std::string& away); bool undone; };
void PrintTo(const StartUpRow& row, std::ostream* out) { *out << row.name; }
const StartUpRow kStartUpRows[] = {
    {"directory as it was", [](const std::string&, const std::string&) {}, true},
    {"directory moved away", [](const std::string& d, const std::string& away) { std::filesystem::rename(d, away); }, false},
    {"directory replaced by a FIFO", [](const std::string& d, const std::string& away) { std::filesystem::rename(d, away), ::mkfifo(d.c_str(), 0600); }, false},
};
struct StartUp : SessionTest, testing::WithParamInterface<StartUpRow> {};

}  // namespace

// The directory may sit on a mount that does not answer: the offer is made
// from the journal, and only the undo goes there.
TEST_P(StartUp, OffersAnUnfinishedPassWithoutLookingAtItsDirectory) {
    const StartUpRow& row = GetParam();
    const std::string away = dir.path + "-away";
    Pass();
    ASSERT_NO_FATAL_FAILURE(AsKilled(*store));
    row.change(dir.path, away);
    WatchingRenamer watching;
    PassHistory starting(store.get(), [&] { return std::make_unique<CountingRenamer>(watching); });

    const UnfinishedScan offer = starting.FindUnfinished();
    ASSERT_EQ(offer.Passes.size(), 1u);
    // The files the pass set out to rename, from its journal.
    EXPECT_EQ(std::tuple(offer.Passes[0].Problem, offer.Passes[0].Directory, offer.Passes[0].Files),
              std::tuple(JournalProblem::None, T(dir.path), std::size_t{2}));
    EXPECT_EQ(watching.Looks, 0) << "start-up looked into the pass's directory";

    const SessionUndo undo = RunUndo(starting, starting.HandOutRecoverUndo(offer.Passes[0].FileName));
    EXPECT_GT(watching.Looks, 0) << "the undo went to the directory";
    starting.LetUnfinishedGo();
    EXPECT_EQ(std::pair(NumberOf(undo.Error), undo.Restored), row.undone ? std::pair(0, std::size_t{2}) : std::pair(76, std::size_t{0}));
    if (!row.undone) {
        // The journal stays for a later try; "Undo Last Rename" is offered without a look.
        const int looks = watching.Looks;
        const auto next = starting.NextToUndo().Pass;
        ASSERT_TRUE(next);
        EXPECT_EQ(std::pair(watching.Looks, next->Files), std::pair(looks, std::size_t{2}));
        std::filesystem::remove(dir.path), std::filesystem::rename(away, dir.path);
        EXPECT_EQ(UndoLast(starting, next->FileName).Error, 0);
    }
    EXPECT_EQ(dir.List(), Original);
}

NAMED_ROWS(History, StartUp, kStartUpRows);

namespace {

// putBack: by hand after the pass, new name and old name; history: the pass after the undo. Finding each file
// wherever it is, or not at all, is the rename pass's and the file identity's; the pass kept is the history's.
struct CountRow { const char* name; std::vector<std::pair<const char*, const char*>> putBack; std::vector<const char*> deleted;
                  std::size_t restored, alreadyBack; std::vector<Text> notFound; Files disk; Statuses history; };
void PrintTo(const CountRow& row, std::ostream* out) { *out << row.name; }

const CountRow kCountRows[] = {
    {"one put back by hand", {{"P0002.txt", "b.txt"}}, {}, 2, 1, {}, Original, {}},
    {"one put back, one deleted: partly undone", {{"P0002.txt", "b.txt"}}, {"P0003.txt"}, 1, 1, {u"c.txt"},
     {{"a.txt", "a.txt"}, {"b.txt", "b.txt"}}, {PassStatus::PartlyUndone}},
};

struct UndoLastCounts : SessionTest, testing::WithParamInterface<CountRow> {};

}  // namespace

TEST_P(UndoLastCounts, WhatCameBackWhatWasBackAndWhatIsGone) {
    const CountRow& row = GetParam();
    Pass({u"a.txt", u"b.txt", u"c.txt"});
    for (const auto& [now, old] : row.putBack) std::filesystem::rename(dir.At(now), dir.At(old));
    for (const char* gone : row.deleted) std::filesystem::remove(dir.At(gone));

    const auto next = history->NextToUndo().Pass;
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Files, 3u) << "the question is asked from the journal alone";
    const SessionUndo undo = UndoLast(*history, next->FileName);
    EXPECT_EQ(std::tuple(NumberOf(undo.Error), undo.Restored, undo.AlreadyBack), std::tuple(row.notFound.empty() ? 0 : 53, row.restored, row.alreadyBack));
    std::vector<Text> notFound = undo.NotFound;
    std::sort(notFound.begin(), notFound.end());
    EXPECT_EQ(std::pair(notFound, dir.List()), std::pair(row.notFound, row.disk));
    EXPECT_EQ(undo.NoneFound, row.restored + row.alreadyBack == 0) << "nothing changed when none is found";
    // A pass is never forgotten while a file of it is not back.
    EXPECT_EQ(std::pair(History(), NextFiles()), std::pair(row.history, row.notFound.size()));
}

NAMED_ROWS(History, UndoLastCounts, kCountRows);

TEST_F(SessionTest, AnUndoHandedOutHoldsBackEveryOtherUndoUntilItIsTakenBack) {
    Pass();
    Pass({u"c.txt"}, u"Q");
    std::unique_ptr<UndoJob> job = history->HandOutUndoLast();
    ASSERT_TRUE(job);
    EXPECT_EQ(job->Files(), 1u);

    // Out: the older pass waits too; the newest is still to undo, its journal locked.
    EXPECT_FALSE(history->NextToUndo().Pass);
    EXPECT_FALSE(history->HandOutUndoLast());
    EXPECT_TRUE(history->Forget(job->FileName()).Refused);
    EXPECT_EQ(History(), (Statuses{PassStatus::Accepted, PassStatus::Accepted}));
    EXPECT_EQ(store->Take(job->FileName())->Problem, JournalProblem::InUse);
    EXPECT_TRUE(history->TakeUndo(*job).Refused) << "not run yet";

    std::thread([&job] { job->Run(); }).join();
    EXPECT_EQ(std::pair(dir.List(), job->Done()), std::pair(Renamed, std::size_t{1}));
    const SessionUndo undo = history->TakeUndo(*job);
    EXPECT_EQ(std::tuple(undo.Refused, NumberOf(undo.Error), undo.Restored), std::tuple(false, 0, std::size_t{1}));
    EXPECT_TRUE(history->TakeUndo(*job).Refused) << "taken back once";
    EXPECT_EQ(History(), Statuses{PassStatus::Accepted}) << "its journal went with its last file back";
    EXPECT_EQ(NextFiles(), 2u) << "the older pass is next";
}
