// The file chooser and the road of one rename through the real windows on a
// real directory: choose, mask, extract, rename, then review with Accept or Undo.
#include "window_test_support.h"

#include "../named_rows.h"

#include <sys/stat.h>

#include "../core/run_undo.h"
#include "windows/frmRecover.h"

namespace {

class WorkflowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        for (const QByteArray name : {"IMG_0041.JPG", "IMG_0042.JPG", "IMG_0043.JPG", "notes.txt"})
            MakeFile(Files(), name);
        const std::pair<QString, QString> options[] = {
            {"Prefix", "Trip"}, {"Sufix", "_x"}, {"StartingNumber", "7"}, {"Dir", Files()}};
        for (const auto& [key, value] : options) store->write(key, value);
        OpenMain();
    }
    // Rows 0..last chosen, then the first `mask` characters of the example
    // highlighted, "Set Mask" and "Extract".
    void ChooseAndExtract(int last, int mask) {
        ChooseRows(last);
        MaskThenExtract(mask);
    }
    void MaskThenExtract(int mask) {
        Box("txtFile")->setFocus();
        Box("txtFile")->setSelection(0, mask);
        Click(Button("Command2"));
        Click(Button("Command1"));
    }
    const DiskFiles Original{{"IMG_0041.JPG", "IMG_0041.JPG"}, {"IMG_0042.JPG", "IMG_0042.JPG"},
                             {"IMG_0043.JPG", "IMG_0043.JPG"}, {"notes.txt", "notes.txt"}};
};

// A stored folder gone opens the home, a home gone as well the root (nothing
// stored reads as the home the same way); the chooser is never modal.
TEST_F(WorkflowTest, TheChooserFallsBackSilentlyFromAStoredFolderGone) {
    store->write("Dir", root.filePath("files/gone"));
    for (const auto& [home, opens] : {std::pair(Home(), Home()), std::pair(root.filePath("files/nowhere"), QString("/"))}) {
        SCOPED_TRACE(opens.toStdString());
        qputenv("HOME", QFile::encodeName(home));
        Click(Button("Command3"));
        ASSERT_NE(Chooser(), nullptr);
        EXPECT_EQ(std::tuple(Chooser()->isVisible(), Chooser()->isModal(), Dir1()->path()), std::tuple(true, false, opens));
        Chooser()->close();
    }
}

TEST_F(WorkflowTest, Drive1ListsTheMountTableAndDrive1_ChangeMovesDir1OrComesBack) {
    std::filesystem::create_directory(Raw(Files() + "/sub"));
    MakeFile(Home(), "at-home.txt");
    // Volumes listed by the table alone: nothing exists at the hung mount,
    // so it shows only if no file system is asked about its volume.
    mounts.Table = "proc /proc proc rw 0 0\nsrv: /nonexistent/hung\\040mount fuse.sshfs rw 0 0\n" +
                   QFile::encodeName(Files()) + " tmpfs rw 0 0\n/dev/sdb " + QFile::encodeName(Files()) +
                   " ext4 rw 0 0\nh " + QFile::encodeName(Home()) + " xfs rw 0 0\n";
    store->write("Dir", Files() + "/sub");
    Click(Button("Command3"));
    auto* drive = Find<QComboBox>(Chooser(), "Drive1");
    EXPECT_EQ(std::tuple(mounts.Readings, Items(drive->view()), drive->currentText(), Chooser()->focusWidget() == drive),
              std::tuple(1, QStringList({"/", "/nonexistent/hung mount", Files(), Home()}), Files(), true));

    // The volume chosen in Drive1; Dir1, Drive1 and File1 on the directory then, and File1's first file.
    const std::tuple<const char*, QString, QString, QString> rows[] = {
        {"another volume: Dir1 moves to its root", Home(), Home(), "at-home.txt"},
        {"a volume that cannot be read: Drive1 comes back", "/nonexistent/hung mount", Home(), "at-home.txt"},
        {"the root", "/", "/", QString()},
    };
    for (const auto& [name, chosen, dir, first] : rows) {
        SCOPED_TRACE(name);
        drive->setCurrentIndex(drive->findText(chosen));
        // The root's first file is whatever this machine has there.
        EXPECT_EQ(QStringList({Dir1()->path(), drive->currentText(), File1()->path(),
                               first.isNull() ? first : Items(File1()).value(0)}),
                  QStringList({dir, dir, dir, first}));
    }
    Dir1()->setPath(Files() + "/sub");  // opening a directory on another volume moves Drive1 there
    EXPECT_EQ(drive->currentText(), Files());
}

