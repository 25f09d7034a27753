// The road of one rename through the real windows on a real directory:
// choose, mask, extract, rename, then review with Accept or Undo.
#include <functional>

#include "chooser_test_support.h"
#include "error_numbers.h"
#include "qt_text.h"

namespace {

// The real rename layer, except for the sources Fault answers with a number.
struct FaultyRenamer : morvane::FileRenamer {
    morvane::PosixRenamer Real;
    std::function<int(const QString& from)> Fault;
    int Rename(const morvane::Text& from, const morvane::Text& to) override {
        if (const int number = Fault ? Fault(ToQString(from)) : 0) return number;
        return Real.Rename(from, to);
    }
};

class WorkflowTest : public ChooserTest {
protected:
    void SetUp() override {
        ChooserTest::SetUp();
        for (const QByteArray name : {"IMG_0041.JPG", "IMG_0042.JPG", "IMG_0043.JPG", "notes.txt"})
            MakeFile(Files(), name);
        store->write("Dir", Files());
        const char* options[][2] = {
            {"Prefix", "Trip"}, {"Sufix", "_x"}, {"StartingNumber", "7"}, {"LetteringPosition", "0"}};
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

}  // namespace

TEST_F(WorkflowTest, RoadOfOneRenameThenUndoOrAccept) {
    const DiskFiles renamed{{"TripIMG-0007_x.JPG", "IMG_0041.JPG"}, {"TripIMG-0008_x.JPG", "IMG_0042.JPG"},
                            {"TripIMG-0009_x.JPG", "IMG_0043.JPG"}, {"notes.txt", "notes.txt"}};
    for (const bool accept : {false, true}) {
        EXPECT_EQ(Workflow(), AllOff);
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
        EXPECT_TRUE(review->isVisible());
        EXPECT_EQ(review->windowTitle(), "Accept the new names, or Undo the changes");
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
    FaultyRenamer faulty;
    renamer = &faulty;
    OpenMain();
    MakeFile(Files(), "TripIMG-0009_x.JPG");
    faulty.Fault = [](const QString& from) { return from.endsWith("/IMG_0042.JPG") ? morvane::ErrCannotAccess : 0; };
    ChooseAndExtract(2, 3);
    Click(main->Command4);
    EXPECT_EQ(main->txtExample->text(), "Some Files Were Skipped");
    DiskFiles expected{{"TripIMG-0007_x.JPG", "IMG_0041.JPG"}, {"IMG_0042.JPG", "IMG_0042.JPG"},
                       {"TripIMG-0009_x-1.JPG", "IMG_0043.JPG"}, {"TripIMG-0009_x.JPG", "TripIMG-0009_x.JPG"},
                       {"notes.txt", "notes.txt"}};
    EXPECT_EQ(Disk(Files()), expected);

    faulty.Fault = [](const QString& from) {
        return from.endsWith("/TripIMG-0007_x.JPG") ? morvane::ErrCannotAccess : 0;
    };
    frmDir* review = Chooser();
    Click(review->Command2);
    EXPECT_EQ(Chooser(), review);  // still open for another try
    EXPECT_TRUE(review->isVisible() && review->Command2->isEnabled());
    EXPECT_EQ(main->txtExample->text(), "Error # 75");
    EXPECT_EQ(Workflow(), AllOn);

    faulty.Fault = nullptr;
    Click(review->Command2);
    EXPECT_EQ(Chooser(), nullptr);
    expected = Original;
    expected["TripIMG-0009_x.JPG"] = "TripIMG-0009_x.JPG";
    EXPECT_EQ(Disk(Files()), expected);
}

TEST_F(WorkflowTest, SelectWhileReviewingAndRenameWhileChoosingShareOneDialog) {
    MakeDir(Files(), "other");
    MakeFile(Files() + "/other", "IMG_0099.JPG");
    ChooseAndExtract(2, 3);
    Click(main->Command3);  // the chooser opens; "Rename" stays enabled
    frmDir* dialog = Chooser();
    DoubleClickRow(dialog->Dir1, dialog->Dir1->count() - 1);
    Click(main->Command4);  // works where the open chooser is, with the emptied list
    EXPECT_EQ(Chooser(), dialog);
    EXPECT_EQ(ToQString(ws.DirPath), Files() + "/other");
    EXPECT_EQ(dialog->windowTitle(), "Accept the new names, or Undo the changes");
    EXPECT_EQ(Items(dialog->File1), QStringList({"IMG_0099.JPG"}));
    Click(dialog->Command1);

    ChooseAndExtract(2, 3);
    Click(main->Command4);
    dialog = Chooser();
    Click(main->Command3);  // re-captions the review dialog, which still undoes
    EXPECT_EQ(Chooser(), dialog);
    EXPECT_EQ(dialog->windowTitle(), "Select the files to rename");
    EXPECT_EQ(dialog->Command1->text() + "|" + dialog->Command2->text(), "Accept|Undo");
    Click(dialog->Command2);
    EXPECT_EQ(Disk(Files()), Original);
}

TEST_F(WorkflowTest, NamesThatAreNotUtf8AreNeverOfferedNorTouched) {
    MakeFile(Files(), "IMG_\xff.JPG");
    MakeFile(Files(), "\xef\xbb\xbfIMG_0044.JPG");  // begins with U+FEFF
    DiskFiles before = Original;
    before["IMG_\xff.JPG"] = "IMG_\xff.JPG";
    before["\xef\xbb\xbfIMG_0044.JPG"] = "\xef\xbb\xbfIMG_0044.JPG";
    ChooseAndExtract(4, 0);  // every file offered, empty mask: all are numbered
    EXPECT_EQ(main->List1->count(), 5);
    Click(main->Command4);
    EXPECT_EQ(Disk(Files()), (DiskFiles{{"Trip0007_x.JPG", "IMG_0041.JPG"}, {"Trip0008_x.JPG", "IMG_0042.JPG"},
                                       {"Trip0009_x.JPG", "IMG_0043.JPG"}, {"Trip0010_x.txt", "notes.txt"},
                                       {"Trip0011_x.JPG", "\xef\xbb\xbfIMG_0044.JPG"},
                                       {"IMG_\xff.JPG", "IMG_\xff.JPG"}}));
    Click(Chooser()->Command2);
    EXPECT_EQ(Disk(Files()), before);
}
