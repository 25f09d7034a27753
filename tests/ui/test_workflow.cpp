// The file chooser and the road of one rename through the real windows on a
// real directory: choose, mask, extract, rename, then review with Accept or Undo.
#include "dir_list_box.h"
#include "file_list_box.h"
#include "window_test_support.h"

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
    // "Select ", rows 0..last of the chooser, "&OK", then the first `mask`
    // characters of the example highlighted, "Set Mask" and "Extract".
    void ChooseAndExtract(int last, int mask) {
        Click(main->Command3);
        ClickRow(Chooser()->File1, 0);
        ClickRow(Chooser()->File1, last, Qt::ShiftModifier);
        Click(Chooser()->Command1);
        main->txtFile->setFocus();
        main->txtFile->setSelection(0, mask);
        Click(main->Command2);
        Click(main->Command1);
    }
    const DiskFiles Original{{"IMG_0041.JPG", "IMG_0041.JPG"}, {"IMG_0042.JPG", "IMG_0042.JPG"},
                             {"IMG_0043.JPG", "IMG_0043.JPG"}, {"notes.txt", "notes.txt"}};
};

TEST_F(WorkflowTest, ChooserOpensOnTheStoredDirectoryOrFallsBackSilently) {
    QFile::remove(StoreFile());
    const std::tuple<QString, QString, QString> cases[] = {  // stored "Dir", home, opens
        {QString(), Home(), Home()},  // first run: nothing stored
        {Files() + "/", Home(), Files()},
        {Files() + "/gone", Home(), Home()},
        {Files() + "/gone", Files() + "/nowhere", "/"},
    };
    for (const auto& [stored, home, opens] : cases) {
        if (!stored.isNull()) store->write("Dir", stored);
        qputenv("HOME", QFile::encodeName(home));
        Click(main->Command3);
        frmDir* chooser = Chooser();
        ASSERT_NE(chooser, nullptr);
        EXPECT_TRUE(chooser->isVisible() && !chooser->isModal());
        EXPECT_EQ(chooser->Dir1->path(), opens);
        Click(chooser->Command2);
    }
}

TEST_F(WorkflowTest, ChooserOffersOrdinaryFilesAndItsButtonsDecideTheListAndStoredDirectory) {
    MakeFile(Files(), "IMG_\xff.JPG");  // not UTF-8: never offered, so never touched
    MakeFile(Files(), "\xef\xbb\xbfIMG_0044.JPG");  // begins with U+FEFF, which must survive
    std::filesystem::create_directory(Raw(Files() + "/sub"));
    MakeFile(Files() + "/sub", "inner.txt");
    main->txtExample->setText("old");
    main->List1->addItem("old");
    Click(main->Command3);
    EXPECT_EQ(main->List1->count() + main->txtExample->text().size(), 0);
    frmDir* chooser = Chooser();
    EXPECT_EQ(Items(chooser->File1), QStringList({"IMG_0041.JPG", "IMG_0042.JPG", "IMG_0043.JPG", "notes.txt",
                                                  QChar(0xFEFF) + QString("IMG_0044.JPG")}));
    const QStringList dirs = Items(chooser->Dir1);  // ancestors from the root down, then subdirectories
    EXPECT_EQ(dirs.mid(dirs.size() - 2), QStringList({"files", "sub"}));
    ClickRow(chooser->File1, 2);
    ClickRow(chooser->File1, 0, Qt::ControlModifier);
    for (QWidget* w : std::initializer_list<QWidget*>{chooser->File1, chooser->Command1})
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(w, key);
    ASSERT_EQ(Chooser(), chooser);
    Click(chooser->Command1);
    EXPECT_EQ(Chooser(), nullptr);
    EXPECT_EQ(Items(main->List1), QStringList({"IMG_0041.JPG", "IMG_0043.JPG"}));  // list order, not click order
    EXPECT_EQ(main->txtFile->text(), "IMG_0041.JPG");
    EXPECT_EQ(Workflow(), MaskAndExtract);

    Click(main->Command3);  // empties the list, leaves the buttons
    EXPECT_EQ(Workflow(), MaskAndExtract);
    DoubleClickRow(Chooser()->File1, 3);
    EXPECT_EQ(Items(main->List1), QStringList({"notes.txt"}));

    Click(main->Command3);  // OK with nothing selected, in another directory
    DoubleClickRow(Chooser()->Dir1, Chooser()->Dir1->count() - 1);
    EXPECT_EQ(Items(Chooser()->File1), QStringList({"inner.txt"}));
    Click(Chooser()->Command1);
    EXPECT_EQ(main->List1->count(), 0);
    EXPECT_EQ(Workflow(), AllOff);
    EXPECT_EQ(store->read("Dir", "none"), Files() + "/sub");

    for (const bool cancel : {true, false}) {  // Cancel and the close control store nothing
        Click(main->Command3);
        Chooser()->Dir1->setPath(Home());
        cancel ? Click(Chooser()->Command2) : void(Chooser()->close());
        EXPECT_EQ(store->read("Dir", "none"), Files() + "/sub");
    }
    OpenMain();  // a restart
    Click(main->Command3);
    chooser = Chooser();
    EXPECT_EQ(chooser->Dir1->path(), Files() + "/sub");
    chooser->Dir1->setCurrentRow(chooser->Dir1->count() - 2);
    QTest::keyClick(chooser->Dir1, Qt::Key_Return);  // opens the parent, presses no button
    EXPECT_EQ(chooser->Dir1->path(), Files());
    EXPECT_TRUE(chooser->isVisible());
}

