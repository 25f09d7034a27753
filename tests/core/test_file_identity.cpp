// The identity of a file on real file systems of every kind: it holds across
// remounts, forgotten inode numbers and kills, never matches a newer file on
// a reused inode number, and a directory swapped at any moment never
// redirects a rename. Mounts need root and the file systems' tools; rows that
// cannot mount here are skipped.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "error_number_checks.h"
#include "fault_injecting_renamer.h"
#include "files/chosen_files.h"
#include "files/name_charset.h"
#include "files/open_directory.h"
#include "files/unique_fd.h"
#include "journal/stored_pass.h"
#include "killing_renamer.h"
#include "pass/rename_pass.h"
#include "run_undo.h"
#include "session/rename_session.h"
#include "scratch_mount.h"
#include "temp_dir.h"

using namespace morvane;

namespace {

constexpr std::uint64_t kExt4 = 0xEF53, kNfs = 0x6969;

// Each listed name to "P0001.txt", "P0002.txt"...
NamePlan NumberEach(const std::vector<std::string>& names) {
    NamePlan plan;
    int n = 0;
    for (const auto& name : names) {
        plan.Entries.push_back({T(name), u".txt", T("P000" + std::to_string(++n)), PlanAction::Rename});
    }
    return plan;
}

std::vector<Text> Texts(const std::vector<std::string>& names) {
    std::vector<Text> texts;
    for (const auto& name : names) texts.push_back(T(name));
    return texts;
}

ino_t InodeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Runs the pass in a child process that is killed before rename killAt, or
// that ends normally with killAt 0. The journal is left in state.
void PassInChild(const NamePlan& plan, const ChosenFiles& chosen, const std::string& state, int killAt) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        JournalStore store(state);
        StoredPassRecorder recorder(store);
        KillingRenamer renamer(killAt);
        const PassResult result = ApplyRenames(plan, chosen.Directory(), renamer, &recorder, &chosen);
        _exit(result.Error == ErrNone ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (killAt > 0)
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the pass was not killed";
    else
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the pass failed";
}

// The journal the pass left, read as at the next start of the program, and undone.
UndoOutcome RecoverFrom(const std::string& state) {
    JournalStore store(state);
    JournalScan scan = store.FindUnfinished();
    std::optional<FoundJournal> found;
    if (!scan.Journals.empty()) found = std::move(scan.Journals.front());
    else if (!store.JournalNames().Names.empty()) found = store.Take(store.JournalNames().Names.back());
    if (!found || found->Problem != JournalProblem::None) {
        ADD_FAILURE() << "no journal to recover from";
        return {};
    }
    RenameJournal journal = FromStored(found->Journal);
    PosixRenamer renamer;
    return UndoLastPass(journal, renamer);
}

}  // namespace

// ext4, tmpfs and FUSE as they answer are the real mounts' below.
TEST(FileIdentity, TheRuleFollowsWhatTheFileSystemKeeps) {
    const struct { const char* name; std::uint64_t type; bool handles, births; IdentityKind kind; } rows[] = {
        {"ext4 refusing handles", kExt4, false, true, IdentityKind::InodeBirth},
        {"a kernel file system with birth times only", kNfs, true, true, IdentityKind::InodeBirth},
        {"a kernel file system with neither", kNfs, false, false, IdentityKind::Fingerprint},
    };
    for (const auto& row : rows) EXPECT_EQ(KindFor(row.type, row.handles, row.births), row.kind) << row.name;
}

