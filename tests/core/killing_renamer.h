#pragma once
// A renamer that kills its own process with SIGKILL before its rename
// numbered killAt (1 for the first; 0 never), as a crash or a power cut would
// end a pass there.
#include <signal.h>

#include "files/rename_layer.h"

struct KillingRenamer : morvane::FileRenamer {
    morvane::PosixRenamer real;
    int calls = 0, killAt;
    KillingRenamer(morvane::RenameCalls system, int k) : real(std::move(system)), killAt(k) {}
    explicit KillingRenamer(int k) : KillingRenamer(morvane::SystemRenameCalls(), k) {}
    morvane::ErrorNumber Rename(const morvane::Text& from, const morvane::Text& to) override {
        if (++calls == killAt) raise(SIGKILL);
        return real.Rename(from, to);
    }
    void Watch(morvane::LeftoverWatch* watch) override { real.Watch(watch); }
    morvane::ErrorNumber Enter(const morvane::Text& dir, const std::optional<morvane::FileIdentity>& expected) override {
        const morvane::ErrorNumber err = FileRenamer::Enter(dir, expected);
        return err != morvane::ErrNone ? err : real.Enter(dir, expected);
    }
};
