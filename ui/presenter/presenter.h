#pragma once
// The one presenter between the windows and the session's two owners: the
// workflow (RenameSession) and the history of passes (PassHistory). Windows
// say what the user asked for by calling its operations; it calls the
// owners, turns what they answer into the texts the windows show and tells
// every window what changed through its signals. Each window sets its
// enabling from the state read here, in one function of its own.
//
// Beside the two owners' states it keeps one of its own: which steps of the
// workflow the main window offers (Steps), as the buttons have always
// offered them. "Select " and closing the review by its frame leave the
// steps as they are, so they are not the workflow's state.
#include <QElapsedTimer>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <unordered_set>

#include "naming/options.h"
#include "pass/pass_prediction.h"
#include "session/pass_history.h"
#include "session/rename_session.h"
#include "texts/status_text.h"

class ListOrderer;
class QTimer;
class QWidget;
class SettingsStore;
struct OrderedChoice;
namespace morvane {
struct FileChoice;
class UndoJob;
}

class Presenter : public QObject {
    Q_OBJECT
public:
    // The workflow's steps the main window offers.
    enum class Steps {
        None,            // nothing chosen (or the choice accepted, undone, cancelled)
        MaskAndExtract,  // files chosen: "Set Mask" and "Extract"
        All,             // extracted: "Rename" too
    };
    // What the user answered for an unfinished pass found at start-up.
    enum class Recovery { Undo, Keep };

    // Reads the options from store, as at start-up.
    Presenter(morvane::RenameSession& workflow, morvane::PassHistory& history, SettingsStore& store,
              QObject* parent = nullptr);
    ~Presenter() override;

    // The state every window's enabling follows.
    morvane::SessionState State() const { return workflow_.State(); }
    Steps Offered() const { return steps_; }
    // The review's undo is out: neither Accept nor Undo until it comes back.
    bool ReviewUndoing() const { return workflow_.Undoing(); }
    // "Preview New Names": while "Rename" is offered and files are listed.
    bool PreviewAvailable() const { return steps_ == Steps::All && !workflow_.Listed().empty(); }
    // "Undo Last Rename" and the history's "Undo": not while a pass is under
    // review (its own Undo is the way back), and only while the history
    // holds a pass to undo or cannot be read (asking then says why).
    bool UndoAvailable() const;

    const morvane::RenameSession& Workflow() const { return workflow_; }
    const morvane::Options& Options() const { return workflow_.Options(); }
    // The history as the history window shows it, newest first.
    std::vector<morvane::PassSummary> Passes() const;
    QString JournalFolder() const;
    // What "Rename" would do now, once the list has its final order.
    morvane::Prediction Predict();
    // Listed by their modification time for want of a date taken.
    const std::unordered_set<morvane::Text>& NoDateTaken() const { return noDateTaken_; }
    // The pass "Undo Last Rename" would undo, asked first; a history that
    // cannot be read is said in the status line.
    std::optional<morvane::UndoQuestion> NextToUndo();

    // The workflow, as the user asks for it.
    void StartChoosing(const QString& chooserDirectory);  // "Select ": the earlier choice goes
    void Choose(const QString& directory, const QStringList& names);  // the chooser's "&OK"
    void Choose(const QString& directory, std::vector<morvane::Text> names);
    void CancelChoosing();                                 // the chooser's "&Cancel"
    void TakeFileChoice(const morvane::FileChoice& choice);  // named on the command line or dropped
    void SetExample(const QString& name);
    void SetMask(const QString& mask);
    void Extract();
    void MoveListed(int from, int to);
    void SetOptions(const morvane::Options& options);
    void ClearOptions();
    void ConfirmOptions(const morvane::Options& typed);  // the options dialog's "Ok"
    void Rename();
    void Accept();       // the review's "Accept"
    void CloseReview();  // the review closed by its frame: the names stay, no step changes
    void UndoReview(QWidget& over);
    // The history's undo of the pass asked about, its progress over `over`.
    void UndoLast(const std::string& asked, const QString& folder, QWidget& over);
    void Forget(const std::string& fileName);
    // Reads the history again: another copy of the program may change it.
    void RefreshHistory();