// Without inodes, a name holds the recorded file only when type, size, time
// (where the file system keeps it) and both edges agree; the size and time are
// compared before anything is read, which must never let another file pass.
TEST(FileIdentity, AFingerprintHoldsOnlyWhenStatAndEdgesAllAgree) {
    using Change = std::function<void(const TempDir&)>;
    const Change later = [](const TempDir& d) {
        std::filesystem::last_write_time(d.At("f"), std::filesystem::last_write_time(d.At("f")) + std::chrono::minutes(1));
    };
    const auto writing = [](std::string bytes) { return Change([bytes](const TempDir& d) { d.Write("f", bytes); }); };
    const auto keepingTime = [](const Change& change) {
        return Change([change](const TempDir& d) {
            const auto time = std::filesystem::last_write_time(d.At("f"));
            change(d);
            std::filesystem::last_write_time(d.At("f"), time);
        });
    };
    const struct { const char* name; std::uint32_t mtimeSeconds; Change change; Presence presence; } rows[] = {
        {"untouched", 1, [](const TempDir&) {}, Presence::Holds},
        {"last byte changed, same size and time", 1, keepingTime(writing(std::string(99999, 'x') + "y")), Presence::Other},
        {"first byte changed, same size and time", 1, keepingTime(writing("y" + std::string(99999, 'x'))), Presence::Other},
        {"a byte longer, same time", 1, keepingTime(writing(std::string(100001, 'x'))), Presence::Other},
        {"a minute later, same bytes", 1, later, Presence::Other},
        {"a minute later, same bytes, times not kept", 0, later, Presence::Holds},
        {"removed", 1, [](const TempDir& d) { std::filesystem::remove(d.At("f")); }, Presence::Missing},
        {"a directory now", 1, [](const TempDir& d) { std::filesystem::remove(d.At("f")), std::filesystem::create_directory(d.At("f")); },
         Presence::Other},
        {"a link to the same bytes now", 1,
         [](const TempDir& d) { std::filesystem::rename(d.At("f"), d.At("g")), std::filesystem::create_symlink("g", d.At("f")); },
         Presence::Other},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempDir dir;
        dir.Write("f", std::string(100000, 'x'));
        const UniqueFd fd(::open(dir.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        ASSERT_TRUE(fd);
        const IdentityRule rule{IdentityKind::Fingerprint, 0, row.mtimeSeconds, "test"};
        const auto recorded = IdentityAt(fd.Get(), "f", rule);
        ASSERT_TRUE(recorded);
        row.change(dir);
        // The second: PresenceAt and IdentityAt agree.
        EXPECT_EQ(std::tuple(PresenceAt(fd.Get(), "f", *recorded, rule), IdentityAt(fd.Get(), "f", rule) == recorded),
                  std::tuple(row.presence, row.presence == Presence::Holds));
    }
}

TEST(FileIdentity, EachFileSystemGetsItsStrongestRuleAndItsCharset) {
    // The mount type decides the rule's details (the FAT driver's times are kept by none).
    // ntfs-3g on an image takes every name unless mounted with windows_names.
    const std::map<std::string, std::tuple<IdentityKind, const char*, NameCharset>> rows = {  // kind: rule, type, charset
        {"ext4", {IdentityKind::Handle, "ext4", NameCharset::Any}}, {"tmpfs", {IdentityKind::Handle, "tmpfs", NameCharset::Any}},
        {"vfat", {IdentityKind::Fingerprint, "fuse.fusefat", NameCharset::Windows}},
        {"exfat", {IdentityKind::Fingerprint, nullptr, NameCharset::Windows}},
        {"ntfs", {IdentityKind::Fingerprint, nullptr, NameCharset::Any}},
    };
    const int ran = OnEachMount({"ext4", "tmpfs", "vfat", "exfat", "ntfs"}, [&](ScratchMount* mount) {
        const auto& [rule, type, charset] = rows.at(mount->kind);
        const TempDir dir(mount->point);
        dir.Write("a.txt", "first");
        std::optional<OpenDirectory> open;
        ASSERT_EQ(OpenDirectory::Open(T(dir.path), std::nullopt, open), 0);
        const auto first = open->IdentityOf(u"a.txt");
        ASSERT_TRUE(first);
        EXPECT_EQ(std::tuple(open->Rule().Kind, NameCharsetAt(T(dir.path)), type ? open->Rule().Type : "",
                             open->Check(u"a.txt", *first)),
                  std::tuple(rule, charset, type ? type : "", Presence::Holds));
        // A new file on a reused inode number is told apart by the undo below;
        // without inodes, by the fingerprint tests after it.
    });
    if (ran == 0) GTEST_SKIP() << "no file system could be mounted here (needs root and the mount tools)";
}

TEST(FileIdentity, UndoNeverRenamesANewFileOnAReusedInodeNumber) {
    const int ran = OnEachMount({"ext4", "tmpfs"}, [&](ScratchMount* mount) {
        const TempDir dir(mount->point);
        dir.Write("a.txt", "a");
        dir.Write("b.txt", "b");
        const ChosenFiles chosen = TakeIdentities(T(dir.path), {u"a.txt", u"b.txt"});
        PosixRenamer renamer;
        PassResult pass = ApplyRenames(NumberEach({"a.txt", "b.txt"}), T(dir.path), renamer, nullptr, &chosen);
        ASSERT_EQ(pass.Error, 0);
        // The user deletes a renamed file and saves a new one on the freed number.
        const ino_t freed = InodeOf(dir.At("P0001.txt"));
        std::filesystem::remove(dir.At("P0001.txt"));
        dir.Write("notes.txt", "notes");
        RecordProperty(mount->kind + "_inode_reused", InodeOf(dir.At("notes.txt")) == freed ? "yes" : "no");
        const UndoOutcome undo = UndoLastPass(pass.Journal, renamer);
        EXPECT_EQ(std::tuple(undo.FirstError, undo.NotFound, undo.Restored, dir.List()),
                  std::tuple(53, std::vector<Text>{u"a.txt"}, 1u, Files{{"b.txt", "b"}, {"notes.txt", "notes"}}));
    });
    if (ran == 0) GTEST_SKIP() << "no ext4 or tmpfs could be mounted here (needs root)";
}

TEST(FileIdentity, EveryChosenFileComesBackAfterARemountAKillOrForgottenInodes) {
    enum class Between { Remount, DropCaches };
    const struct { const char* name; const char* kind; int killAt; Between between; } rows[] = {
        {"ext4, remount between pass and undo", "ext4", 0, Between::Remount},
        {"ext4, killed, remount before recovery", "ext4", 3, Between::Remount},
        {"vfat, remount between pass and undo", "vfat", 0, Between::Remount},
        {"vfat, killed, remount before recovery", "vfat", 3, Between::Remount},
        {"vfat, inodes forgotten between pass and undo", "vfat", 0, Between::DropCaches},
        {"exfat, remount between pass and undo", "exfat", 0, Between::Remount},
        {"exfat, killed, remount before recovery", "exfat", 2, Between::Remount},
        {"exfat, inodes forgotten between pass and undo", "exfat", 0, Between::DropCaches},
        {"ntfs, remount between pass and undo", "ntfs", 0, Between::Remount},
        {"ntfs, killed, remount before recovery", "ntfs", 3, Between::Remount},
    };
    const std::vector<std::string> chosenNames = {"a.txt", "b.txt", "c.txt", "d.txt"};
    int ran = 0;
    std::map<std::string, std::unique_ptr<ScratchMount>> mounts;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto& mount = mounts[row.kind];
        if (!mount) {
            mount = std::make_unique<ScratchMount>(row.kind);
            mount->Up();
        }
        if (!mount->mounted) continue;
        ++ran;
        const TempDir state;
        const std::string dir = mount->point + "/" + std::to_string(ran);
        std::filesystem::create_directory(dir);
        for (const auto& name : chosenNames) std::ofstream(dir + "/" + name) << "content of " << name;
        std::ofstream(dir + "/other.txt") << "not chosen";
        // A name the pass must go around, where the journal says where it went.
        if (row.killAt == 0) std::ofstream(dir + "/P0002.txt") << "in the way";
        const Files before = FilesIn(dir);
        const ChosenFiles chosen = TakeIdentities(T(dir), Texts(chosenNames));
        ASSERT_EQ(chosen.Identified(), chosenNames.size());
        PassInChild(NumberEach(chosenNames), chosen, state.path, row.killAt);
        if (HasFatalFailure()) continue;
        ASSERT_NE(FilesIn(dir), before);
        if (row.between == Between::Remount) {
            ASSERT_TRUE(mount->Remount());
        } else {
            ASSERT_TRUE(ScratchMount::Run("sync && echo 2 > /proc/sys/vm/drop_caches"));
        }
        const UndoOutcome undo = RecoverFrom(state.path);
        EXPECT_EQ(std::tuple(undo.FirstError, undo.NotFound, FilesIn(dir)), std::tuple(0, std::vector<Text>{}, before));
    }
    if (ran == 0) GTEST_SKIP() << "no file system could be mounted here (needs root and the mount tools)";
}

TEST(FileIdentity, HardLinkedChosenFilesKilledMidPassEachGetTheirOwnNameBack) {
    for (int killAt = 1; killAt <= 4; ++killAt) {
        SCOPED_TRACE(testing::Message() << "killed before rename " << killAt);
        const TempDir dir, state;
        dir.Write("a.txt", "shared");
        ASSERT_EQ(::link(dir.At("a.txt").c_str(), dir.At("b.txt").c_str()), 0);
        dir.Write("c.txt", "c");
        ASSERT_EQ(::link(dir.At("c.txt").c_str(), dir.At("unlisted link").c_str()), 0);
        const Files before = dir.List();
        const std::vector<std::string> names = {"a.txt", "b.txt", "c.txt"};
        const ChosenFiles chosen = TakeIdentities(T(dir.path), Texts(names));
        PassInChild(NumberEach(names), chosen, state.path, killAt == 4 ? 0 : killAt);
        const UndoOutcome undo = RecoverFrom(state.path);
        EXPECT_EQ(std::tuple(undo.FirstError, dir.List(), InodeOf(dir.At("a.txt"))),
                  std::tuple(0, before, InodeOf(dir.At("b.txt"))));
    }
}

TEST(OpenDirectory, ADirectorySwappedBeforeOrDuringThePassNeverRedirectsARename) {
    enum class Swap { None, Link, NewDirectory };
    const struct { const char* name; Swap before, during; int error; bool renamed; } rows[] = {
        {"not swapped", Swap::None, Swap::None, 0, true},
        {"replaced by a link before the pass", Swap::Link, Swap::None, 76, false},
        {"replaced by a new directory with the same names before the pass", Swap::NewDirectory, Swap::None, 76, false},
        {"swapped for a link during the pass", Swap::None, Swap::Link, 0, true},
        {"swapped for a new directory during the pass", Swap::None, Swap::NewDirectory, 0, true},
    };
    const std::vector<std::string> names = {"a.txt", "b.txt", "c.txt"};
    // Not FAT: its FUSE driver here loses a directory's entries when the
    // directory itself is renamed, which is the swap this test makes.
    OnEachMount({"", "exfat", "ntfs"}, [&](ScratchMount* mount) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name);
            const TempDir root(mount ? mount->point : "/tmp");
            const std::string photos = root.At("photos"), decoy = root.At("decoy"), moved = root.At("photos.moved");
            for (const auto& where : {photos, decoy}) {
                std::filesystem::create_directory(where);
                for (const auto& name : names) std::ofstream(where + "/" + name) << where;
            }
            const Files original = FilesIn(photos), decoyFiles = FilesIn(decoy);
            // FAT has no symbolic links: those rows are the kernel's and NTFS's.
            std::error_code noLinks;
            std::filesystem::create_directory_symlink(decoy, root.At("probe"), noLinks);
            if (noLinks && (row.before == Swap::Link || row.during == Swap::Link)) continue;
            const auto swap = [&](Swap how) {
                if (how == Swap::None) return;
                std::filesystem::rename(photos, moved);
                if (how == Swap::Link) std::filesystem::create_directory_symlink(decoy, photos);
                else std::filesystem::rename(decoy, photos);
            };
            const ChosenFiles chosen = TakeIdentities(T(photos), Texts(names));
            swap(row.before);
            FaultInjectingRenamer renamer;
            bool first = true;
            renamer.Fault = [&](const Text&) {
                if (std::exchange(first, false)) swap(row.during);
                return ErrNone;
            };
            const PassResult pass = ApplyRenames(NumberEach(names), T(photos), renamer, nullptr, &chosen);
            // Where nothing tells one directory from another (FAT, exFAT), a new
            // one with the same names is caught file by file instead.
            const bool byFiles = pass.Error == 0 && row.error == 76 && chosen.DirectoryIdentity() &&
                                 chosen.DirectoryIdentity()->Kind == IdentityKind::Fingerprint;
            // The chosen files are wherever their directory went, renamed or untouched; the decoy's files keep their names.
            const Files chosenNow = FilesIn(row.before != Swap::None || row.during != Swap::None ? moved : photos);
            const bool decoyMoved = row.before == Swap::NewDirectory || row.during == Swap::NewDirectory;
            EXPECT_EQ(std::tuple(NumberOf(pass.Error), pass.FilesSkipped, chosenNow.count("P0001.txt") + chosenNow.count("P0003.txt"),
                                 row.renamed || chosenNow == original, FilesIn(decoyMoved ? photos : decoy)),
                      std::tuple(byFiles ? 0 : row.error, byFiles, row.renamed ? 2u : 0u, true, decoyFiles));
        }
    });
}