TEST_F(WorkflowTest, ChooserOffersOrdinaryFilesAndItsButtonsDecideTheListAndStoredDirectory) {
    MakeFile(Files(), "IMG_\xff.JPG");  // not UTF-8: never offered, so never touched
    MakeFile(Files(), "\xef\xbb\xbfIMG_0044.JPG");  // begins with U+FEFF, which must survive
    std::filesystem::create_directory(Raw(Files() + "/sub"));
    MakeFile(Files() + "/sub", "inner.txt");
    Box("txtExample")->setText("old");
    List1()->AddNames({"old"});
    Click(Button("Command3"));
    EXPECT_EQ(List1()->count() + Box("txtExample")->text().size(), 0);
    EXPECT_EQ(Items(File1()), QStringList({"IMG_0041.JPG", "IMG_0042.JPG", "IMG_0043.JPG", "notes.txt",
                                           QChar(0xFEFF) + QString("IMG_0044.JPG")}));
    // Read again when asked: "Select " while it is open, the directory shown opened again in Dir1.
    MakeFile(Files(), "z1.txt");
    Click(Button("Command3"));
    MakeFile(Files(), "z2.txt");
    DoubleClickRow(Dir1(), Dir1()->currentIndex().row());
    EXPECT_EQ(std::tuple(Items(File1()).mid(4, 2), Dir1()->path()), std::tuple(QStringList({"z1.txt", "z2.txt"}), Files()));
    frmDir* chooser = Chooser();
    ClickRow(File1(), 2);
    ClickRow(File1(), 0, Qt::ControlModifier);
    for (QWidget* w : std::initializer_list<QWidget*>{File1(), ChooserButton("Command1")})
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(w, key);
    ASSERT_EQ(Chooser(), chooser);
    Click(ChooserButton("Command1"));
    // In list order, not click order.
    EXPECT_EQ(std::tuple(Chooser(), Items(List1()), Box("txtFile")->text(), Workflow()),
              std::tuple(nullptr, QStringList({"IMG_0041.JPG", "IMG_0043.JPG"}), "IMG_0041.JPG", MaskAndExtract));

    Click(Button("Command3"));  // empties the list, leaves the buttons
    EXPECT_EQ(Workflow(), MaskAndExtract);
    DoubleClickRow(File1(), 3);
    EXPECT_EQ(Items(List1()), QStringList({"notes.txt"}));

    Click(Button("Command3"));  // OK with nothing selected, in another directory
    DoubleClickRow(Dir1(), Dir1()->count() - 1);
    EXPECT_EQ(Items(File1()), QStringList({"inner.txt"}));
    Click(ChooserButton("Command1"));
    EXPECT_EQ(std::tuple(List1()->count(), Workflow(), store->read("Dir", "none")), std::tuple(0, AllOff, Files() + "/sub"));

    Click(Button("Command3"));  // Cancel stores nothing (closing it is the same rejection)
    Dir1()->setPath(Home());
    Click(ChooserButton("Command2"));
    EXPECT_EQ(store->read("Dir", "none"), Files() + "/sub");
    OpenMain();  // a restart
    Click(Button("Command3"));
    chooser = Chooser();
    EXPECT_EQ(Dir1()->path(), Files() + "/sub");
    Dir1()->setCurrentRow(Dir1()->count() - 2);
    QTest::keyClick(Dir1(), Qt::Key_Return);  // opens the parent, presses no button
    EXPECT_EQ(std::tuple(Dir1()->path(), chooser->isVisible()), std::tuple(Files(), true));
}

