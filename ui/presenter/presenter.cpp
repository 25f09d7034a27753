#include "presenter/presenter.h"

#include <QEventLoop>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "files/file_choice.h"
#include "options_logic.h"
#include "presenter/list_orderer.h"
#include "qt_text.h"
#include "session/undo_job.h"
#include "settings_store.h"
#include "texts/report_text.h"
#include "widgets/busy_cursor.h"
#include "widgets/undo_progress.h"

using morvane::ErrNone;
using morvane::SessionState;

namespace {

// A progress line shows only for a reading the user would notice.
constexpr int ProgressAfterMs = 500;

std::vector<morvane::Text> Texts(const QStringList& names) {
    std::vector<morvane::Text> texts;
    texts.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) texts.push_back(ToText(name));
    return texts;
}

}  // namespace

Presenter::Presenter(morvane::RenameSession& workflow, morvane::PassHistory& history, SettingsStore& store,
                     QObject* parent)
    : QObject(parent), workflow_(workflow), history_(history), store_(store) {
    orderer_ = new ListOrderer([this](OrderedChoice ordered) { TakeOrder(std::move(ordered)); }, this);
    orderProgress_ = new QTimer(this);
    orderProgress_->setInterval(100);
    connect(orderProgress_, &QTimer::timeout, this, &Presenter::FollowOrdering);
    (void)workflow_.SetOptions(LoadOptions(store_));  // never refused
    next_ = history_.NextToUndo();
}

// No worker is left taking identities once the presenter goes: cancelled,
// each stops at its next file.
Presenter::~Presenter() {
    if (taking_) taking_->Cancel();
    for (QFuture<void>& run : takingRuns_) run.waitForFinished();
}

bool Presenter::UndoAvailable() const {
    return State() != SessionState::Reviewing && (next_.Pass.has_value() || next_.Error != ErrNone);
}

std::vector<morvane::PassSummary> Presenter::Passes() const { return history_.Passes().Passes; }

QString Presenter::JournalFolder() const { return QString::fromStdString(history_.Folder()); }

void Presenter::SetSteps(Steps steps) {
    steps_ = steps;
    emit StateChanged();
}

void Presenter::ShowError(morvane::ErrorNumber error, const StatusContext& context) {
    emit ExampleTextChanged(ErrorText(error));
    emit StatusChanged(ErrorWords(error, context));
}

void Presenter::ShowUndo(const morvane::SessionUndo& undo, const QString& folder) {
    if (undo.Refused) return;
    emit ExampleTextChanged(undo.Error != ErrNone ? ErrorText(undo.Error) : QString());
    QString words = UndoReport(undo, folder);
    // The files not found are named in the report; the rest is said in words.
    const bool named = undo.Error == morvane::ErrFileNotFound && (undo.NoneFound || !undo.NotFound.empty());
    const bool stored = undo.RecordError != ErrNone && undo.Error == undo.RecordError;
    if (undo.Error != ErrNone && !named)
        words += ' ' + ErrorWords(undo.Error, stored ? JournalContext(true) : StatusContext{folder, {}, true, undo.Cause});
    emit StatusChanged(words);
}

// An unreadable folder of journals is never taken for "nothing to undo".
void Presenter::ShowHistoryError(morvane::ErrorNumber error) {
    if (error != ErrNone) ShowError(error, JournalContext(false));
}

StatusContext Presenter::JournalContext(bool writing) const {
    StatusContext context{JournalFolder(), {}, !writing};
    context.Journal = history_.CheckFolder(writing);
    return context;
}

void Presenter::ShowKept(const morvane::AcceptOutcome& accepted) {
    if (accepted.Error != ErrNone) ShowError(accepted.Error, JournalContext(true));
    else if (accepted.Kept > 0) emit StatusChanged(KeptWords(accepted.Kept));
}