// Whatever else has the name now is left alone; a file gone since ends the
// pass there (Error # 53), the files before it renamed and journalled.
TEST(ChosenFiles, AFileReplacedSinceItWasChosenIsSkippedAndOneGoneEndsThePass) {
    const struct { const char* name; std::function<void(const TempDir&)> replace; int error; } rows[] = {
        {"by another file", [](const TempDir& d) { d.Write("b.new", "other"), std::filesystem::rename(d.At("b.new"), d.At("b.txt")); }, 0},
        {"by a directory", [](const TempDir& d) { std::filesystem::remove(d.At("b.txt")), std::filesystem::create_directory(d.At("b.txt")); }, 0},
        {"by a link to the chosen file",
         [](const TempDir& d) { std::filesystem::rename(d.At("b.txt"), d.At("b.real")), std::filesystem::create_symlink("b.real", d.At("b.txt")); }, 0},
        {"deleted", [](const TempDir& d) { std::filesystem::remove(d.At("b.txt")); }, 53},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempDir dir;
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, name);
        const ChosenFiles chosen = TakeIdentities(T(dir.path), {u"a.txt", u"b.txt", u"c.txt"});
        row.replace(dir);
        std::filesystem::file_status replaced = std::filesystem::symlink_status(dir.At("b.txt"));
        PosixRenamer renamer;
        const PassResult pass = ApplyRenames(NumberEach({"a.txt", "b.txt", "c.txt"}), T(dir.path), renamer,
                                             nullptr, &chosen);
        // The file renamed before stays undoable.
        EXPECT_EQ(std::tuple(NumberOf(pass.Error), pass.FilesSkipped, std::filesystem::symlink_status(dir.At("b.txt")).type(),
                             pass.Journal.Entries[0].State, std::filesystem::exists(dir.At("P0003.txt")),
                             std::filesystem::exists(dir.At("P0002.txt"))),
                  std::tuple(row.error, row.error == 0, replaced.type(), EntryState::Renamed, row.error == 0, false));
    }
}

