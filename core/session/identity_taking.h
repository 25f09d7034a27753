#pragma once
// The chosen files' identities, taken on a thread beside the window's: "OK"
// on hundreds of thousands of files gives the window back at once, and a
// pass waits only for the files it covers, which are taken first once asked
// for. The job shares the chosen files with the workflow, so a new choice or
// the end of the program never pulls them from under it; cancelled, it stops
// at its next file and the identities it took are simply not used.
#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "files/chosen_files.h"

namespace morvane {

class IdentityTaking {
public:
    explicit IdentityTaking(std::shared_ptr<ChosenFiles> chosen);

    // On the worker, once: every identity not taken yet, in the chooser's
    // order, those asked for by Prefer first; returns when all are in or
    // when cancelled.
    void Run();
    // From any thread.
    void Cancel() { cancel_.store(true); }
    bool Cancelled() const { return cancel_.load(); }
    // The positions a pass is waiting for: taken before the rest.
    void Prefer(std::vector<std::size_t> positions);
    std::size_t Taken() const { return chosen_->TakenCount(); }
    std::size_t Total() const { return chosen_->Size(); }

private:
    std::shared_ptr<ChosenFiles> chosen_;
    std::atomic<bool> cancel_{false};
    std::mutex lock_;
    std::vector<std::size_t> preferred_;
    std::atomic<bool> hasPreferred_{false};
};

}  // namespace morvane
