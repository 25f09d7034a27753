// The session on real directories: every operation in every state, with the
// state it leads to, the files on disk and what the history holds; then the
// roads that once lost an undo.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <thread>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "journal/stored_pass.h"
#include "session/rename_session.h"
#include "session/undo_job.h"
#include "temp_dir.h"

using namespace morvane;
using enum SessionState;
using Statuses = std::vector<PassStatus>;

namespace {

const Files Original{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}};
const Files Renamed{{"P0001.txt", "a.txt"}, {"P0002.txt", "b.txt"}, {"c.txt", "c.txt"}};

struct RenameSessionTest : testing::Test {
    TempDir dir;
    TempDir state;
    std::unique_ptr<JournalStore> store;
    FaultInjectingRenamer renamer;
    std::unique_ptr<RenameSession> session;

    RenameSessionTest() { Restart(); }
    // A new session on the same store, as after a restart of the program.
    void Restart() {
        session.reset();
        store = std::make_unique<JournalStore>(state.At("journals"));
        session = std::make_unique<RenameSession>(renamer, store.get());
    }
    void Fresh() {
        session.reset();
        for (TempDir* d : {&dir, &state}) {
            std::filesystem::remove_all(d->path);
            std::filesystem::create_directory(d->path);
        }
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, name);
        renamer.Fault = nullptr;
        Restart();
        ASSERT_EQ(session->SetOptions({u"P", u"", u"1", u"0"}).Error, 0);
    }
    // Files chosen and analysed: every file numbered P0001, P0002...
    void Analyse(std::vector<Text> names = {u"a.txt", u"b.txt"}, const Text& prefix = u"P") {
        ASSERT_EQ(session->SetOptions({prefix, u"", u"1", u"0"}).Error, 0);
        ASSERT_EQ(session->Choose(T(dir.path), std::move(names)).State, Chosen);
        ASSERT_EQ(session->Extract(u'.').State, Extracted);
    }
    void Reach(SessionState wanted) {
        if (wanted == Chosen) {
            ASSERT_EQ(session->Choose(T(dir.path), {u"a.txt", u"b.txt"}).State, Chosen);
        }
        if (wanted == Extracted || wanted == Reviewing) Analyse();
        if (wanted == Reviewing) {
            ASSERT_EQ(session->Rename().State, Reviewing);
        }
    }
    Statuses History() const {
        Statuses statuses;
        for (const PassSummary& pass : session->History()) statuses.push_back(pass.Status);
        return statuses;
    }
};

using Operation = std::function<SessionResult(RenameSession&)>;

SessionResult Preview(RenameSession& s) {
    const Prediction prediction = s.Preview();
    return {s.State(), false, prediction.Error};
}

}  // namespace

