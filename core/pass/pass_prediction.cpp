#include "pass/pass_prediction.h"

#include <algorithm>

#include "pass/rename_pass.h"

namespace morvane {

std::size_t Prediction::Count(PredictedOutcome outcome) const {
    return static_cast<std::size_t>(
        std::count_if(Names.begin(), Names.end(), [outcome](const PredictedName& n) { return n.Outcome == outcome; }));
}

Prediction PredictPass(const NamePlan& plan, const Text& directory, FileRenamer& snapshot) {
    Prediction prediction;
    prediction.Uncovered = plan.Uncovered;
    if (plan.Error != ErrNone) {
        prediction.Error = plan.Error;
        prediction.Refused = plan.Refused;
        return prediction;
    }
    if (!plan.Entries.empty() && directory.empty()) {
        prediction.Error = ErrPathNotFound;
        return prediction;
    }
    const PassResult pass = ApplyRenames(plan, directory, snapshot);
    if (pass.Error != ErrNone) {
        prediction.Error = pass.Error;
        return prediction;
    }
    for (std::size_t i = 0; i < plan.Entries.size(); ++i) {
        const PlannedName& planned = plan.Entries[i];
        const JournalEntry& entry = pass.Journal.Entries[i];
        PredictedName name{planned.Listed, entry.To, PredictedOutcome::KeepsItsName, false};
        if (entry.State == EntryState::Renamed)
            name.Outcome = entry.To == planned.Target() ? PredictedOutcome::Renamed : PredictedOutcome::NumberAdded;
        else if (planned.Action != PlanAction::Keep)
            name.Outcome = PredictedOutcome::Skipped;
        if (planned.Skip == SkipReason::RefusedCharacter) {
            name.Outcome = PredictedOutcome::RefusedByFileSystem;
            name.RefusedName = planned.Target();
        }
        name.Hidden = entry.State == EntryState::Renamed && !entry.To.empty() && entry.To.front() == u'.';
        name.Skip = planned.Skip;
        name.DateModifiedUsed = planned.DateModifiedUsed && planned.Action != PlanAction::Keep;
        prediction.Names.push_back(std::move(name));
    }
    return prediction;
}

void ListUncovered(Prediction& prediction, const std::vector<Text>& listed) {
    if (prediction.Error != ErrNone) return;
    const std::size_t uncovered = std::min(prediction.Uncovered, listed.size());
    for (std::size_t i = listed.size() - uncovered; i < listed.size(); ++i)
        prediction.UncoveredNames.push_back(listed[i]);
}

}  // namespace morvane