    // Start-up, before anything else: the unfinished and damaged journals.
    std::vector<morvane::UnfinishedPass> FindUnfinished();
    void Recover(const morvane::UnfinishedPass& pass, Recovery choice, QWidget& over);
    void SetAside(const std::vector<std::string>& fileNames);
    void EndRecovery();

    // "Extract", "Rename" and the preview wait for the list's final order.
    void WaitForListOrder();
    // The files read so far while a long ordering reads them.
    std::size_t OrderRead() const;
    std::size_t OrderTotal() const;
    // The reading under way is for the dates in the names alone: the list keeps its order.
    bool ReadingDatesOnly() const { return datesOnly_; }
    // "Rename" waits for the identities of the files it covers, which a
    // worker takes after "OK".
    void WaitForIdentities();
    // The chosen files whose identities are taken so far, of all chosen.
    std::size_t IdentitiesTaken() const;
    std::size_t IdentitiesTotal() const;

signals:
    // The state, the steps offered, the list emptied or filled, the undo's
    // availability: every window sets its enabling again.
    void StateChanged();
    // The list's names or their order.
    void ListedChanged();
    void ListMoved(int from, int to);
    // The example or the mask changed by an operation, not as typed.
    void ExampleChanged();
    // The example box's text, and the status line's words.
    void ExampleTextChanged(const QString& text);
    void StatusChanged(const QString& words);
    // The example box emptied without a word, as a new choice begins.
    void ExampleTextCleared();
    void OptionsChanged();
    // What "Rename" would do may have changed.
    void PredictionChanged();
    void HistoryChanged();
    // A pass went under review in directory (empty: none known yet).
    void ReviewOpened(const QString& directory);
    // The review's undo left a file where it was: the review goes on.
    void ReviewGoesOn();
    void ReviewEnded();
    // A long ordering is under way, or the chosen files' identities are
    // being taken for long; or neither is any more.
    void OrderProgress();
    void IdentityProgress();
    void OrderProgressOver();

private:
    enum class JobKind { Review, History };
    void SetSteps(Steps steps);
    void ShowError(morvane::ErrorNumber error, const StatusContext& context = {});
    void ShowUndo(const morvane::SessionUndo& undo, const QString& folder);
    void ShowHistoryError(morvane::ErrorNumber error);
    // A failure of the folder of the journals: it is named and looked at.
    StatusContext JournalContext(bool writing) const;
    void ShowKept(const morvane::AcceptOutcome& accepted);
    void RunUndo(std::unique_ptr<morvane::UndoJob> job, JobKind kind, const QString& folder, QWidget& over);
    void TakeBack(morvane::UndoJob& job, JobKind kind, const QString& folder);
    void KeepReviewedNames();
    void ListChanged();
    void OrderList();
    void ReadDates();
    void StopOrdering();
    void TakeOrder(OrderedChoice ordered);
    void FollowOrdering();
    void StartTaking();
    bool TakingPending() const;

    morvane::RenameSession& workflow_;
    morvane::PassHistory& history_;
    SettingsStore& store_;
    Steps steps_ = Steps::None;
    morvane::NextUndo next_;  // the history's newest pass to undo, as last read
    bool acceptWhenBack_ = false;  // the review was closed while its undo was out
    std::unordered_set<morvane::Text> noDateTaken_;
    ListOrderer* orderer_ = nullptr;
    QTimer* orderProgress_ = nullptr;
    QElapsedTimer orderStarted_;
    bool datesOnly_ = false;  // the reading under way or last is for the dates alone
    // The identities of the current choice being taken on a worker; the
    // runs of earlier choices, cancelled, are waited for at the end.
    std::shared_ptr<morvane::IdentityTaking> taking_;
    std::vector<QFuture<void>> takingRuns_;
    QElapsedTimer takingStarted_;
};