TEST_F(RenameSessionTest, EveryOperationInEveryState) {
    const Operation choose = [this](RenameSession& s) { return s.Choose(T(dir.path), {u"c.txt"}); };
    const Operation example = [](RenameSession& s) { return s.SetExample(u"b.txt"); };
    const Operation mask = [](RenameSession& s) { return s.SetMask(u"x"); };
    const Operation extract = [](RenameSession& s) -> SessionResult { return s.Extract(u'.'); };
    const Operation rename = [](RenameSession& s) -> SessionResult { return s.Rename(); };
    const Operation accept = [](RenameSession& s) { return s.Accept(); };
    const Operation undo = [](RenameSession& s) -> SessionResult { return s.Undo(); };
    const Operation undoLast = [](RenameSession& s) -> SessionResult { return s.UndoLast(); };
    const Operation reorder = [](RenameSession& s) { return s.Reorder({u"b.txt", u"a.txt"}); };
    const Operation move = [](RenameSession& s) { return s.MoveListed(1, 0); };
    const PassStatus reviewed = PassStatus::UnderReview, accepted = PassStatus::Accepted;
    struct Row {
        const char* name;
        SessionState from;
        Operation op;
        SessionState to;
        bool refused;
        const Files& disk;
        Statuses history;
    };
    const Row rows[] = {
        {"empty: choose", Empty, choose, Chosen, false, Original, {}},
        {"empty: example", Empty, example, Empty, false, Original, {}},
        {"empty: mask", Empty, mask, Empty, false, Original, {}},
        {"empty: extract", Empty, extract, Empty, false, Original, {}},
        {"empty: preview", Empty, Preview, Empty, false, Original, {}},
        {"empty: rename reviews a pass over nothing", Empty, rename, Reviewing, false, Original, {}},
        {"empty: accept", Empty, accept, Empty, true, Original, {}},
        {"empty: undo", Empty, undo, Empty, true, Original, {}},
        {"empty: undo last, nothing in the history", Empty, undoLast, Empty, true, Original, {}},
        {"empty: reorder", Empty, reorder, Empty, true, Original, {}},
        {"chosen: choose again", Chosen, choose, Chosen, false, Original, {}},
        {"chosen: example", Chosen, example, Chosen, false, Original, {}},
        {"chosen: extract", Chosen, extract, Extracted, false, Original, {}},
        {"chosen: preview", Chosen, Preview, Chosen, false, Original, {}},
        {"chosen: rename needs an extract first", Chosen, rename, Chosen, true, Original, {}},
        {"chosen: accept", Chosen, accept, Chosen, true, Original, {}},
        {"chosen: undo", Chosen, undo, Chosen, true, Original, {}},
        {"chosen: reorder", Chosen, reorder, Chosen, false, Original, {}},
        {"extracted: choose", Extracted, choose, Chosen, false, Original, {}},
        {"extracted: mask", Extracted, mask, Extracted, false, Original, {}},
        {"extracted: extract", Extracted, extract, Extracted, false, Original, {}},
        {"extracted: preview", Extracted, Preview, Extracted, false, Original, {}},
        {"extracted: rename", Extracted, rename, Reviewing, false, Renamed, {reviewed}},
        {"extracted: accept", Extracted, accept, Extracted, true, Original, {}},
        {"extracted: undo", Extracted, undo, Extracted, true, Original, {}},
        {"extracted: reorder keeps the analysis", Extracted, reorder, Extracted, false, Original, {}},
        {"extracted: move keeps the analysis", Extracted, move, Extracted, false, Original, {}},
        {"reviewing: choose is never mixed with the pass", Reviewing, choose, Reviewing, true, Renamed, {reviewed}},
        {"reviewing: example", Reviewing, example, Reviewing, false, Renamed, {reviewed}},
        {"reviewing: extract", Reviewing, extract, Reviewing, false, Renamed, {reviewed}},
        {"reviewing: preview", Reviewing, Preview, Reviewing, false, Renamed, {reviewed}},
        {"reviewing: rename of nothing keeps the pass", Reviewing, rename, Reviewing, false, Renamed, {reviewed}},
        {"reviewing: accept", Reviewing, accept, Empty, false, Renamed, {accepted}},
        {"reviewing: undo removes the journal", Reviewing, undo, Empty, false, Original, {}},
        {"reviewing: undo last waits for the review", Reviewing, undoLast, Reviewing, true, Renamed, {reviewed}},
        {"reviewing: reorder", Reviewing, reorder, Reviewing, true, Renamed, {reviewed}},
        {"reviewing: move", Reviewing, move, Reviewing, true, Renamed, {reviewed}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        Reach(row.from);
        ASSERT_EQ(session->State(), row.from);
        const SessionResult result = row.op(*session);
        EXPECT_EQ(result.State, row.to);
        EXPECT_EQ(session->State(), row.to);
        EXPECT_EQ(result.Refused, row.refused);
        EXPECT_EQ(result.Error, 0);
        EXPECT_EQ(dir.List(), row.disk);
        EXPECT_EQ(History(), row.history);
    }
}

TEST_F(RenameSessionTest, TheListOrderDecidesTheNumbersNeverTheExample) {
    const Files swapped{{"P0001.txt", "b.txt"}, {"P0002.txt", "a.txt"}, {"c.txt", "c.txt"}};
    const std::vector<Text> asChosen{u"a.txt", u"b.txt"};
    struct Row {
        const char* name;
        Operation op;
        bool refused;
        std::vector<Text> listed;
        const Files& disk;
    };
    const Row rows[] = {
        {"reordered", [](RenameSession& s) { return s.Reorder({u"b.txt", u"a.txt"}); }, false, {u"b.txt", u"a.txt"},
         swapped},
        {"moved down", [](RenameSession& s) { return s.MoveListed(0, 1); }, false, {u"b.txt", u"a.txt"}, swapped},
        {"a name not listed", [](RenameSession& s) { return s.Reorder({u"a.txt", u"c.txt"}); }, true, asChosen,
         Renamed},
        {"a name twice", [](RenameSession& s) { return s.Reorder({u"a.txt", u"a.txt"}); }, true, asChosen, Renamed},
        {"a name missing", [](RenameSession& s) { return s.Reorder({u"a.txt"}); }, true, asChosen, Renamed},
        {"moved past the end", [](RenameSession& s) { return s.MoveListed(0, 2); }, true, asChosen, Renamed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        Analyse();
        EXPECT_EQ(row.op(*session).Refused, row.refused);
        EXPECT_EQ(session->Listed(), row.listed);
        EXPECT_EQ(session->NameOrder(), asChosen);
        EXPECT_EQ(session->Example(), u"a.txt");
        EXPECT_EQ(session->Rename().State, Reviewing);
        EXPECT_EQ(dir.List(), row.disk);
    }
}

TEST_F(RenameSessionTest, NoJournalFolderMeansNoPass) {
    const struct { const char* name; std::function<std::unique_ptr<JournalStore>()> store; } rows[] = {
        {"no home at all", [] { return nullptr; }},
        {"a folder that cannot be made", [this] { return std::make_unique<JournalStore>(dir.At("c.txt/journals")); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        session.reset();
        store = row.store();
        session = std::make_unique<RenameSession>(renamer, store.get());
        Analyse();
        const RenameOutcome pass = session->Rename();
        EXPECT_EQ(pass.Error, 80);
        EXPECT_EQ(pass.State, Extracted);
        EXPECT_EQ(dir.List(), Original);
        EXPECT_TRUE(renamer.From.empty());
        renamer.From.clear();
    }
}

TEST_F(RenameSessionTest, APassThatFailedPartWayStaysUndoableThroughASecondRename) {
    Fresh();
    renamer.Fault = [](const Text& from) { return from == u"b.txt" ? ErrIoError : ErrNone; };
    Analyse();
    const RenameOutcome failed = session->Rename();
    EXPECT_EQ(std::pair(NumberOf(failed.Error), failed.Renamed), std::pair(57, std::size_t{1}));
    EXPECT_EQ(failed.State, Extracted);
    EXPECT_EQ(session->Listed().size(), 2u);
    renamer.Fault = nullptr;
    // Over the stale list: a.txt, renamed by the failed pass, is gone under
    // that name, which ends the new pass before it renames anything.
    const RenameOutcome again = session->Rename();
    EXPECT_EQ(std::pair(NumberOf(again.Error), again.Renamed), std::pair(53, std::size_t{0}));
    EXPECT_EQ(session->Listed().size(), 2u);
    EXPECT_EQ(History(), (Statuses{PassStatus::Accepted}));
    const auto next = session->NextToUndo();
    ASSERT_TRUE(next);
    EXPECT_EQ(std::pair(next->Directory, next->Files), std::pair(T(dir.path), std::size_t{1}));
    EXPECT_EQ(session->UndoLast(next->FileName).Error, 0);
    EXPECT_EQ(dir.List(), Original);
    EXPECT_TRUE(History().empty());
}

TEST_F(RenameSessionTest, RenamingNothingNeverTurnsAnAcceptedPassBack) {
    Fresh();
    Reach(Reviewing);
    ASSERT_EQ(session->Accept().State, Empty);
    // A second "Rename" on the emptied list reviews an empty pass: its Undo restores nothing.
    EXPECT_EQ(session->Rename().State, Reviewing);
    const SessionUndo undo = session->Undo();
    EXPECT_EQ(std::pair(undo.State, undo.Restored), std::pair(Empty, std::size_t{0}));
    EXPECT_EQ(dir.List(), Renamed);
    EXPECT_EQ(History(), Statuses{PassStatus::Accepted});
}

TEST_F(RenameSessionTest, APassWhoseEndCannotBeStoredStaysUnderReviewAndThenTheNewestPass) {
    enum class Then { Undo, AcceptDiskStillFull, AcceptWithRoom };
    const struct { const char* name; Then then; PassStatus status; } rows[] = {
        {"the review's Undo undoes this pass, never the one before", Then::Undo, PassStatus::Accepted},
        {"accepted while the disk is still full: the newest pass, unfinished", Then::AcceptDiskStillFull,
         PassStatus::Unfinished},
        {"accepted once there is room: its end is stored then", Then::AcceptWithRoom, PassStatus::Accepted},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        // Appending to the journal fails as on a full disk.
        bool full = false;
        StoreCalls calls = SystemStoreCalls();
        calls.Write = [&full, write = calls.Write](int fd, std::string_view bytes) { return full ? ENOSPC : write(fd, bytes); };
        session.reset();
        store = std::make_unique<JournalStore>(state.At("journals"), calls);
        session = std::make_unique<RenameSession>(renamer, store.get());
        Analyse({u"c.txt"}, u"Q");  // an accepted pass before: c.txt became Q0001.txt
        ASSERT_EQ(session->Rename().Error, 0);
        ASSERT_EQ(session->Accept().State, Empty);
        renamer.Fault = [&](const Text&) {
            full = true;  // once the journal's head is on the disk
            return ErrNone;
        };
        Analyse();
        const RenameOutcome pass = session->Rename();
        renamer.Fault = nullptr;
        EXPECT_EQ(pass.Error, 61);
        EXPECT_TRUE(pass.KeptInMemory);
        EXPECT_EQ(pass.State, Reviewing);
        full = row.then == Then::AcceptDiskStillFull;
        if (row.then == Then::Undo) {
            const SessionUndo undo = session->Undo();
            EXPECT_EQ(std::pair(undo.State, undo.Restored), std::pair(Empty, std::size_t{2}));
            EXPECT_EQ(dir.List(), (Files{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"Q0001.txt", "c.txt"}}));
            EXPECT_EQ(History(), Statuses{PassStatus::Accepted});
            continue;
        }
        EXPECT_EQ(session->Accept().Error, full ? 61 : 0);
        full = false;
        EXPECT_EQ(History(), (Statuses{row.status, PassStatus::Accepted}));
        const auto next = session->NextToUndo();
        ASSERT_TRUE(next);
        EXPECT_EQ(next->Files, 2u) << "Undo Last Rename asks about the newest pass";
        EXPECT_EQ(session->UndoLast(next->FileName).Restored, 2u);
        EXPECT_EQ(dir.List(), (Files{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"Q0001.txt", "c.txt"}}));
    }
}

TEST_F(RenameSessionTest, AnUndoTheHistoryCannotRecordSaysSo) {
    const std::string journals = state.At("journals");
    const struct { const char* name; bool review; } rows[] = {{"the review's Undo", true}, {"Undo Last Rename", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        Reach(Reviewing);
        if (!row.review) (void)session->Accept();
        const std::string file = journals + "/" + session->History().at(0).FileName;
        // The journal goes while the undo runs, as another program could make it.
        renamer.Fault = [&, moved = false](const Text&) mutable {
            if (!moved) std::filesystem::rename(file, file + "-moved");
            moved = true;
            return ErrNone;
        };
        const SessionUndo result = row.review ? session->Undo() : session->UndoLast();
        EXPECT_EQ(result.Restored, 2u);
        EXPECT_EQ(result.RecordError, 53);
        EXPECT_EQ(result.Error, 53);
        EXPECT_EQ(result.State, Empty);
        EXPECT_EQ(dir.List(), Original);
    }
}

TEST_F(RenameSessionTest, TheHistoryKeepsTheNewestPassesThatRenamedSomething) {
    Fresh();
    for (std::size_t i = 0; i < KeptPasses + 2; ++i) {
        const std::string name = "f" + std::to_string(i) + ".txt";
        dir.Write(name, name);
        Analyse({T(name)}, T("g" + std::to_string(i) + "_"));
        ASSERT_EQ(session->Rename().Renamed, 1u) << name;
        (void)session->Accept();
    }
    Analyse({u"gone.txt"});  // renames nothing, so stores nothing and removes nothing
    EXPECT_EQ(session->Rename().Error, 53);
    EXPECT_EQ(History(), Statuses(KeptPasses, PassStatus::Accepted));
    int error = 0;
    EXPECT_EQ(store->JournalNames(error).size(), KeptPasses);
    EXPECT_EQ(session->History().back().Directory, T(dir.path));

    // One file refused: partly undone, and the next undo retries only that one.
    Fresh();
    Analyse({u"a.txt", u"b.txt"}, u"A");
    ASSERT_EQ(session->Rename().Renamed, 2u);
    (void)session->Accept();
    renamer.Fault = [](const Text& from) { return from == u"A0001.txt" ? ErrCannotAccess : ErrNone; };
    EXPECT_EQ(session->UndoLast().Error, 75);
    EXPECT_EQ(History(), Statuses{PassStatus::PartlyUndone});
    renamer.Fault = nullptr;
    EXPECT_EQ(session->UndoLast().Restored, 1u);
    EXPECT_EQ(dir.List(), Original);
    EXPECT_TRUE(History().empty());

    // A pass whose program was killed is listed, and is the newest to undo.
    LockedJournal killed;
    ASSERT_EQ(store->Create({T(dir.path), JournalState::Running, {{u"a.txt", u"x.txt", u"", {}, {}}}, {}, {}}, killed), 0);
    killed.Release();
    EXPECT_EQ(History(), Statuses{PassStatus::Unfinished});
    EXPECT_EQ(session->History()[0].Files, 1u);
    ASSERT_TRUE(session->NextToUndo());
    EXPECT_EQ(session->NextToUndo()->FileName, killed.FileName());
}

TEST_F(RenameSessionTest, TwoCopiesShareTheHistoryAndUndoItNewestFirst) {
    Fresh();
    JournalStore otherStore(state.At("journals"));
    FaultInjectingRenamer otherRenamer;
    RenameSession other(otherRenamer, &otherStore);
    Reach(Reviewing);
    // The pass under review here is locked: the other copy lists it, names it
    // as the newest and never goes past it to an older one.
    EXPECT_EQ(other.History().size(), 1u);
    EXPECT_EQ(other.History()[0].Status, PassStatus::UnderReview);
    ASSERT_TRUE(other.NextToUndo());
    EXPECT_TRUE(other.NextToUndo()->HeldElsewhere);
    EXPECT_TRUE(other.UndoLast().Refused);

    // The other copy renames the same files again and accepts; the review
    // here cannot give back what it renamed since.
    ASSERT_EQ(other.SetOptions({u"Q", u"", u"1", u"0"}).Error, 0);
    ASSERT_EQ(other.Choose(T(dir.path), {u"P0001.txt", u"P0002.txt"}).State, Chosen);
    ASSERT_EQ(other.Extract(u'.').State, Extracted);
    ASSERT_EQ(other.Rename().Renamed, 2u);
    ASSERT_EQ(other.Accept().State, Empty);
    const Files renamedAgain{{"Q0001.txt", "a.txt"}, {"Q0002.txt", "b.txt"}, {"c.txt", "c.txt"}};
    const SessionUndo blocked = session->Undo();
    EXPECT_EQ(blocked.RenamedLater, (std::vector<Text>{u"b.txt", u"a.txt"}));
    EXPECT_EQ(blocked.State, Reviewing);
    EXPECT_EQ(dir.List(), renamedAgain);
    // Newest first: the other copy's pass, then this one's.
    EXPECT_EQ(other.UndoLast().Restored, 2u);
    EXPECT_EQ(session->Undo().Restored, 2u);
    EXPECT_EQ(dir.List(), Original);
    EXPECT_TRUE(History().empty());
}

namespace {

// Counts every look the session takes into a directory through the rename layer.
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

}  // namespace

TEST_F(RenameSessionTest, StartUpOffersAnUnfinishedPassWithoutLookingAtItsDirectory) {
    // The directory may sit on a mount that does not answer: the offer is
    // made from the journal, and only the undo goes there.
    const std::string away = dir.path + "-away";
    const struct {
        const char* name;
        std::function<void()> change;
        bool undone;  // the recovery's undo finds the files
    } rows[] = {
        {"directory as it was", [] {}, true},
        {"directory moved away", [&] { std::filesystem::rename(dir.path, away); }, false},
        {"directory replaced by a FIFO",
         [&] {
             std::filesystem::rename(dir.path, away);
             ASSERT_EQ(::mkfifo(dir.path.c_str(), 0600), 0);
         },
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        Analyse();
        ASSERT_EQ(session->Rename().Renamed, 2u);
        (void)session->Accept();
        {
            // As a pass killed after its renames leaves its journal.
            int error = 0;
            const std::string name = store->JournalNames(error).back();
            std::optional<FoundJournal> found = store->Take(name);
            ASSERT_TRUE(found);
            ASSERT_EQ(store->Write(found->Lock, ToStored(FromStored(found->Journal), JournalState::Running)), 0);
        }
        row.change();
        WatchingRenamer watching;
        session.reset();
        RenameSession starting(watching, store.get());

        const std::vector<UnfinishedPass> offer = starting.FindUnfinished();
        ASSERT_EQ(offer.size(), 1u);
        EXPECT_EQ(offer[0].Problem, JournalProblem::None);
        EXPECT_EQ(offer[0].Directory, T(dir.path));
        EXPECT_EQ(offer[0].Files, 2u) << "the files the pass set out to rename, from its journal";
        EXPECT_EQ(watching.Looks, 0) << "start-up looked into the pass's directory";

        const SessionUndo undo = starting.RecoverUndo(offer[0].FileName);
        EXPECT_GT(watching.Looks, 0) << "the undo went to the directory";
        starting.LetUnfinishedGo();
        if (row.undone) {
            EXPECT_EQ(std::pair(NumberOf(undo.Error), undo.Restored), std::pair(0, std::size_t{2}));
            EXPECT_EQ(dir.List(), Original);
            continue;
        }
        EXPECT_EQ(std::pair(NumberOf(undo.Error), undo.Restored), std::pair(76, std::size_t{0}));
        // The journal stays for a later try; "Undo Last Rename" is offered without a look.
        const int looks = watching.Looks;
        EXPECT_TRUE(starting.HasPassToUndo());
        EXPECT_EQ(watching.Looks, looks);
        std::filesystem::remove(dir.path);
        std::filesystem::rename(away, dir.path);
        const auto next = starting.NextToUndo();
        ASSERT_TRUE(next);
        EXPECT_EQ(next->Files, 2u);
        EXPECT_EQ(starting.UndoLast(next->FileName).Error, 0);
        EXPECT_EQ(dir.List(), Original);
    }
}

TEST_F(RenameSessionTest, UndoLastCountsWhatCameBackWhatWasBackAndWhatIsGone) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> putBack;  // by hand after the pass: new name, old name
        std::vector<const char*> deleted;
        std::size_t restored, alreadyBack;
        std::vector<Text> notFound;
        Files disk;
    } rows[] = {
        {"all still renamed", {}, {}, 3, 0, {}, Original},
        {"one put back by hand", {{"P0002.txt", "b.txt"}}, {}, 2, 1, {}, Original},
        {"one deleted", {}, {"P0003.txt"}, 2, 0, {u"c.txt"}, {{"a.txt", "a.txt"}, {"b.txt", "b.txt"}}},
        {"one put back, one deleted", {{"P0002.txt", "b.txt"}}, {"P0003.txt"}, 1, 1, {u"c.txt"},
         {{"a.txt", "a.txt"}, {"b.txt", "b.txt"}}},
        {"all deleted", {}, {"P0001.txt", "P0002.txt", "P0003.txt"}, 0, 0, {u"a.txt", u"b.txt", u"c.txt"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        Analyse({u"a.txt", u"b.txt", u"c.txt"});
        ASSERT_EQ(session->Rename().Renamed, 3u);
        (void)session->Accept();
        for (const auto& [now, old] : row.putBack) std::filesystem::rename(dir.At(now), dir.At(old));
        for (const char* gone : row.deleted) std::filesystem::remove(dir.At(gone));

        const auto next = session->NextToUndo();
        ASSERT_TRUE(next);
        EXPECT_EQ(next->Files, 3u) << "the question is asked from the journal alone";
        const SessionUndo undo = session->UndoLast(next->FileName);
        EXPECT_EQ(NumberOf(undo.Error), row.notFound.empty() ? 0 : 53);
        EXPECT_EQ(undo.Restored, row.restored);
        EXPECT_EQ(undo.AlreadyBack, row.alreadyBack);
        std::vector<Text> notFound = undo.NotFound;
        std::sort(notFound.begin(), notFound.end());
        EXPECT_EQ(notFound, row.notFound);
        EXPECT_EQ(dir.List(), row.disk);
        EXPECT_EQ(undo.NoneFound, row.restored + row.alreadyBack == 0) << "nothing changed when none is found";
        // A pass is never forgotten while a file of it is not back.
        const auto kept = session->NextToUndo();
        EXPECT_EQ(kept ? kept->Files : 0u, row.notFound.size());
    }
}

TEST_F(RenameSessionTest, AnUndoHandedOutHoldsBackEveryOtherUndoUntilItIsTakenBack) {
    Fresh();
    Analyse();
    ASSERT_EQ(session->Rename().Renamed, 2u);
    (void)session->Accept();
    Analyse({u"c.txt"}, u"Q");
    ASSERT_EQ(session->Rename().Renamed, 1u);
    (void)session->Accept();
    std::unique_ptr<UndoJob> job = session->HandOutUndoLast();
    ASSERT_TRUE(job);
    EXPECT_EQ(job->Files(), 1u);

    // Out: the older pass waits too; the newest is still to undo, its journal locked.
    EXPECT_FALSE(session->HasPassToUndo());
    EXPECT_FALSE(session->HandOutUndoLast());
    EXPECT_TRUE(session->UndoLast().Refused);
    EXPECT_EQ(History(), (Statuses{PassStatus::Accepted, PassStatus::Accepted}));
    EXPECT_EQ(store->Take(job->FileName())->Problem, JournalProblem::InUse);
    EXPECT_TRUE(session->TakeUndo(*job).Refused) << "not run yet";

    std::thread([&job] { job->Run(); }).join();
    EXPECT_EQ(dir.List(), Renamed);
    EXPECT_EQ(job->Done(), 1u);
    const SessionUndo undo = session->TakeUndo(*job);
    EXPECT_FALSE(undo.Refused);
    EXPECT_EQ(std::pair(NumberOf(undo.Error), undo.Restored), std::pair(0, std::size_t{1}));
    EXPECT_TRUE(session->TakeUndo(*job).Refused) << "taken back once";
    EXPECT_EQ(History(), Statuses{PassStatus::Accepted}) << "its journal went with its last file back";
    EXPECT_TRUE(session->HasPassToUndo()) << "the older pass is next";
}
