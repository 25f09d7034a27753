// Many generated directories with odd names, every mask mode and random
// refusals: no file's content is ever lost or overwritten, the directory
// always matches the journal, and an undo restores the original names.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <random>

#include "fault_injecting_renamer.h"
#include "mask_preview.h"
#include "rename_pass.h"
#include "temp_dir.h"

using namespace morvane;

static std::string NameOf(const Text& entry) { return *ToUtf8(entry.substr(entry.rfind(u'/') + 1)); }

// The directory that the journal's renames leave (given the undone journal:
// that their undo leaves). Every source leaves, then each content takes its
// target; a content lost or two under one name leave a file too few.
static Files Replay(Files model, const WorkState& pass, const WorkState* undone = nullptr) {
    const std::size_t count = model.size();
    Files moved;
    for (int i = 0; i <= pass.JournalLastIndex; ++i) {
        if (pass.OldNames[i] == pass.NewNames[i]) continue;
        const Text& from = undone ? pass.NewNames[i] : pass.OldNames[i];
        moved[NameOf(undone ? undone->OldNames[i] : pass.NewNames[i])] = model[NameOf(from)];
        model.erase(NameOf(from));
    }
    model.merge(moved);
    EXPECT_EQ(model.size(), count);
    return model;
}

TEST(RenameRandomized, NoContentIsLostAndUndoRestoresTheOriginalNames) {
    std::mt19937 rng(20240611);
    auto pick = [&](const auto& options) { return options[rng() % std::size(options)]; };
    const std::string parts[] = {"a", "IMG", "12", "0042", "7", ".", "..", " ", "é", "日本", "😀", "-1", "x.y", "_"};
    const std::string extensions[] = {"", ".txt", ".txt", ".txt", ".y", ".", ".tar.gz"};
    const char16_t* prefixes[] = {u"", u"P", u"P", u"P", u"IMG", u"P.0"};
    const char16_t* suffixes[] = {u"", u"", u"", u"_x", u"."};
    const char16_t* starts[] = {u"", u"", u"1", u"7", u"999", u"007"};
    RecordingPointer pointer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    int round = 0;
    for (; round < 250 && std::chrono::steady_clock::now() < deadline; ++round) {
        SCOPED_TRACE(round);
        TempDir dir;
        std::vector<Text> listed;
        for (int k = 1 + rng() % 12; k > 0; --k) {
            // Often a name that the pass is likely to compose for another file.
            std::string name = rng() % 2 ? "" : "P000" + std::to_string(1 + rng() % 4);
            for (unsigned n = name.empty() ? 1 + rng() % 3 : 0; n > 0; --n) name += pick(parts);
            name += pick(extensions);
            if (name == "." || name == ".." || dir.List().count(name)) continue;
            dir.Write(name, "#" + name);
            if (rng() % 5) listed.push_back(T(name));
        }
        if (rng() % 8 == 0) listed.push_back(u"not there.txt");
        std::shuffle(listed.begin(), listed.end(), rng);
        const Files original = dir.List();

        WorkState ws;
        const OptionTexts options{pick(prefixes), pick(suffixes), pick(starts), pick(std::array{u"0", u"1", u"2"})};
        const Text example = listed.empty() ? Text(u"IMG_0042.jpg") : listed[0];
        const auto at = rng() % (example.size() + 1);
        Extract(ws, example, example.substr(at, rng() % 3 ? rng() % (example.size() - at + 1) : 0), options, u'.');
        FaultInjectingRenamer renamer;
        unsigned failPercent = rng() % 3 * 10;
        renamer.Fault = [&](const Text&) { return rng() % 100 < failPercent ? (rng() % 4 ? 75 : 53) : 0; };
        RunRenamePass(ws, listed, T(dir.path), options, example, renamer, pointer);
        const WorkState pass = ws;
        const Files afterPass = Replay(original, pass);
        ASSERT_EQ(dir.List(), afterPass);

        // An undo that meets refusals, then one that does not.
        failPercent = rng() % 2 * 20;
        const bool undoFailedOnce = !UndoLastPass(ws, renamer, pointer).Completed;
        failPercent = 0;
        ASSERT_TRUE(UndoLastPass(ws, renamer, pointer).Completed);
        for (int i = 0; i <= ws.JournalLastIndex; ++i) ASSERT_EQ(ws.OldNames[i], ws.NewNames[i]);
        ASSERT_EQ(dir.List(), Replay(afterPass, pass, &ws));
        ASSERT_TRUE(undoFailedOnce || dir.List() == original);
        ASSERT_EQ(pointer.Current, 3);
    }
    EXPECT_GE(round, 50);
}