TEST_F(WorkflowTest, RoadOfOneRenameThenUndoOrAccept) {
    const DiskFiles renamed{{"TripIMG-0007_x.JPG", "IMG_0041.JPG"}, {"TripIMG-0008_x.JPG", "IMG_0042.JPG"},
                            {"TripIMG-0009_x.JPG", "IMG_0043.JPG"}, {"notes.txt", "notes.txt"}};
    const DiskFiles homeFiles{{"IMG_0041.JPG", "IMG_0041.JPG"}};
    MakeFile(Home(), "IMG_0041.JPG");
    for (const bool accept : {false, true}) {
        SCOPED_TRACE(accept ? "Accept" : "Undo");
        ChooseRows(2);
        DoubleClickRow(List1(), 1);
        const QString example = Box("txtFile")->text();
        MaskThenExtract(3);
        EXPECT_EQ(std::tuple(example, Box("txtExample")->text(), Workflow()),
                  std::tuple("IMG_0042.JPG", "TripIMG-0007_x.JPG", AllOn));

        store->write("Dir", Home());  // another copy stored a directory holding the same name
        Click(Button("Command4"));
        EXPECT_EQ(std::tuple(Disk(Files()), Disk(Home()), StatusLine(), List1()->count(), Workflow()),
                  std::tuple(renamed, homeFiles, "3 files were renamed. Accept the new names, or Undo the changes.", 0, AllOn));
        for (const char* box : {"txtFile", "txtMask", "txtExample"}) EXPECT_EQ(Box(box)->text(), "") << box;
        frmDir* review = Chooser();
        ASSERT_NE(review, nullptr);
        if (!accept) {  // "Select " re-titles the review dialog, which still undoes
            Click(Button("Command3"));
            ASSERT_EQ(Chooser(), review);
            EXPECT_EQ(review->windowTitle(), "Select the files to rename");
        }
        EXPECT_EQ((QStringList({ChooserButton("Command1")->text(), ChooserButton("Command2")->text()}) + Items(File1())).join('|'),
                  "Accept|Undo|notes.txt|TripIMG-0007_x.JPG|TripIMG-0008_x.JPG|TripIMG-0009_x.JPG");

        // Accept stores the directory shown, Undo does not.
        Click(accept ? Find<QPushButton>(review, "Command1") : Find<QPushButton>(review, "Command2"));
        EXPECT_EQ(std::tuple(Chooser(), Workflow(), Disk(Files()), StatusLine(), store->read("Dir", "none")),
                  std::tuple(nullptr, AllOff, accept ? renamed : Original,
                             accept ? "The new names of 3 files were kept." : "3 files have their old names again.",
                             accept ? Files() : Home()));
        store->write("Dir", Files());
    }
}

TEST_F(WorkflowTest, ClashAndRefusalAreHandledAndAFailedUndoCanBeRepeated) {
    renamer.Cause = morvane::RefusalCause::NoPermission;
    const auto refuse = [this](const char16_t* tail) {
        renamer.Fault = [tail](const morvane::Text& from) { return from == tail ? morvane::ErrCannotAccess : morvane::ErrNone; };
    };
    MakeFile(Files(), "TripIMG-0009_x.JPG");
    refuse(u"IMG_0042.JPG");
    ChooseAndExtract(2, 3);
    Click(Button("Command4"));
    EXPECT_EQ(Box("txtExample")->text() + "|" + StatusLine(),
              "Some Files Were Skipped|2 files were renamed (1 with a number added). 1 file was skipped: you may not change "
              "the folder " + Files() + " (IMG_0042.JPG). Accept the new names, or Undo the changes.");

    refuse(u"TripIMG-0007_x.JPG");
    frmDir* review = Chooser();
    Click(Find<QPushButton>(review, "Command2"));
    ASSERT_EQ(Chooser(), review);  // still open for another try
    EXPECT_EQ(std::tuple(review->isVisible(), Box("txtExample")->text(), StatusLine(), Workflow()),
              std::tuple(true, "Error # 75", "1 file has its old name again. A file could not get its old name back: you "
                                             "may not change the folder " + Files() + ".", AllOn));

    renamer.Fault = nullptr;
    Click(Find<QPushButton>(review, "Command2"));
    DiskFiles expected = Original;
    expected["TripIMG-0009_x.JPG"] = "TripIMG-0009_x.JPG";
    EXPECT_EQ(std::tuple(Chooser(), Disk(Files())), std::tuple(nullptr, expected));
}