void Presenter::RefreshHistory() {
    const morvane::ErrorNumber before = next_.Error;
    next_ = history_.NextToUndo();
    if (next_.Error != before) ShowHistoryError(next_.Error);
    emit HistoryChanged();
    emit StateChanged();
}

std::optional<morvane::UndoQuestion> Presenter::NextToUndo() {
    next_ = history_.NextToUndo();
    ShowHistoryError(next_.Error);
    emit StateChanged();
    return next_.Pass;
}

// A list replaced as a whole drops any ordering under way for the one before.
void Presenter::ListChanged() {
    StopOrdering();
    emit ListedChanged();
    emit StateChanged();
}

void Presenter::StartChoosing(const QString& chooserDirectory) {
    // A pass under review, which lists nothing, stays as it is.
    (void)workflow_.Choose(ToText(chooserDirectory), {});
    (void)workflow_.SetMask({});  // works in every state
    (void)workflow_.SetExample({});
    ListChanged();
    emit ExampleChanged();
    emit ExampleTextCleared();
    emit StatusChanged(QString());
}

void Presenter::Choose(const QString& directory, const QStringList& names) { Choose(directory, Texts(names)); }

void Presenter::Choose(const QString& directory, std::vector<morvane::Text> names) {
    // Refused only under review, where nothing is chosen: the steps follow the state.
    (void)workflow_.Choose(ToText(directory), std::move(names), morvane::IdentitiesTaken::Apart);
    ListChanged();
    emit ExampleChanged();
    SetSteps(State() == SessionState::Chosen ? Steps::MaskAndExtract : Steps::None);
    OrderList();
    StartTaking();
}

// The window comes back at once; the identities are taken beside it.
void Presenter::StartTaking() {
    if (taking_) taking_->Cancel();  // the session cancelled it already on a new choice
    taking_ = workflow_.Taking();
    std::erase_if(takingRuns_, [](const QFuture<void>& run) { return run.isFinished(); });
    if (!taking_) return;
    takingRuns_.push_back(QtConcurrent::run([job = taking_] { job->Run(); }));
    takingStarted_.start();
    if (!orderProgress_->isActive()) orderProgress_->start();
}

bool Presenter::TakingPending() const { return taking_ && !taking_->Cancelled() && taking_->Taken() < taking_->Total(); }

void Presenter::WaitForIdentities() {
    if (!taking_ || workflow_.CoveredTaken()) return;
    taking_->Prefer(workflow_.Covered());
    BusyCursor busy;
    // The progress line is painted meanwhile; what the user types waits.
    QEventLoop wait;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, &wait, [this, &wait] {
        if (!TakingPending() || workflow_.CoveredTaken()) wait.quit();
        else emit IdentityProgress();
    });
    emit IdentityProgress();
    poll.start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!TakingPending()) {
        orderProgress_->stop();
        emit OrderProgressOver();
    }
}

std::size_t Presenter::IdentitiesTaken() const { return taking_ ? taking_->Taken() : 0; }
std::size_t Presenter::IdentitiesTotal() const { return taking_ ? taking_->Total() : 0; }

void Presenter::CancelChoosing() { SetSteps(Steps::None); }

void Presenter::TakeFileChoice(const morvane::FileChoice& choice) {
    using Kind = morvane::FileChoice::Kind;
    if (choice.What == Kind::Nothing || State() == SessionState::Reviewing) return;
    if (choice.What == Kind::Directory) {
        store_.write("Dir", ToQString(choice.Dir));
        return;
    }
    // As "Select " before a choice: the earlier choice goes.
    (void)workflow_.SetMask({});
    (void)workflow_.SetExample({});
    emit ExampleChanged();
    emit ExampleTextCleared();
    emit StatusChanged(QString());
    QStringList names;
    for (const morvane::Text& name : choice.Names) names << ToQString(name);
    if (!names.isEmpty()) store_.write("Dir", ToQString(choice.Dir));
    // The pass works where the files are.
    Choose(ToQString(names.isEmpty() ? workflow_.Directory() : choice.Dir), names);
    if (choice.Skipped) {
        emit ExampleTextChanged(SkippedText());
        emit StatusChanged(HandedOverSkippedWords());
    }
}

