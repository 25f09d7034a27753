#include "presenter/list_orderer.h"

#include <QtConcurrent/QtConcurrentRun>

#include "files/file_order.h"

namespace {

OrderedChoice OrderChoice(const morvane::Text& directory, const std::vector<morvane::Text>& names,
                          morvane::ListOrder order, morvane::DateChoice date, const std::atomic<bool>& cancel,
                          std::atomic<std::size_t>& progress) {
    const auto facts = morvane::ReadFileFacts(directory, names, order, date, &cancel, &progress);
    const morvane::FileOrder ordered = morvane::OrderFiles(facts, order);
    const auto dates = morvane::DatesInNames(facts, date);
    OrderedChoice result{{}, {}, order, date, {}};
    result.Names.reserve(names.size());
    for (const std::size_t i : ordered.Positions) {
        result.Names.push_back(names[i]);
        if (!dates.empty()) result.Dates.push_back(dates[i]);
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        if (ordered.NoDateTaken[i]) result.NoDateTaken.push_back(names[i]);
    return result;
}

}  // namespace

ListOrderer::ListOrderer(Delivery deliver, QObject* parent) : QObject(parent), deliver_(std::move(deliver)) {}

// The reading under way stops at its next file. It owns what it works on, so
// the window need not wait for it, which a file on a hung network mount
// could otherwise make it do.
ListOrderer::~ListOrderer() { Cancel(); }

void ListOrderer::Start(const morvane::Text& directory, std::vector<morvane::Text> names, morvane::ListOrder order,
                        morvane::DateChoice date) {
    Cancel();
    const unsigned generation = ++generation_;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    progress_ = std::make_shared<std::atomic<std::size_t>>(0);
    total_ = names.size();
    pending_ = true;
    // The old watcher may still wait for a reading that was cancelled; it
    // delivers nothing and goes when that reading ends.
    if (watcher_) {
        QFutureWatcher<OrderedChoice>* old = watcher_;
        if (old->isFinished()) delete old;
        else connect(old, &QFutureWatcherBase::finished, old, &QObject::deleteLater);
    }
    watcher_ = new QFutureWatcher<OrderedChoice>(this);
    connect(watcher_, &QFutureWatcherBase::finished, this, [this, generation] { Deliver(generation); });
    watcher_->setFuture(QtConcurrent::run(
        [directory, names = std::move(names), order, date, cancel = cancel_, progress = progress_] {
            return OrderChoice(directory, names, order, date, *cancel, *progress);
        }));
}

void ListOrderer::Cancel() {
    if (cancel_) cancel_->store(true);
    ++generation_;
    pending_ = false;
}

void ListOrderer::Finish() {
    if (!pending_ || !watcher_) return;
    watcher_->waitForFinished();
    Deliver(generation_);
}

void ListOrderer::Deliver(unsigned generation) {
    if (!pending_ || generation != generation_) return;
    pending_ = false;
    deliver_(watcher_->result());
}
