// The rename layer on real FAT and exFAT mounts (through FUSE), which have
// neither RENAME_NOREPLACE nor hard links, against another program that
// creates a file with O_EXCL before each of the layer's calls in turn.
// Then the date in the name where FAT refuses a character of it. Needs root
// and the file systems' tools; skipped elsewhere.
#include <gtest/gtest.h>

#include "concurrent_creator.h"
#include "error_number_checks.h"
#include "files/file_order.h"
#include "fault_injecting_renamer.h"
#include "photo_samples.h"
#include "run_undo.h"
#include "scratch_mount.h"

using namespace morvane;

TEST(RenameRealFilesystems, RenamesOntoAPlaceholderAndAConcurrentCreatorLosesNothing) {
    const int ran = OnEachMount({"vfat", "exfat"}, [](ScratchMount* mount) {
        // A change of case: each spelling reports its own inode number here.
        const TempDir dir(mount->point);
        dir.Write("photo", "P");
        const ErrorNumber cased = PosixRenamer().Rename(T(dir.At("photo")), T(dir.At("Photo")));
        EXPECT_EQ(std::tuple(cased, dir.List()), std::tuple(ErrNone, Files{{"Photo", "P"}}));
        // A character the file system refuses is named as the cause.
        PosixRenamer refused;
        const ErrorNumber error = refused.Rename(T(dir.At("Photo")), T(dir.At("Photo?.jpg")));
        EXPECT_EQ(std::tuple(NumberOf(error), refused.LastRefusal(), dir.List()),
                  std::tuple(52, RefusalCause::CharacterRefused, Files{{"Photo", "P"}}));
        // The file system's own answers decide the fallback here.
        EveryCallAgainstACreator(mount->point, Level::Atomic);
    });
    if (ran == 0) GTEST_SKIP() << "no FAT or exFAT could be mounted here (needs root and the mount tools)";
}

// On FAT a date written with ":" would fail every rename: the preview says so
// for each photo and the pass leaves them all. Written without one, each
// photo is named by the day it was taken, and the undo gives every name back.
TEST(RenameRealFilesystems, TheDateInTheNameAsTheFileSystemTakesIt) {
    ScratchMount mount("vfat");
    if (!mount.Up()) GTEST_SKIP() << "no FAT could be mounted here (needs root and the mount tools)";
    using namespace photo_samples;
    const TempDir dir(mount.point), made, state;
    for (const auto& [name, taken] : {std::pair("a.jpg", "2024:07:15 08:05:00"), std::pair("b.jpg", "2024:07:14 09:30:00")}) {
        WritePhoto(made.At(name), TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", taken}});
        WriteBytes(dir.At(name), ReadBytes(made.At(name)));
    }
    const Files before = dir.List();
    using O = PredictedOutcome;
    struct Row { const char* name; Text format; std::vector<O> predicted; std::vector<std::string> after; std::vector<std::tuple<RefusalCause, Text, std::size_t>> refused; };
    const Row rows[] = {
        {"a colon", u"HH:mm_", {O::RefusedByFileSystem, O::RefusedByFileSystem}, {"a.jpg", "b.jpg"}, {{RefusalCause::CharacterRefused, u"a.jpg", 2}}},
        {"the default format", DefaultDateFormat, {O::Renamed, O::Renamed}, {"2024-07-14_0002.jpg", "2024-07-15_0001.jpg"}, {}},
    };
    JournalStore store(state.At("journals"));
    PosixRenamer renamer;
    RenameSession session(renamer, &store);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Options options;
        std::tie(options.DateInName, options.DateFormat) = std::pair(DateChoice::Taken, row.format);
        ASSERT_EQ(session.SetOptions(options).Error, 0);
        ASSERT_EQ(session.Choose(T(dir.path), {u"a.jpg", u"b.jpg"}).State, SessionState::Chosen);
        const auto facts = ReadFileFacts(T(dir.path), {u"a.jpg", u"b.jpg"}, ListOrder::Name, DateChoice::Taken);
        ASSERT_EQ(session.SetDates(DateChoice::Taken, {u"a.jpg", u"b.jpg"}, DatesInNames(facts, DateChoice::Taken)).Error, 0);
        ASSERT_EQ(session.Extract(u'.').Error, 0);
        std::vector<O> predicted;
        for (const PredictedName& name : session.Preview().Names) predicted.push_back(name.Outcome);
        const RenameOutcome pass = session.Rename();
        std::vector<std::string> after;
        for (const auto& [name, content] : dir.List()) after.push_back(name);
        std::vector<std::tuple<RefusalCause, Text, std::size_t>> refused;
        for (const FileRefusal& r : pass.Skipped.Refused) refused.emplace_back(r.Cause, r.First, r.Count);
        EXPECT_EQ(std::tuple(predicted, NumberOf(pass.Error), pass.FilesSkipped, after, refused),
                  std::tuple(row.predicted, 0, row.after == std::vector<std::string>{"a.jpg", "b.jpg"}, row.after, row.refused));
        const ErrorNumber undone = UndoReview(session).Error;
        EXPECT_EQ(std::tuple(undone, dir.List()), std::tuple(ErrNone, before));
    }
}
