// An undo on a mount that stops answering: the window goes on painting, a
// progress dialog lets the user give up waiting, no second undo of the pass
// starts meanwhile, and the undo ends by itself, journal and all, once the
// mount answers again. A quick undo shows no dialog: every other window
// test's undo is one, and would wait on the dialog if it showed.
#include <future>
#include <mutex>

#include "../core/run_undo.h"
#include "../named_rows.h"
#include "windows/frmRecover.h"
#include "journal/journal_store.h"
#include "journal/stored_pass.h"
#include "session/undo_job.h"
#include "window_test_support.h"

namespace {

const DiskFiles Before{{"a.txt", "a.txt"}, {"b.txt", "b.txt"}};
const DiskFiles Renamed{{"P0001.txt", "a.txt"}, {"P0002.txt", "b.txt"}};
const DiskFiles OneBack{{"P0001.txt", "a.txt"}, {"b.txt", "b.txt"}};  // the undo goes last file first

// Closed: whoever reaches it waits, as a call on a hung mount does.
struct Gate {
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
    std::once_flag once;
    void Pass() const { opened.wait(); }
    void Open() { std::call_once(once, [this] { open.set_value(); }); }
};

enum class HangAt { Entering, SecondRename };
// "Undo Last Rename", the undo offered for a killed pass, or the review's Undo.
enum class Start { Menu, Recovery, Review };

// The real rename layer, but for the one call that waits at the gate.
struct HangingRenamer final : FaultInjectingRenamer {
    HangingRenamer(std::shared_ptr<Gate> gate, HangAt at) : gate_(std::move(gate)), at_(at) {
        Fault = [this](const morvane::Text&) {
            if (at_ == HangAt::SecondRename && ++renames_ == 2) gate_->Pass();
            return morvane::ErrNone;
        };
    }
    morvane::ErrorNumber Enter(const morvane::Text& dir, const std::optional<morvane::FileIdentity>& expected) override {
        if (at_ == HangAt::Entering) gate_->Pass();
        return FaultInjectingRenamer::Enter(dir, expected);
    }
    std::shared_ptr<Gate> gate_;
    HangAt at_;
    int renames_ = 0;
};

// When the progress dialog first showed, and how often the main window painted.
struct Watch : QObject {
    explicit Watch(QWidget* painted) : painted_(painted) { qApp->installEventFilter(this); }
    ~Watch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->objectName() == "dlgUndoProgress" && ShownAfter < 0)
            ShownAfter = Clock.elapsed();
        if (event->type() == QEvent::Paint && object == painted_) ++Paints;
        return false;
    }
    QWidget* painted_;
    qint64 ShownAfter = -1;  // ms after Start
    int Paints = 0;
    QElapsedTimer Clock;
};

class UndoProgressTest : public UiTest {
protected:
    // A pass of two files, accepted or killed before it ended, or under
    // review, and a window whose undos hang at `at`.
    void PassThenOpen(HangAt at, Start start) {
        for (const char* name : {"a.txt", "b.txt"}) MakeFile(Files(), name);
        if (start == Start::Review) return OpenHanging(at, [this] {
            SetOptions({"P", "", "1", "0"});
            Hand({"a.txt", "b.txt"});
            Click(Button("Command1"));
            Click(Button("Command4"));
        });
        AcceptedPass(*session, Raw(Files()), {u"a.txt", u"b.txt"});
        ASSERT_EQ(Disk(Files()), Renamed);
        if (start == Start::Recovery) { ASSERT_NO_FATAL_FAILURE(AsKilled(*journals)); }
        OpenHanging(at, [] {});
    }
    void OpenHanging(HangAt at, const std::function<void()>& then) {
        main.reset();
        Flush();
        OpenOwners([gate = gate, at] { return std::make_unique<HangingRenamer>(gate, at); });
        main = std::make_unique<frmMain>(*presenter, *store, mounts);
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        then();
        ASSERT_EQ(Disk(Files()), Renamed);
    }
    bool Undoing() const { return session->Undoing() || history->Undoing(); }
    void TearDown() override {
        gate->Open();  // a failed test leaves no undo waiting
        EXPECT_TRUE(QTest::qWaitFor([this] { return !Undoing(); }, 5000));
        UiTest::TearDown();
    }
    QAction* UndoLast() const { return main->findChild<QAction*>("mnuFileUndoLast"); }
    // The undo asked for and confirmed; `meanwhile` runs on the window's
    // thread every few milliseconds until the handler that started it returns.
    void StartUndo(Start start, Watch& watch, const std::function<void()>& meanwhile) {
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, meanwhile);
        const auto confirmed = [&](QAbstractButton* yes) {
            ticks.start(20);
            watch.Clock.start();
            Click(yes);
        };
        if (start == Start::Review)
            confirmed(ChooserButton("Command2"));
        else if (start == Start::Menu)
            RunModal([this] { UndoLast()->trigger(); },
                     [&](QDialog& box) { confirmed(qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Yes)); });
        else
            RunModal([this] { frmRecover::OfferRecovery(*presenter, *main); },
                     [&](QDialog& offer) { confirmed(Find<QPushButton>(&offer, "cmdRecoverUndo")); });
    }
    std::vector<std::string> StoredJournals() const { return journals->JournalNames().Names; }

    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
};