// A journal folder that cannot be used is named, with what is wrong with it;
// no file is touched.
TEST_F(WorkflowTest, AnUnusableJournalFolderIsNamedWithItsFault) {
    const QString state = root.filePath("state");
    std::filesystem::remove_all(Raw(state));
    MakeFile(root.path(), "state");  // a file where the folder should be
    ChooseAndExtract(2, 3);
    Click(Button("Command4"));
    EXPECT_EQ(std::tuple(Box("txtExample")->text(), StatusLine(), Disk(Files())),
              std::tuple("Error # 80", "Nothing was renamed: Morvane cannot keep what it needs to undo a rename in " + state +
                                           ". " + state + " is a file, where a folder is needed.", Original));
}

// Rename pressed while the chooser browses another folder: the chooser
// becomes the review of the folder where the files were chosen.
TEST_F(WorkflowTest, RenameWhileChoosingTurnsTheChooserIntoTheReview) {
    std::filesystem::create_directory(Raw(Files() + "/other"));
    MakeFile(Files() + "/other", "IMG_0099.JPG");
    ChooseAndExtract(2, 3);
    Click(Button("Command3"));  // the chooser opens; "Rename" stays enabled
    frmDir* dialog = Chooser();
    DoubleClickRow(Find<DirListBox>(dialog, "Dir1"), Find<DirListBox>(dialog, "Dir1")->count() - 1);
    Click(Button("Command4"));  // works where the files were chosen, with the emptied list
    ASSERT_EQ(Chooser(), dialog);
    EXPECT_EQ((QStringList({ChooserButton("Command1")->text(), ChooserButton("Command2")->text()}) + Items(File1())).join('|'),
              "Accept|Undo|IMG_0041.JPG|IMG_0042.JPG|IMG_0043.JPG|notes.txt");
    Click(Find<QPushButton>(dialog, "Command1"));
    EXPECT_EQ(Chooser(), nullptr);
}

// The window's worker threads held busy, so that the identities "OK" hands
// them are not taken yet when the test goes on; Release lets them run.
struct HeldWorkers {
    QThreadPool& pool = *QThreadPool::globalInstance();
    const int saved = pool.maxThreadCount();
    QSemaphore gate, started;
    bool released = false;
    HeldWorkers() {
        pool.setMaxThreadCount(1);
        pool.start([this] {
            started.release();
            gate.acquire();
        });
        started.acquire();
    }
    void Release() {
        if (!std::exchange(released, true)) gate.release();
    }
    ~HeldWorkers() {
        Release();
        pool.waitForDone();
        pool.setMaxThreadCount(saved);
    }
};

// renamed: how many of the first files are renamed, to TripIMG-0007_x.JPG on.
// A new choice cancelling the taking before is test_rename_session's.
struct TakingRow { const char* name; bool closed; int renamed; };
void PrintTo(const TakingRow& row, std::ostream* out) { *out << row.name; }
const TakingRow kTakingRows[] = {
    {"rename waits for the identities, then renames exactly the chosen files", false, 3},
    {"closing while identities are taken leaves nothing behind", true, 0},
};
struct TakenApart : WorkflowTest, testing::WithParamInterface<TakingRow> {};

