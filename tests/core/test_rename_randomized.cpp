// Many generated directories with odd names, every mask mode and random
// refusals: no file's content is ever lost or overwritten, the directory
// always matches the journal, an undo restores the original names, and the
// remembered clash retry takes exactly the names the one-by-one retry takes
// (one_by_one.h, the reference).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>

#include "error_number_checks.h"
#include "concurrent_creator.h"
#include "fault_injecting_renamer.h"
#include "one_by_one.h"
#include "naming/mask_preview.h"
#include "naming/name_composer.h"
#include "pass/name_snapshot.h"
#include "pass/pass_prediction.h"
#include "pass/rename_pass.h"
#include "temp_dir.h"

using namespace morvane;

namespace {

std::string NameOf(const Text& path) { return *ToUtf8(path.substr(path.rfind(u'/') + 1)); }

// The directory that the journal's renames leave: every renamed source
// leaves, then each content takes its new name; a content lost or two under
// one name leave a file too few. undone: the journal after an undo.
Files Replay(Files model, const RenameJournal& pass, const RenameJournal* undone = nullptr) {
    const std::size_t count = model.size();
    Files moved;
    for (std::size_t i = 0; i < pass.Entries.size(); ++i) {
        const JournalEntry& entry = pass.Entries[i];
        if (entry.State != EntryState::Renamed) continue;
        if (undone && undone->Entries[i].State != EntryState::Restored) continue;
        const Text& from = undone ? entry.To : entry.From;
        const Text& to = undone ? undone->Entries[i].From : entry.To;
        moved[*ToUtf8(to)] = model[*ToUtf8(from)];
        model.erase(*ToUtf8(from));
    }
    model.merge(moved);
    EXPECT_EQ(model.size(), count);
    return model;
}

std::vector<Text> Taken(const RenameJournal& journal) {
    std::vector<Text> names;
    for (const JournalEntry& entry : journal.Entries) names.push_back(entry.From + u" -> " + entry.To);
    return names;
}

unsigned Seed() {
    const char* given = std::getenv("MORVANE_SEED");
    const unsigned seed = given ? unsigned(std::strtoul(given, nullptr, 10)) : 20240611u;
    std::cout << "seed " << seed << " (set MORVANE_SEED to repeat)\n";
    return seed;
}

}  // namespace

TEST(RenameRandomized, NoContentIsLostUndoRestoresAndBothClashRetriesAgree) {
    const unsigned seed = Seed();
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 rng(seed);
    auto pick = [&](const auto& options) { return options[rng() % std::size(options)]; };
    const std::string parts[] = {"a", "IMG", "12", "0042", "7", ".", "..", " ", "é", "日本", "😀", "-1", "x.y", "_", "P0001-"};
    const std::string extensions[] = {"", ".txt", ".txt", ".txt", ".y", ".", ".tar.gz"};
    const char16_t* prefixes[] = {u"", u"P", u"P", u"P", u"IMG", u"P.0"};
    const char16_t* suffixes[] = {u"", u"", u"", u"_x", u"."};
    const char16_t* starts[] = {u"", u"", u"1", u"7", u"999", u"007"};
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round);
        TempDir oneByOne, remembered;
        std::vector<Text> listed;
        for (int k = 1 + rng() % 12; k > 0; --k) {
            // Often a name that the pass is likely to compose for another file.
            std::string name = rng() % 2 ? "" : "P000" + std::to_string(1 + rng() % 4) + (rng() % 3 ? "" : "-" + std::to_string(1 + rng() % 3));
            for (unsigned n = name.empty() ? 1 + rng() % 3 : 0; n > 0; --n) name += pick(parts);
            name += pick(extensions);
            if (name == "." || name == ".." || oneByOne.List().count(name)) continue;
            oneByOne.Write(name, "#" + name);
            remembered.Write(name, "#" + name);
            if (rng() % 5) listed.push_back(T(name));
        }
        if (rng() % 8 == 0) listed.push_back(u"not there.txt");
        std::shuffle(listed.begin(), listed.end(), rng);
        const Files original = oneByOne.List();

        const Options options{pick(prefixes), pick(suffixes), pick(starts),
                              pick(std::array{LetteringPosition::None, LetteringPosition::First, LetteringPosition::Last})};
        const Text example = listed.empty() ? Text(u"IMG_0042.jpg") : listed[0];
        const auto at = rng() % (example.size() + 1);
        const Text mask = example.substr(at, rng() % 3 ? rng() % (example.size() - at + 1) : 0);
        const MaskAnalysis analysis = Extract({}, example, mask, options, u'.').Analysis;
        const NamePlan plan = ComposeNewNames(listed, analysis, options, example);

        // Refusals by source name, so that both retries meet the same ones.
        const unsigned salt = rng();
        unsigned failPercent = rng() % 3 * 10;
        auto fault = [&](const Text& from) {
            const unsigned h = unsigned(std::hash<std::string>{}(NameOf(from))) ^ salt;
            return h % 100 < failPercent ? (h % 7 ? ErrCannotAccess : ErrFileNotFound) : ErrNone;
        };
        // The preview first, against the directory's names in memory.
        auto snapshot = NameSnapshot::Read(T(remembered.path));
        ASSERT_TRUE(snapshot.has_value());
        FaultInjectingRenamer refusingSnapshot, renamer;
        refusingSnapshot.Inner = &*snapshot;
        refusingSnapshot.Fault = renamer.Fault = fault;
        const Prediction prediction = PredictPass(plan, T(remembered.path), refusingSnapshot);

        PassResult one = OneByOnePass(plan, T(oneByOne.path), renamer);
        PassResult two = ApplyRenames(plan, T(remembered.path), renamer);
        ASSERT_EQ(std::tuple(Taken(one.Journal), one.Error, one.FilesSkipped), std::tuple(Taken(two.Journal), two.Error, two.FilesSkipped));
        ASSERT_EQ(prediction.Error, plan.Error != ErrNone ? plan.Error : one.Error);
        if (prediction.Error == 0) {
            ASSERT_EQ(prediction.Names.size(), one.Journal.Entries.size());
            for (std::size_t i = 0; i < prediction.Names.size(); ++i)
                ASSERT_EQ(prediction.Names[i].NewName, one.Journal.Entries[i].To) << "entry " << i;
        }
        const Files afterPass = Replay(original, one.Journal);
        ASSERT_EQ(std::pair(oneByOne.List(), remembered.List()), std::pair(afterPass, afterPass));

        // An undo that meets refusals, then one that does not.
        const RenameJournal passJournal = one.Journal;
        failPercent = rng() % 2 * 20;
        const bool undoFailedOnce = OneByOneUndo(one.Journal, renamer) != 0;
        ASSERT_EQ(UndoLastPass(two.Journal, renamer).FirstError != 0, undoFailedOnce);
        failPercent = 0;
        ASSERT_EQ(OneByOneUndo(one.Journal, renamer), 0);
        ASSERT_EQ(UndoLastPass(two.Journal, renamer).FirstError, 0);
        ASSERT_EQ(Taken(one.Journal), Taken(two.Journal));
        for (const JournalEntry& entry : one.Journal.Entries) ASSERT_NE(entry.State, EntryState::Renamed);
        ASSERT_EQ(std::pair(oneByOne.List(), remembered.List()), std::pair(Replay(afterPass, passJournal, &one.Journal), oneByOne.List()));
        ASSERT_TRUE(undoFailedOnce || oneByOne.List() == original);
    }
}