void Presenter::SetExample(const QString& name) {
    (void)workflow_.SetExample(ToText(name));  // works in every state
    emit PredictionChanged();
}

void Presenter::SetMask(const QString& mask) { (void)workflow_.SetMask(ToText(mask)); }

void Presenter::Extract() {
    WaitForListOrder();
    const QString point = QLocale().decimalPoint();
    const char16_t separator = point.isEmpty() ? u'.' : point.at(0).unicode();
    const morvane::ExtractOutcome result = workflow_.Extract(separator);
    if (result.Error != ErrNone) {
        ShowError(result.Error);
    } else {
        SetSteps(Steps::All);
        emit ExampleTextChanged(ToQString(result.Example));
        emit StatusChanged(QString());
    }
    emit PredictionChanged();
}

// A move asked for while the order is still being read is dropped: the
// list is about to be ordered afresh under the pointer. One asked for while
// only the dates are read waits for them.
void Presenter::MoveListed(int from, int to) {
    if (orderer_->Pending()) {
        const bool reordering = !datesOnly_;
        WaitForListOrder();
        if (reordering) return;
    }
    if (from < 0 || to < 0) return;
    if (workflow_.MoveListed(static_cast<std::size_t>(from), static_cast<std::size_t>(to)).Refused) return;
    emit ListMoved(from, to);
    emit PredictionChanged();
}

void Presenter::SetOptions(const morvane::Options& options) {
    const morvane::Options& before = workflow_.Options();
    const bool reorder = options.Order != before.Order;
    const bool redate = options.DateInName != before.DateInName;
    const bool letteringChanged = options.Lettering != before.Lettering || options.OddLettering != before.OddLettering;
    (void)workflow_.SetOptions(options);  // never refused
    emit OptionsChanged();
    if (reorder) OrderList();
    else if (redate) ReadDates();
    // The lettering is part of the mask's analysis: a new one reaches the
    // example and the preview at once, as if "Extract" were pressed again.
    if (letteringChanged && State() == SessionState::Extracted) Extract();
    emit PredictionChanged();
}

void Presenter::ClearOptions() { SetOptions(::ClearOptions(store_)); }

void Presenter::ConfirmOptions(const morvane::Options& typed) {
    SetOptions(::ConfirmOptions(store_, typed, workflow_.Options()));
}

void Presenter::Rename() {
    WaitForListOrder();
    WaitForIdentities();
    morvane::RenameOutcome outcome;
    {
        BusyCursor busy;
        outcome = workflow_.Rename();
    }
    if (outcome.Refused) return;
    const QString folder = ToQString(outcome.Directory);
    if (outcome.State != SessionState::Reviewing) {
        // Ended early or never started: the list stays; what the pass renamed
        // can be undone from the menu. The files it left before are named.
        // The history first: the pass's own words are the last said.
        RefreshHistory();
        if (outcome.Error != ErrNone) {
            const bool journal = outcome.Error == morvane::ErrorNumber::JournalFolderUnusable;
            QString words =
                ErrorWords(outcome.Error, journal ? JournalContext(true) : StatusContext{folder, outcome.RefusedName});
            if (!outcome.Skipped.Refused.empty()) words += ' ' + RefusedWords(outcome.Skipped.Refused, folder);
            emit ExampleTextChanged(ErrorText(outcome.Error));
            emit StatusChanged(words);
        } else {
            emit ExampleTextChanged(PassReport(outcome.Error, outcome.FilesSkipped));
        }
        return;
    }
    // Under review; a journal that could not be completed is reported, the
    // review's Undo still works.
    if (outcome.KeptInMemory) {
        ShowError(outcome.Error, JournalContext(true));
    } else {
        emit ExampleTextChanged(PassReport(ErrNone, outcome.FilesSkipped));
        emit StatusChanged(RenamedWords(outcome.Renamed, outcome.NumberAdded, outcome.Skipped, folder));
    }
    ListChanged();
    emit ExampleChanged();
    emit ReviewOpened(ToQString(outcome.Directory));
    RefreshHistory();
}

