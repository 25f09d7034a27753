// The about box closes by "OK", Enter and Escape, and returns to its owner.
#include <QPushButton>
#include <QTest>

#include "frmAbout.h"
#include "options_test_support.h"

TEST(AboutBox, OkEnterAndEscapeCloseIt) {
    QWidget owner;
    owner.show();
    const std::function<void(QPushButton*)> ways[] = {
        [](QPushButton* ok) { QTest::mouseClick(ok, Qt::LeftButton); },
        [](QPushButton* ok) { QTest::keyClick(ok, Qt::Key_Return); },
        [](QPushButton* ok) { QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier); },
        [](QPushButton* ok) { QTest::keyClick(ok, Qt::Key_Escape); },
    };
    for (const auto& press : ways)
        EXPECT_FALSE(RunModal([&] { frmAbout::Open(&owner); },
                              [&](QDialog& box) {
                                  EXPECT_EQ(box.parentWidget(), &owner);
                                  EXPECT_TRUE(box.isModal());
                                  auto* ok = box.findChild<QPushButton*>("cmdOK");
                                  ASSERT_EQ(box.focusWidget(), ok);
                                  press(ok);
                              }));
}
