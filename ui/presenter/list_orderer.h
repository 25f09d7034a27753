#pragma once
// Puts the chosen files in the order the options ask for, and reads the
// date each new name shows. What that order and that date need (dates
// taken, modification times, sizes) is read on a worker thread, in one read,
// so the window stays usable; the ordered list is handed back on the
// window's thread. A new start, or the choice going, drops the reading
// before it.
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/text.h"
#include "naming/list_order.h"
#include "naming/options.h"

struct OrderedChoice {
    std::vector<morvane::Text> Names;        // in list order
    std::vector<morvane::Text> NoDateTaken;  // ordered by modification time for want of a date taken
    morvane::ListOrder Order = morvane::ListOrder::Name;  // what Names follow: by name, the order given
    morvane::DateChoice Date = morvane::DateChoice::None;
    std::vector<std::optional<morvane::FileDate>> Dates;  // by Date, one per name of Names
};

class ListOrderer : public QObject {
    Q_OBJECT
public:
    using Delivery = std::function<void(OrderedChoice)>;
    ListOrderer(Delivery deliver, QObject* parent);
    ~ListOrderer() override;

    // Orders names (in the chooser's name order) of files in directory, and
    // reads the date each new name shows by date. ListOrder::Name keeps the
    // names in the order given.
    void Start(const morvane::Text& directory, std::vector<morvane::Text> names, morvane::ListOrder order,
               morvane::DateChoice date = morvane::DateChoice::None);
    // Drops the ordering under way: nothing is delivered for it.
    void Cancel();
    bool Pending() const { return pending_; }
    // Waits for the ordering under way, if any, and delivers it now.
    void Finish();
    // Files read so far of those being ordered.
    std::size_t Read() const { return progress_ ? progress_->load() : 0; }
    std::size_t Total() const { return total_; }

private:
    void Deliver(unsigned generation);

    Delivery deliver_;
    QFutureWatcher<OrderedChoice>* watcher_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::shared_ptr<std::atomic<std::size_t>> progress_;
    std::size_t total_ = 0;
    unsigned generation_ = 0;
    bool pending_ = false;
};