TEST_F(WorkflowTest, RoadOfOneRenameThenUndoOrAccept) {
    const DiskFiles renamed{{"TripIMG-0007_x.JPG", "IMG_0041.JPG"}, {"TripIMG-0008_x.JPG", "IMG_0042.JPG"},
                            {"TripIMG-0009_x.JPG", "IMG_0043.JPG"}, {"notes.txt", "notes.txt"}};
    for (const bool accept : {false, true}) {
        Click(main->Command3);
        ClickRow(Chooser()->File1, 0);
        ClickRow(Chooser()->File1, 2, Qt::ShiftModifier);
        Click(Chooser()->Command1);
        EXPECT_EQ(Items(main->List1), QStringList({"IMG_0041.JPG", "IMG_0042.JPG", "IMG_0043.JPG"}));
        EXPECT_EQ(Workflow(), MaskAndExtract);
        DoubleClickRow(main->List1, 1);
        EXPECT_EQ(main->txtFile->text(), "IMG_0042.JPG");
        main->txtFile->setFocus();
        main->txtFile->setSelection(0, 3);
        Click(main->Command2);
        Click(main->Command1);
        EXPECT_EQ(main->txtExample->text(), "TripIMG-0007_x.JPG");
        EXPECT_EQ(Workflow(), AllOn);

        Click(main->Command4);
        EXPECT_EQ(Disk(Files()), renamed);
        EXPECT_EQ(main->List1->count(), 0);
        EXPECT_EQ(main->txtFile->text() + main->txtMask->text() + main->txtExample->text(), "");
        EXPECT_EQ(Workflow(), AllOn);
        frmDir* review = Chooser();
        ASSERT_NE(review, nullptr);
        EXPECT_EQ(review->Command1->text() + "|" + review->Command2->text(), "Accept|Undo");
        EXPECT_EQ(Items(review->File1),
                  QStringList({"notes.txt", "TripIMG-0007_x.JPG", "TripIMG-0008_x.JPG", "TripIMG-0009_x.JPG"}));

        store->write("Dir", Home());  // Accept stores the directory shown, Undo does not
        Click(accept ? review->Command1 : review->Command2);
        EXPECT_EQ(Chooser(), nullptr);
        EXPECT_EQ(Workflow(), AllOff);
        EXPECT_EQ(Disk(Files()), accept ? renamed : Original);
        EXPECT_EQ(store->read("Dir", "none"), accept ? Files() : Home());
        store->write("Dir", Files());
    }
}

TEST_F(WorkflowTest, ClashAndRefusalAreHandledAndAFailedUndoCanBeRepeated) {
    const auto refuse = [this](const char16_t* tail) {
        renamer.Fault = [tail](const morvane::Text& from) { return from.ends_with(tail) ? 75 : 0; };
    };
    MakeFile(Files(), "TripIMG-0009_x.JPG");
    refuse(u"/IMG_0042.JPG");
    ChooseAndExtract(2, 3);
    Click(main->Command4);
    EXPECT_EQ(main->txtExample->text(), "Some Files Were Skipped");
    DiskFiles expected{{"TripIMG-0007_x.JPG", "IMG_0041.JPG"}, {"IMG_0042.JPG", "IMG_0042.JPG"},
                       {"TripIMG-0009_x-1.JPG", "IMG_0043.JPG"}, {"TripIMG-0009_x.JPG", "TripIMG-0009_x.JPG"},
                       {"notes.txt", "notes.txt"}};
    EXPECT_EQ(Disk(Files()), expected);

    refuse(u"/TripIMG-0007_x.JPG");
    frmDir* review = Chooser();
    Click(review->Command2);
    ASSERT_EQ(Chooser(), review);  // still open for another try
    EXPECT_TRUE(review->isVisible());
    EXPECT_EQ(main->txtExample->text(), "Error # 75");
    EXPECT_EQ(Workflow(), AllOn);

    renamer.Fault = nullptr;
    Click(review->Command2);
    EXPECT_EQ(Chooser(), nullptr);
    expected = Original;
    expected["TripIMG-0009_x.JPG"] = "TripIMG-0009_x.JPG";
    EXPECT_EQ(Disk(Files()), expected);
}

TEST_F(WorkflowTest, SelectWhileReviewingAndRenameWhileChoosingShareOneDialog) {
    std::filesystem::create_directory(Raw(Files() + "/other"));
    MakeFile(Files() + "/other", "IMG_0099.JPG");
    ChooseAndExtract(2, 3);
    Click(main->Command3);  // the chooser opens; "Rename" stays enabled
    frmDir* dialog = Chooser();
    DoubleClickRow(dialog->Dir1, dialog->Dir1->count() - 1);
    Click(main->Command4);  // works where the open chooser is, with the emptied list
    ASSERT_EQ(Chooser(), dialog);
    EXPECT_EQ(dialog->Command1->text() + "|" + dialog->Command2->text(), "Accept|Undo");
    EXPECT_EQ(Items(dialog->File1), QStringList({"IMG_0099.JPG"}));
    Click(dialog->Command1);

    ChooseAndExtract(2, 3);
    Click(main->Command4);
    dialog = Chooser();
    Click(main->Command3);  // re-captions the review dialog, which still undoes
    ASSERT_EQ(Chooser(), dialog);
    EXPECT_EQ(dialog->windowTitle(), "Select the files to rename");
    EXPECT_EQ(dialog->Command1->text() + "|" + dialog->Command2->text(), "Accept|Undo");
    Click(dialog->Command2);
    EXPECT_EQ(Disk(Files()), Original);
}

}  // namespace