// "OK" gives the window back before the chosen files' identities are in; a
// "Rename" pressed meanwhile waits for them with the progress line.
TEST_P(TakenApart, IdentitiesAfterOK) {
    const TakingRow& row = GetParam();
    HeldWorkers held;
    ChooseAndExtract(2, 3);
    ASSERT_FALSE(session->CoveredTaken());
    QString progress;
    if (row.closed) {
        OpenMain();  // the presenter and the session go while their job waits its turn
        held.Release();
    } else {
        QTimer::singleShot(50, main.get(), [&] {
            auto* line = InMain<QLabel>("lblOrderProgress");
            progress = line->isVisible() ? line->text() : QString();
            held.Release();
        });
        Click(Button("Command4"));
        // Then under review.
        EXPECT_EQ(std::tuple(progress, InMain<QLabel>("lblOrderProgress")->isVisible(), Chooser() != nullptr),
                  std::tuple("Reading the chosen files: 0 of " + QString::number(row.renamed), false, true));
    }
    DiskFiles disk{{"notes.txt", "notes.txt"}};
    for (int i = 0; i < 3; ++i)
        disk[i < row.renamed ? "TripIMG-000" + std::to_string(7 + i) + "_x.JPG" : "IMG_004" + std::to_string(1 + i) + ".JPG"] =
            "IMG_004" + std::to_string(1 + i) + ".JPG";
    EXPECT_EQ(Disk(Files()), disk);
}

NAMED_ROWS(Workflow, TakenApart, kTakingRows);

// Two passes, then a restart: the history undoes the newest, and forgets the
// one before only when the user asks after a question; its files keep the
// names they have. "Undo Last Rename" is the road of the unfinished pass below.
TEST_F(WorkflowTest, TheHistoryUndoesTheNewestPassAndForgetsOneOnlyWhenAsked) {
    const auto undoLast = [this] { return main->findChild<QAction*>("mnuFileUndoLast"); };
    EXPECT_FALSE(undoLast()->isEnabled());
    ChooseAndExtract(0, 3);
    Click(Button("Command4"));
    EXPECT_FALSE(undoLast()->isEnabled()) << "while the pass is under review";
    Click(ChooserButton("Command1"));  // Accept
    EXPECT_TRUE(undoLast()->isEnabled()) << "after Accept";
    const DiskFiles afterFirst = Disk(Files());
    store->write("Prefix", "Day");
    OpenMain();
    ChooseAndExtract(1, 3);  // two more files
    Click(Button("Command4"));
    Click(ChooserButton("Command1"));
    OpenMain();  // a restart

    Trigger("mnuFileHistory");
    auto* history = main->findChild<QDialog*>("frmHistory");
    ASSERT_TRUE(history && history->isVisible() && !history->isModal());
    auto* list = Find<QTreeView>(history, "lstHistory");
    const auto rows = [list] { return TableRows(list->model(), 1); };  // all but "When"
    EXPECT_EQ(rows(), QStringList({Files() + "|2|accepted", Files() + "|1|accepted"}));
    QString question = AnswerYes([&] { Click(Find<QPushButton>(history, "cmdHistoryUndo")); });
    EXPECT_EQ(std::tuple(question.contains("2 files renamed in " + Files()), Disk(Files()), rows(), StatusLine()),
              std::tuple(true, afterFirst, QStringList{Files() + "|1|accepted"}, "2 files have their old names again."))
        << question.toStdString();
    auto* forget = Find<QPushButton>(history, "cmdHistoryForget");
    EXPECT_FALSE(forget->isEnabled()) << "no pass selected";
    list->setCurrentIndex(list->model()->index(0, 0));
    question = AnswerYes([&] { Click(forget); });
    // The files keep the names they have.
    EXPECT_EQ(std::tuple(question.contains("Forget the rename of 1 file in " + Files()), rows(), Disk(Files()),
                         undoLast()->isEnabled() || Find<QPushButton>(history, "cmdHistoryUndo")->isEnabled()),
              std::tuple(true, QStringList(), afterFirst, false)) << question.toStdString();
}