// The identities of many chosen files are taken in parts, beside the
// window, with one call per file where the file system allows: each is the
// identity a stat and a look-up of its own give, whatever the order and the
// parts, and a pass never starts on a covered file whose identity is not in.
TEST(ChosenFiles, TakenInPartsEachIdentityIsTheOneTakenAlone) {
    OnEachMount({"", "tmpfs", "vfat", "exfat"}, [&](ScratchMount* mount) {
        const TempDir dir(mount ? mount->point : "/tmp");
        std::vector<std::string> names;
        // Enough for a read of the directory to pay on kernel file systems; few
        // on FUSE, whose FAT driver searches the whole directory for every name.
        const int files = mount && mount->kind.find("fat") != std::string::npos ? 24 : 300;
        for (int i = 0; i < files; ++i) names.push_back("file " + std::to_string(i) + ".txt");
        for (const auto& name : names) dir.Write(name, name);
        std::filesystem::create_directory(dir.At("a folder"));
        std::error_code noLinks;  // FAT has none
        std::filesystem::create_symlink("file 1.txt", dir.At("a link"), noLinks);
        names.insert(names.end(), {"a folder", "a link", "gone.txt", "a/b"});
        std::optional<OpenDirectory> open;
        ASSERT_EQ(OpenDirectory::Open(T(dir.path), std::nullopt, open), 0);

        ChosenFiles chosen = ChosenFiles::Open(T(dir.path), Texts(names));
        std::atomic<bool> cancel{false};
        std::atomic<std::size_t> done{0};
        const std::size_t half = files / 2, last = names.size() - 1;
        chosen.Take(0, half, &cancel, &done);
        EXPECT_EQ(std::tuple(done.load(), chosen.Taken(half - 1), chosen.Taken(half)), std::tuple(half, true, false));
        // Rename pressed while the covered files' identities are still being taken.
        PosixRenamer renamer;
        const std::string waiting = names[half + 1];
        const PassResult early = ApplyRenames(NumberEach({"file 1.txt", waiting}), T(dir.path), renamer, nullptr, &chosen);
        EXPECT_EQ(std::tuple(NumberOf(early.Error), FilesIn(dir.path).count(waiting)), std::tuple(51, std::size_t{1}));
        cancel = true;
        chosen.Take(half, names.size(), &cancel, &done);
        EXPECT_EQ(done.load(), half) << "cancelled before the first";
        cancel = false;
        // The rest on another thread, asked meanwhile from this one.
        std::thread taker([&] {
            chosen.TakeAt({last, last - 1, last - 2, last - 3}, &cancel, &done);
            chosen.Take(half, names.size(), &cancel, &done);
        });
        while (!chosen.AllTaken())
            for (std::size_t i = 0; i < names.size(); i += 37) (void)chosen.Identity(i);
        taker.join();
        EXPECT_EQ(done.load(), names.size() + 4);
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(std::tuple(chosen.Identity(i), chosen.PositionOf(T(names[i]))),
                      std::tuple(open->IdentityOf(T(names[i])), names[i] == "a/b" ? std::nullopt : std::optional(i))) << names[i];
        EXPECT_EQ(std::tuple(chosen.Identified(), chosen.Seen(0).has_value()),
                  std::tuple(names.size() - 2 - (noLinks ? 1 : 0), open->Rule().Kind == IdentityKind::Fingerprint && open->Rule().Mount != 0));
    });
}