// countShown: files given back when the dialog shows; inHistory: the pass's state while the undo hangs.
struct HungRow { const char* name; Start start; HangAt at; int countShown; DiskFiles whileHung; const char* inHistory; };
void PrintTo(const HungRow& row, std::ostream* out) { *out << row.name; }
const HungRow kHungRows[] = {
    {"hung after one file came back", Start::Menu, HangAt::SecondRename, 1, OneBack, "accepted"},
    {"recovery hung on entering the folder", Start::Recovery, HangAt::Entering, 0, Renamed, "unfinished"},
    {"the review's Undo hung after one file came back", Start::Review, HangAt::SecondRename, 1, OneBack, "under review"},
};
struct HungFolder : UndoProgressTest, testing::WithParamInterface<HungRow> {};

TEST_P(HungFolder, ShowsProgressGivingUpFreesTheWindowAndTheUndoEndsLater) {
    const HungRow& row = GetParam();
    PassThenOpen(row.at, row.start);
    const std::vector<std::string> journal = StoredJournals();
    ASSERT_EQ(journal.size(), 1u);

    Watch watch(main.get());
    int paintsBefore = -1;
    bool gaveUp = false;
    StartUndo(row.start, watch, [&] {
        if (paintsBefore < 0) {
            paintsBefore = watch.Paints;
            main->update();  // painted while the undo hangs, before any dialog
            return;
        }
        auto* dialog = main->findChild<QProgressDialog*>("dlgUndoProgress");
        if (gaveUp || !dialog || !dialog->isVisible()) {
            if (watch.Clock.elapsed() > 5000) gate->Open();  // never hang the test run
            return;
        }
        EXPECT_GT(watch.Paints, paintsBefore);
        EXPECT_EQ(std::tuple(dialog->value(), dialog->maximum(), UndoLast()->isEnabled()), std::tuple(row.countShown, 2, false));
        EXPECT_FALSE(history->HandOutUndoLast()) << "a second undo while the first hangs";
        EXPECT_FALSE(session->HandOutUndo()) << "a second undo while the first hangs";
        gaveUp = true;
        const auto buttons = dialog->findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 1);
        Click(buttons[0]);
    });
    EXPECT_TRUE(gaveUp);
    EXPECT_TRUE(watch.ShownAfter >= 500 && watch.ShownAfter < 3000) << watch.ShownAfter;

    // The window is the user's again; the pass is still to undo, and locked.
    const morvane::JournalProblem locked = journals->Take(journal[0])->Problem;
    EXPECT_EQ(std::tuple(QApplication::activeModalWidget(), StatusLine(), Disk(Files()), UndoLast()->isEnabled(), locked),
              std::tuple(nullptr, "Stopped waiting for " + Files() + ". The undo goes on and reports when the folder answers.",
                         row.whileHung, false, morvane::JournalProblem::InUse));
    if (row.start == Start::Review) {
        EXPECT_FALSE(ChooserButton("Command1")->isEnabled() || ChooserButton("Command2")->isEnabled())
            << "the review accepted or undone again while its undo is out";
    }
    Trigger("mnuFileHistory");
    auto* historyWindow = main->findChild<QDialog*>("frmHistory");
    ASSERT_NE(historyWindow, nullptr);
    EXPECT_EQ(std::tuple(Find<QTreeView>(historyWindow, "lstHistory")->model()->index(0, 3).data().toString(),
                        Find<QPushButton>(historyWindow, "cmdHistoryUndo")->isEnabled()),
              std::tuple(QString(row.inHistory), false));

    // The mount answers: the undo ends once, and its journal goes with its last file back.
    gate->Open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Undoing(); }, 5000));
    // The review, where there was one, ends with its last file back.
    EXPECT_EQ(std::tuple(StatusLine(), Disk(Files()), StoredJournals(), UndoLast()->isEnabled(), Chooser(),
                         Find<QTreeView>(historyWindow, "lstHistory")->model()->rowCount()),
              std::tuple(QString("2 files have their old names again."), Before, std::vector<std::string>(), false, nullptr, 0));
}

NAMED_ROWS(Undo, HungFolder, kHungRows);

}  // namespace
