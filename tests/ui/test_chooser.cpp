// The file chooser on real temporary directories: where it opens, what it
// offers, how it moves, and what its buttons leave in the main window.
#include <QComboBox>

#include "chooser_test_support.h"

TEST_F(ChooserTest, OpensOnTheStoredDirectoryOrFallsBackSilently) {
    MakeFile(Files(), "plain");
    const struct { QString stored; QByteArray home; QString opens; } cases[] = {
        {QString(), Raw(Home()), Home()},  // first run: nothing stored
        {Files() + "/", Raw(Home()), Files()},
        {Files() + "/gone", Raw(Home()), Home()},
        {Files() + "/plain", Raw(Home()), Home()},
        {Files() + "/gone", Raw(Files() + "/nowhere"), "/"},
    };
    for (const auto& c : cases) {
        if (!c.stored.isNull()) store->write("Dir", c.stored);
        qputenv("HOME", c.home);
        Click(main->Command3);
        frmDir* chooser = Chooser();
        ASSERT_NE(chooser, nullptr);
        EXPECT_TRUE(chooser->isVisible() && !chooser->isModal());
        EXPECT_EQ(chooser->windowTitle(), "Select the files to rename");
        EXPECT_EQ(chooser->Dir1->path(), c.opens) << c.stored.toStdString();
        EXPECT_TRUE(c.opens.startsWith(chooser->Drive1->currentText()));
        Click(chooser->Command2);
    }
}

TEST_F(ChooserTest, OffersOrdinaryFilesByExactNameAndMovesWithoutMessages) {
    for (const QByteArray name : {"b.txt", "A.jpg", "img10.png", "img9.png", ".hidden", "bad\xff.jpg", "\xef\xbb\xbfz"})
        MakeFile(Files(), name);
    for (const QByteArray name : {".cache", "sub", "vanishing"}) MakeDir(Files(), name);
    MakeFile(Files() + "/sub", "inner.txt");
    store->write("Dir", Files());
    Click(main->Command3);
    frmDir* chooser = Chooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(Items(chooser->File1),
              QStringList({"A.jpg", "b.txt", "img9.png", "img10.png", QChar(0xFEFF) + QString("z")}));
    const QStringList dirs = Items(chooser->Dir1);  // ancestors from the root down, then subdirectories
    EXPECT_EQ(dirs.first(), "/");
    EXPECT_EQ(dirs.mid(dirs.size() - 3), QStringList({"files", "sub", "vanishing"}));
    EXPECT_EQ(chooser->focusWidget(), chooser->Drive1);

    DoubleClickRow(chooser->Dir1, dirs.size() - 2);
    EXPECT_EQ(chooser->Dir1->path(), Files() + "/sub");
    EXPECT_EQ(Items(chooser->File1), QStringList({"inner.txt"}));
    chooser->Dir1->setCurrentRow(chooser->Dir1->count() - 2);
    QTest::keyClick(chooser->Dir1, Qt::Key_Return);  // opens the parent, presses no button
    EXPECT_EQ(chooser->Dir1->path(), Files());
    EXPECT_TRUE(chooser->isVisible());
    rmdir(Raw(Files() + "/vanishing").constData());
    DoubleClickRow(chooser->Dir1, chooser->Dir1->count() - 1);
    EXPECT_EQ(chooser->Dir1->path(), Files());

    // A volume that cannot be read puts the drive list back; a readable one is opened at its root.
    const QString volume = chooser->Drive1->currentText();
    chooser->Drive1->addItem(Files() + "/no-such-volume");
    chooser->Drive1->setCurrentIndex(chooser->Drive1->count() - 1);
    EXPECT_EQ(chooser->Drive1->currentText(), volume);
    EXPECT_EQ(chooser->Dir1->path(), Files());
    chooser->Drive1->addItem(Home());
    chooser->Drive1->setCurrentIndex(chooser->Drive1->count() - 1);
    EXPECT_EQ(chooser->Dir1->path(), Home());
    EXPECT_EQ(chooser->File1->count(), 0);
}

TEST_F(ChooserTest, OkCancelAndCloseDecideTheListButtonsAndStoredDirectory) {
    for (const QByteArray name : {"a1.jpg", "a2.jpg", "a3.jpg", "a4.jpg", "a5.jpg"}) MakeFile(Files(), name);
    MakeDir(Files(), "sub");
    store->write("Dir", Files());
    main->txtExample->setText("old");
    main->List1->addItem("old");
    Click(main->Command3);
    EXPECT_EQ(main->List1->count(), 0);
    EXPECT_EQ(main->txtExample->text(), "");
    frmDir* chooser = Chooser();
    ClickRow(chooser->File1, 3);
    ClickRow(chooser->File1, 0, Qt::ControlModifier);
    ClickRow(chooser->File1, 1, Qt::ControlModifier);
    for (QWidget* w : {static_cast<QWidget*>(chooser->File1), static_cast<QWidget*>(chooser->Command1)})
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(w, key);
    EXPECT_EQ(Chooser(), chooser);
    Click(chooser->Command1);
    EXPECT_EQ(Chooser(), nullptr);
    EXPECT_EQ(Items(main->List1), QStringList({"a1.jpg", "a2.jpg", "a4.jpg"}));  // list order, not click order
    EXPECT_EQ(main->txtFile->text(), "a1.jpg");
    EXPECT_EQ(Workflow(), MaskAndExtract);
    EXPECT_EQ(ws.LastIndex, 4);

    Click(main->Command3);  // empties the list, leaves the buttons
    EXPECT_EQ(Workflow(), MaskAndExtract);
    DoubleClickRow(Chooser()->File1, 4);
    EXPECT_EQ(Items(main->List1), QStringList({"a5.jpg"}));

    Click(main->Command3);  // OK with nothing selected, in another directory
    DoubleClickRow(Chooser()->Dir1, Chooser()->Dir1->count() - 1);
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
    frmDir* closed = main->findChild<frmDir*>("frmDir");
    frmDir* next = main->dirDialog();  // a closed chooser is never handed out again
    EXPECT_TRUE(next != closed && !next->isVisible());

    store = std::make_unique<SettingsStore>(root.filePath("Morvane.conf"));
    OpenMain();  // a restart
    Click(main->Command3);
    EXPECT_EQ(Chooser()->Dir1->path(), Files() + "/sub");
}
