#pragma once
// Another program at work in the directory while the rename layer runs: a
// hook before each of the layer's system calls, the fallback levels of the
// file systems, a creator that makes its files with O_EXCL, and one rename
// tried against that creator before each of the rename's calls in turn.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

#include "error_number_checks.h"
#include "base/error_numbers.h"
#include "fault_injecting_renamer.h"
#include "files/rename_layer.h"
#include "temp_dir.h"

using morvane::RenameCalls;

// The system's rename calls with a hook before each one: it may act on the
// directory (another program at work) or answer an errno in the call's place
// (0: the real call runs).
using CallHook = std::function<int(const char* call)>;

inline RenameCalls Observed(RenameCalls c, const CallHook& hook) {
    const auto hooked = [hook](const char* name, auto call) {
        return [hook, name, call](auto&&... args) {
            const int e = hook(name);
            return e ? e : call(args...);
        };
    };
    return {.RenameNoReplace = hooked("renameat2", c.RenameNoReplace),
            .Link = hooked("link", c.Link),
            .Unlink = hooked("unlink", c.Unlink),
            .Rename = hooked("rename", c.Rename),
            .Lstat = hooked("lstat", c.Lstat),
            .CreateExclusive = hooked("open", c.CreateExclusive),
            .Fstat = hooked("fstat", c.Fstat),
            // The descriptor is released even when the answer is forced.
            .Close = [=](int fd) { const int e = hook("close"), real = c.Close(fd); return e ? e : real; },
            .Write = hooked("write", c.Write),
            .Sync = hooked("fsync", c.Sync),
            .Attributes = c.Attributes};
}

// The fallback levels of the renamer: which calls the file system lacks.
enum class Level { Atomic, Link, Placeholder };
inline const char* NameOf(Level level) {
    return level == Level::Atomic ? "renameat2" : level == Level::Link ? "link and unlink" : "placeholder";
}

// The answer of a file system at that level to the calls it lacks, 0 otherwise.
inline int Lacking(Level level, const char* call) {
    const std::string_view c = call;
    if (level != Level::Atomic && c == "renameat2") return EINVAL;
    if (level == Level::Placeholder && c == "link") return EPERM;
    return 0;
}

// Another program that creates its files only with O_EXCL, as it should.
struct Creator {
    const TempDir& dir;
    Files made;  // name -> content of every file it created
    bool Create(const std::string& name) {
        const int fd = open(dir.At(name).c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        if (fd < 0) return false;
        const std::string content = "C" + std::to_string(made.size());
        EXPECT_EQ(write(fd, content.data(), content.size()), ssize_t(content.size()));
        close(fd);
        made[name] = content;
        return true;
    }
};

// Renames a to b in a new directory under `under` while the creator tries to
// take creatorName just before call number `at`. Returns how many calls the
// rename made, so that a caller can try every call in turn.
inline int RenameAgainstCreator(const std::string& under, Level level, int at, const char* creatorName) {
    TempDir dir(under);
    dir.Write("a", "A");
    Creator creator{dir, {}};
    int calls = 0;
    morvane::PosixRenamer renamer(Observed(morvane::SystemRenameCalls(), [&](const char* call) {
        if (calls++ == at) creator.Create(creatorName);
        return Lacking(level, call);
    }));
    const int number = morvane::NumberOf(renamer.Rename(T(dir.At("a")), T(dir.At("b"))));
    EXPECT_TRUE(number == 0 || number == 58) << number;
    Files expected = creator.made;
    const auto mine = expected.emplace(number == 0 ? "b" : "a", "A");
    EXPECT_TRUE(mine.second) << "the renamer's file and the creator's share a name";
    EXPECT_EQ(dir.List(), expected);
    return calls;
}

// The above before every call of a rename, with either name taken.
inline void EveryCallAgainstACreator(const std::string& under, Level level) {
    for (const char* creatorName : {"b", "a"}) {
        for (int at = 0;; ++at) {
            SCOPED_TRACE(testing::Message() << NameOf(level) << ", creating " << creatorName << " before call " << at);
            if (RenameAgainstCreator(under, level, at, creatorName) <= at) break;
        }
    }
}
