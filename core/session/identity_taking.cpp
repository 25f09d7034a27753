#include "session/identity_taking.h"

#include <algorithm>

namespace morvane {
namespace {

// Small enough that a pass waiting for its files is heard soon.
constexpr std::size_t PartSize = 4096;

}  // namespace

IdentityTaking::IdentityTaking(std::shared_ptr<ChosenFiles> chosen) : chosen_(std::move(chosen)) {}

void IdentityTaking::Prefer(std::vector<std::size_t> positions) {
    {
        const std::lock_guard<std::mutex> guard(lock_);
        preferred_ = std::move(positions);
    }
    hasPreferred_.store(true);
}

void IdentityTaking::Run() {
    const std::size_t total = chosen_->Size();
    for (std::size_t next = 0; next < total && !Cancelled();) {
        if (hasPreferred_.exchange(false)) {
            std::vector<std::size_t> preferred;
            {
                const std::lock_guard<std::mutex> guard(lock_);
                preferred.swap(preferred_);
            }
            chosen_->TakeAt(preferred, &cancel_);
            continue;
        }
        const std::size_t last = std::min(next + PartSize, total);
        chosen_->Take(next, last, &cancel_);
        next = last;
    }
}

}  // namespace morvane