// A pass left unfinished as a kill before its third rename leaves it (a
// real kill at every step is test_pass_kill's).
TEST_F(WorkflowTest, AnUnfinishedPassIsOfferedAtStartUpAndItsFilesComeBackOrKeepTheirNames) {
    const DiskFiles twoRenamed{{"P0001.JPG", "IMG_0041.JPG"}, {"P0002.JPG", "IMG_0042.JPG"},
                               {"IMG_0043.JPG", "IMG_0043.JPG"}, {"notes.txt", "notes.txt"}};
    for (const bool undo : {true, false}) {
        SCOPED_TRACE(undo ? "Undo" : "Keep");
        renamer.Fault = [](const morvane::Text& from) { return from == u"IMG_0043.JPG" ? morvane::ErrIoError : morvane::ErrNone; };
        Analyse(*session, Raw(Files()), {u"IMG_0041.JPG", u"IMG_0042.JPG", u"IMG_0043.JPG"});
        ASSERT_EQ(session->Rename().Renamed, 2u);
        renamer.Fault = nullptr;
        ASSERT_NO_FATAL_FAILURE(AsKilled(*journals));
        OpenMain();
        ASSERT_EQ(Disk(Files()), twoRenamed);

        RunModal([&] { frmRecover::OfferRecovery(*presenter, *main); }, [&](QDialog& dialog) {
            EXPECT_EQ(QStringList({dialog.objectName(), dialog.windowTitle(), Find<QLabel>(&dialog, "lblRecover")->text()}),
                      QStringList({"frmRecover", "Unfinished Rename", "A rename of 3 files in " + Files() + " did not finish."}));
            Click(Find<QPushButton>(&dialog, undo ? "cmdRecoverUndo" : "cmdRecoverKeep"));
        });
        // The third file was never renamed: the undo says so rather than count it as brought back.
        EXPECT_EQ(std::tuple(Disk(Files()), undo ? Box("txtExample")->text() + "|" + StatusLine() : QString(),
                             journals->FindUnfinished().Journals.empty()),
                  std::tuple(undo ? Original : twoRenamed,
                             undo ? "|2 files have their old names again. 1 already had its old name." : "", true));
        if (undo) continue;
        // Kept: the pass can still be undone from the menu.
        auto* undoLast = main->findChild<QAction*>("mnuFileUndoLast");
        ASSERT_TRUE(undoLast->isEnabled());
        AnswerYes([&] { undoLast->trigger(); });
        EXPECT_EQ(Disk(Files()), Original);
    }
}

TEST_F(WorkflowTest, ADamagedJournalIsReportedWithItsDirectoryUntilSetAside) {
    const std::string state = Raw(root.filePath("state"));
    const std::string damaged = state + "/pass-1.journal";
    std::filesystem::create_directories(state);
    const QByteArray directory = QFile::encodeName(Files());
    // Cut short after its directory line: the pass it was is still known.
    std::ofstream(damaged) << "MORVANE-JOURNAL 2\n999\nstate finished\ndirectory " << directory.size() << ':'
                           << directory.toStdString() << "\nentries 3\nentry 1";
    for (const bool setAside : {false, true}) {
        SCOPED_TRACE(setAside ? "Set Aside" : "OK");
        RunModal([&] { frmRecover::OfferRecovery(*presenter, *main); }, [&](QDialog& dialog) {
            auto& box = *qobject_cast<QMessageBox*>(&dialog);
            EXPECT_EQ(std::tuple(box.windowTitle(), box.text().contains("\nRenaming in " + Files() + ": its journal is incomplete.\n")),
                      std::tuple("Damaged Rename Journal", true)) << box.text().toStdString();
            Click(setAside ? Find<QPushButton>(&box, "cmdSetAside") : box.button(QMessageBox::Ok));
        });
        EXPECT_EQ(std::tuple(std::filesystem::exists(damaged), Disk(Files())), std::tuple(!setAside, Original));
    }
    struct stat st {};
    ASSERT_EQ(::stat((state + "/damaged/pass-1.journal").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_FALSE(ShowsModal([&] { frmRecover::OfferRecovery(*presenter, *main); })) << "reported again";
}

}  // namespace