void Presenter::Accept() {
    // Refused only when nothing is under review any more; an end the pass
    // could not store that still cannot be stored is said.
    if (const morvane::AcceptOutcome accepted = workflow_.Accept(); !accepted.Refused) ShowKept(accepted);
    SetSteps(Steps::None);
    RefreshHistory();
}

// Closed by its frame while reviewing: the names stay as they are, so that a
// new choice can follow; "Undo Last Rename" can still undo them.
void Presenter::CloseReview() {
    if (State() != SessionState::Reviewing) return;
    if (ReviewUndoing()) {
        acceptWhenBack_ = true;
        return;
    }
    KeepReviewedNames();
}

void Presenter::KeepReviewedNames() {
    if (const morvane::AcceptOutcome accepted = workflow_.Accept(); !accepted.Refused) ShowKept(accepted);
    emit StateChanged();
    RefreshHistory();
}

void Presenter::UndoReview(QWidget& over) {
    std::unique_ptr<morvane::UndoJob> job = workflow_.HandOutUndo();
    if (!job) return;
    const QString folder = ToQString(job->Directory());
    RunUndo(std::move(job), JobKind::Review, folder, over);
}

void Presenter::UndoLast(const std::string& asked, const QString& folder, QWidget& over) {
    if (State() == SessionState::Reviewing) return;
    std::unique_ptr<morvane::UndoJob> job = history_.HandOutUndoLast(asked);
    if (!job) {
        RefreshHistory();
        return;
    }
    RunUndo(std::move(job), JobKind::History, folder, over);
}

void Presenter::RunUndo(std::unique_ptr<morvane::UndoJob> job, JobKind kind, const QString& folder, QWidget& over) {
    // No other undo of that pass or an older one while this one runs, and no
    // Accept or second Undo of the review.
    RefreshHistory();
    const bool ended = UndoProgress::Run(*this, over, std::move(job), folder,
                                         [this, kind, folder](morvane::UndoJob& done) { TakeBack(done, kind, folder); });
    if (!ended) emit StatusChanged(UndoProgress::GaveUpWords(folder));
}

void Presenter::TakeBack(morvane::UndoJob& job, JobKind kind, const QString& folder) {
    if (kind == JobKind::History) {
        ShowUndo(history_.TakeUndo(job), folder);
        RefreshHistory();
        return;
    }
    const morvane::ReviewUndo undo = workflow_.TakeUndo(job);
    ShowUndo(undo, folder);
    if (undo.State == SessionState::Reviewing) {
        // A file could not be restored: the review stays, so that "Undo" can
        // be pressed again, showing the names as they now are; closed
        // meanwhile by its frame, the names stay as they are.
        if (acceptWhenBack_) KeepReviewedNames();
        else emit ReviewGoesOn();
    } else {
        // Every file is back (the history may not have been able to record it).
        steps_ = Steps::None;
        emit ReviewEnded();
    }
    acceptWhenBack_ = false;
    emit StateChanged();
    RefreshHistory();
}

void Presenter::Forget(const std::string& fileName) {
    if (const morvane::HistoryResult result = history_.Forget(fileName); result.Error != ErrNone)
        ShowError(result.Error, JournalContext(true));
    RefreshHistory();
}

std::vector<morvane::UnfinishedPass> Presenter::FindUnfinished() {
    morvane::UnfinishedScan scan = history_.FindUnfinished();
    ShowHistoryError(scan.Error);
    return std::move(scan.Passes);
}

