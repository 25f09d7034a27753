#pragma once
// The system's rename calls with a hook before each one: it may act on the
// directory (another program at work) or answer an errno in the call's place.
#include <functional>

#include "rename_layer.h"

// Answers 0 to let the real call run, or the errno the call then returns.
using CallHook = std::function<int(const char* call)>;

inline morvane::RenameCalls Observed(morvane::RenameCalls c, const CallHook& hook) {
    return {.RenameNoReplace = [=](const char* f, const char* t) { const int e = hook("renameat2"); return e ? e : c.RenameNoReplace(f, t); },
            .Link = [=](const char* f, const char* t) { const int e = hook("link"); return e ? e : c.Link(f, t); },
            .Unlink = [=](const char* p) { const int e = hook("unlink"); return e ? e : c.Unlink(p); },
            .Rename = [=](const char* f, const char* t) { const int e = hook("rename"); return e ? e : c.Rename(f, t); },
            .Lstat = [=](const char* p, struct stat& st) { const int e = hook("lstat"); return e ? e : c.Lstat(p, st); },
            .CreateExclusive = [=](const char* p, int& fd) { const int e = hook("open"); return e ? e : c.CreateExclusive(p, fd); },
            .Fstat = [=](int fd, struct stat& st) { const int e = hook("fstat"); return e ? e : c.Fstat(fd, st); },
            .Close = [=](int fd) { const int e = hook("close"); return e ? e : c.Close(fd); }};
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