// On FAT and exFAT a file is known by size, time and the checksum of its
// edges. Within the run that read them, a check before a rename compares the
// size and time (and the mount's inode number) instead of reading the file
// again; a file whose size or time differs is skipped as always, and after a
// remount the fingerprint is read again. Other bytes in place on exFAT only:
// the FAT driver through FUSE here refuses to rewrite a file (and leaves it
// damaged), though it appends.
TEST(ChosenFiles, OnFatAndExfatAFileChangedBetweenChooseAndRenameIsSkipped) {
    enum class Change { None, Longer, Later, OtherBytes };
    const struct { const char* name; Change change; bool remount; bool renamed; } rows[] = {
        {"untouched", Change::None, false, true},
        {"a byte longer, same time", Change::Longer, false, false},
        {"same size, two seconds later", Change::Later, false, false},
        {"same size and time, other bytes, after a remount", Change::OtherBytes, true, false},
        {"untouched, after a remount", Change::None, true, true},
    };
    const int ran = OnEachMount({"exfat", "vfat"}, [&](ScratchMount* mount) {
        for (const auto& row : rows) {
            if (row.change == Change::OtherBytes && mount->kind == "vfat") continue;
            SCOPED_TRACE(row.name);
            const TempDir dir(mount->point);
            for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, std::string(5000, name[0]));
            const ChosenFiles chosen = TakeIdentities(T(dir.path), {u"a.txt", u"b.txt", u"c.txt"});
            ASSERT_TRUE(chosen.Seen(1)) << "this run saw it";
            struct stat seen {};
            ASSERT_EQ(::stat(dir.At("b.txt").c_str(), &seen), 0);
            if (row.change == Change::Longer) std::ofstream(dir.At("b.txt"), std::ios::app) << 'b';
            if (row.change == Change::OtherBytes) dir.Write("b.txt", std::string(5000, 'x'));
            // Both times given: the exFAT driver here ignores a change that leaves one as it is.
            struct timespec times[2] = {seen.st_atim, seen.st_mtim};
            times[1].tv_sec += row.change == Change::Later ? 2 : 0;
            ASSERT_EQ(::utimensat(AT_FDCWD, dir.At("b.txt").c_str(), times, 0), 0);
            ASSERT_TRUE(!row.remount || mount->Remount());
            // The FAT driver through FUSE stamps a file with the time of its
            // rename: there the time tells nothing, and size and content decide.
            const bool renamed = row.renamed || (mount->kind == "vfat" && row.change == Change::Later);
            FaultInjectingRenamer renamer;
            const PassResult pass = ApplyRenames(NumberEach({"a.txt", "b.txt", "c.txt"}), T(dir.path), renamer, nullptr, &chosen);
            const Files after = FilesIn(dir.path);
            EXPECT_EQ(std::tuple(NumberOf(pass.Error), pass.FilesSkipped, after.count("P0002.txt"), after.count("P0003.txt")),
                      std::tuple(0, !renamed, renamed ? 1u : 0u, 1u));
        }
    });
    if (ran == 0) GTEST_SKIP() << "no FAT or exFAT could be mounted here (needs root and FUSE)";
}