void Presenter::Recover(const morvane::UnfinishedPass& pass, Recovery choice, QWidget& over) {
    const QString folder = ToQString(pass.Directory);
    if (choice == Recovery::Undo) {
        if (std::unique_ptr<morvane::UndoJob> job = history_.HandOutRecoverUndo(pass.FileName))
            RunUndo(std::move(job), JobKind::History, folder, over);
        return;
    }
    if (const morvane::ErrorNumber error = history_.RecoverKeep(pass.FileName).Error; error != ErrNone)
        ShowError(error, JournalContext(true));
}

void Presenter::SetAside(const std::vector<std::string>& fileNames) {
    for (const std::string& name : fileNames)
        if (const morvane::ErrorNumber error = history_.SetAside(name).Error; error != ErrNone)
            ShowError(error, JournalContext(true));
}

void Presenter::EndRecovery() {
    history_.LetUnfinishedGo();  // gives the journals' locks up
    RefreshHistory();
}

morvane::Prediction Presenter::Predict() {
    WaitForListOrder();
    return workflow_.Preview();
}

// The session's choice, in name order until the order asked for is known.
void Presenter::OrderList() {
    StopOrdering();
    const std::vector<morvane::Text>& chosen = workflow_.NameOrder();
    if (chosen.empty()) return;
    if (&workflow_.Listed() != &chosen && workflow_.Listed() != chosen && !workflow_.Reorder(chosen).Refused)
        emit ListedChanged();
    if (Options().Order == morvane::ListOrder::Name && Options().DateInName == morvane::DateChoice::None) return;
    datesOnly_ = Options().Order == morvane::ListOrder::Name;
    orderStarted_.start();
    orderProgress_->start();
    orderer_->Start(workflow_.Directory(), chosen, Options().Order, Options().DateInName);
}

// Another date in the names: the list keeps its order, moves by hand
// included, unless the order being read is to replace it anyway.
void Presenter::ReadDates() {
    if (orderer_->Pending() && !datesOnly_) {
        OrderList();
        return;
    }
    const std::vector<morvane::Text>& listed = workflow_.Listed();
    if (listed.empty() || Options().DateInName == morvane::DateChoice::None) return;
    orderer_->Cancel();
    datesOnly_ = true;
    orderStarted_.start();
    orderProgress_->start();
    orderer_->Start(workflow_.Directory(), listed, morvane::ListOrder::Name, Options().DateInName);
}

void Presenter::StopOrdering() {
    orderer_->Cancel();
    if (!TakingPending()) orderProgress_->stop();
    noDateTaken_.clear();
    emit OrderProgressOver();
}

void Presenter::TakeOrder(OrderedChoice ordered) {
    if (!TakingPending()) orderProgress_->stop();
    emit OrderProgressOver();
    if (workflow_.Reorder(ordered.Names).Refused) return;
    (void)workflow_.SetDates(ordered.Date, ordered.Names, ordered.Dates);  // one per name, or none: never refused
    if (ordered.Order != morvane::ListOrder::Name) {
        noDateTaken_ = std::unordered_set<morvane::Text>(ordered.NoDateTaken.begin(), ordered.NoDateTaken.end());
        emit ListedChanged();
    }
    emit PredictionChanged();
}

void Presenter::FollowOrdering() {
    if (orderer_->Pending()) {
        if (orderStarted_.elapsed() >= ProgressAfterMs) emit OrderProgress();
        return;
    }
    if (TakingPending()) {
        if (takingStarted_.elapsed() >= ProgressAfterMs) emit IdentityProgress();
        return;
    }
    orderProgress_->stop();
    emit OrderProgressOver();
}

void Presenter::WaitForListOrder() {
    if (!orderer_->Pending()) return;
    BusyCursor busy;
    orderer_->Finish();
}

std::size_t Presenter::OrderRead() const { return orderer_->Read(); }
std::size_t Presenter::OrderTotal() const { return orderer_->Total(); }
