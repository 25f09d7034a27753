#pragma once
// A double of the rename layer for the rename pass's tests.
#include <functional>
#include <vector>

#include "files/rename_layer.h"

inline morvane::Text T(const std::string& utf8) { return *morvane::FromUtf8(utf8); }

// Renames on disk, through Inner when given (or only pretends to), unless
// Fault answers an error number for the call, which is then returned with the
// file untouched.
struct FaultInjectingRenamer : morvane::FileRenamer {
    morvane::PosixRenamer Real;
    morvane::FileRenamer* Inner = nullptr;
    std::function<morvane::ErrorNumber(const morvane::Text& from)> Fault;
    bool TouchDisk = true;
    morvane::RefusalCause Cause = morvane::RefusalCause::None;  // what an injected fault says it was
    std::vector<morvane::Text> From;  // every call's source

    morvane::ErrorNumber Rename(const morvane::Text& from, const morvane::Text& to) override {
        From.push_back(from);
        injected_ = Fault ? Fault(from) : morvane::ErrNone;
        if (injected_ != morvane::ErrNone) return injected_;
        return !TouchDisk ? morvane::ErrNone : Inner ? Inner->Rename(from, to) : Real.Rename(from, to);
    }
    morvane::Text LastTemporaryName() const override { return Real.LastTemporaryName(); }
    morvane::RefusalCause LastRefusal() const override {
        return injected_ != morvane::ErrNone ? Cause : Inner ? Inner->LastRefusal() : Real.LastRefusal();
    }
    // The renames go through whichever renamer acts, so that one enters the directory too.
    morvane::ErrorNumber Enter(const morvane::Text& dir, const std::optional<morvane::FileIdentity>& expected) override {
        const morvane::ErrorNumber err = FileRenamer::Enter(dir, expected);
        if (err != morvane::ErrNone || !TouchDisk) return err;
        return Inner ? Inner->Enter(dir, expected) : Real.Enter(dir, expected);
    }
    void Watch(morvane::LeftoverWatch* watch) override {
        Real.Watch(watch);
        if (Inner) Inner->Watch(watch);
    }
    void Leave() override {
        FileRenamer::Leave();
        Real.Leave();
        if (Inner) Inner->Leave();
    }

private:
    morvane::ErrorNumber injected_ = morvane::ErrNone;
};