TEST(FileIdentity, AnotherStickAtTheSamePathNeverCostsThePass) {
    // Another file system mounted where the pass's was, holding a folder of
    // the same name and files of the pass's new names: nothing there is
    // touched, the pass stays in the history, and with the right stick back
    // every name comes back.
    const struct { const char* kind; int error; } rows[] = {
        {"ext4", 76}, {"vfat", 53}, {"exfat", 53}, {"ntfs", 53},
    };
    int mounted = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        ScratchMount stick(row.kind), other(row.kind);
        other.point = stick.point;
        if (!stick.Up()) continue;
        ++mounted;
        const std::string photos = stick.point + "/photos";
        std::filesystem::create_directory(photos);
        for (const char* name : {"a.txt", "b.txt"}) std::ofstream(photos + "/" + name) << name;
        const TempDir state;
        JournalStore store(state.At("journals"));
        FaultInjectingRenamer renamer;
        RenameSession session(renamer, &store);
        PassHistory history(&store);
        AcceptedPass(session, photos, {u"a.txt", u"b.txt"});
        if (HasFatalFailure()) return;
        ASSERT_TRUE(stick.Unmount());
        ASSERT_TRUE(other.Up());
        std::filesystem::create_directory(photos);
        for (const char* name : {"P0001.txt", "P0002.txt"}) std::ofstream(photos + "/" + name) << "another stick";
        const Files strangers = FilesIn(photos);
        const SessionUndo away = UndoLast(history);
        EXPECT_EQ(std::tuple(NumberOf(away.Error), away.Restored, away.NoneFound, FilesIn(photos)),
                  std::tuple(row.error, 0u, row.error == 53, strangers));
        ASSERT_TRUE(history.NextToUndo().Pass) << "the pass stays in the history";

        ASSERT_TRUE(other.Unmount());
        ASSERT_TRUE(stick.Mount());
        const std::size_t restored = UndoLast(history).Restored;
        EXPECT_EQ(std::tuple(restored, FilesIn(photos), bool(history.NextToUndo().Pass)),
                  std::tuple(2u, Files{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}}, false));
    }
    if (mounted == 0) GTEST_SKIP() << "no file system could be mounted here (needs root and the mount tools)";
}