TEST(RenameRandomized, RememberedRetryFindsANameGivenUpDuringThePass) {
    // b-2.txt is a listed file renamed away before the later files look for a
    // free "b-N.txt": both retries must find it again.
    for (const bool oneByOne : {true, false}) {
        SCOPED_TRACE(oneByOne ? "one by one" : "remembered");
        TempDir dir;
        for (const char* name : {"b.txt", "b-1.txt", "b-2.txt", "b-3.txt", "x.txt", "y.txt"}) dir.Write(name, name);
        NamePlan plan;
        plan.Entries = {{u"x.txt", u".txt", u"b", PlanAction::Rename}, {u"b-2.txt", u".txt", u"c", PlanAction::Rename},
                        {u"y.txt", u".txt", u"b", PlanAction::Rename}};
        FaultInjectingRenamer renamer;
        const PassResult result = oneByOne ? OneByOnePass(plan, T(dir.path), renamer) : ApplyRenames(plan, T(dir.path), renamer);
        ASSERT_EQ(result.Error, 0);
        EXPECT_EQ(Taken(result.Journal), (std::vector<Text>{u"x.txt -> b-4.txt", u"b-2.txt -> c.txt", u"y.txt -> b-2.txt"}));
    }
}

TEST(RenameRandomized, AConcurrentCreatorLosesNothingAtEveryFallbackLevel) {
    const unsigned seed = Seed();
    std::mt19937 rng(seed);
    for (int round = 0; round < 60; ++round) {
        const Level level = Level(round % 3);
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round << ", " << NameOf(level));
        TempDir dir;
        NamePlan plan;
        for (int i = 0, files = 2 + int(rng() % 10); i < files; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            dir.Write(name, "#" + name);
            plan.Entries.push_back({T(name), u".txt", T("P" + std::to_string(rng() % 3)), PlanAction::Rename});
        }
        // Between calls, now and then, the other program creates a file at a
        // name the pass is likely to want: a target, a numbered one, a source.
        Creator creator{dir, {}};
        // Now and then a moving call fails too (a failed check would leave
        // an empty placeholder by design).
        const CallHook hook = [&](const char* call) {
            if (const int lacking = Lacking(level, call)) return lacking;
            if (rng() % 4 == 0) {
                const std::string names[] = {"P" + std::to_string(rng() % 3) + ".txt",
                                             "P" + std::to_string(rng() % 3) + "-" + std::to_string(1 + rng() % 3) + ".txt",
                                             "f" + std::to_string(rng() % 12) + ".txt"};
                creator.Create(names[rng() % 3]);
            }
            const std::string_view c = call;
            const bool moves = c == "renameat2" || c == "link" || c == "open" || c == "rename";
            return moves && rng() % 12 == 0 ? int(EIO) : 0;
        };
        PosixRenamer renamer(Observed(SystemRenameCalls(), hook));
        PassResult pass = ApplyRenames(plan, T(dir.path), renamer);
        UndoLastPass(pass.Journal, renamer);

        // Every content of either party is there once: the pass's files
        // (each under some name) and every file the other program made.
        std::multiset<std::string> expected, found;
        for (const PlannedName& entry : plan.Entries) expected.insert("#" + *ToUtf8(entry.Listed));
        for (const auto& [name, content] : creator.made) expected.insert(content);
        for (const auto& [name, content] : dir.List()) found.insert(content);
        ASSERT_EQ(found, expected);
        for (const auto& [name, content] : creator.made) ASSERT_EQ(dir.List().at(name), content) << "moved: " << name;
    }
}
