// The keystroke filters by key code, the key-to-code hook, and typing into the
// options dialog's real boxes.
#include <optional>

#include "filters.h"
#include "windows/frmOptions.h"
#include "widgets/key_press_filter.h"
#include "window_test_support.h"

namespace {

int beeps = 0;
// Counts the filters' beeps from here on, instead of sounding them.
void CountBeeps() {
    Filters::SetBeep([] { ++beeps; });
    beeps = 0;
}

TEST(KeyPressFilter, TurnsKeyPressesIntoSigned16BitCharacterCodes) {
    const std::tuple<const char*, int, Qt::KeyboardModifiers, QString, std::optional<qint16>> cases[] = {
        {"Ctrl+V is its control code", Qt::Key_V, Qt::ControlModifier, "", 22},
        {"AltGr types its character", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@", 64},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "", 13},
        {"above 32767 comes out negative", Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xFF21)), -223},
        {"an arrow types nothing", Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {"Delete types nothing", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
    };
    for (const auto& [name, key, mods, text, code] : cases)
        EXPECT_EQ(KeyPressFilter::CharacterCode(QKeyEvent(QEvent::KeyPress, key, mods, text)), code) << name;
}

TEST_F(UiTest, OptionsBoxesFilterKeysAsTheyAreTypedAndOnlyTheNumberRefusesPaste) {
    frmOptions dialog(*main, presenter->Options());
    QApplication::clipboard()->setText("9:x");
    // Box, typed ("^V": paste, whose text is not filtered), text, beeps.
    const std::tuple<const char*, QString, QString, int> cases[] = {
        {"txtStartingNumber", "-12.5", "125", 0}, {"txtStartingNumber", "1a2", "12", 1},
        {"txtPrefix", "a:b*c", "abc", 0},          {"txtSufix", "<x|y> .z", "xy .z", 0},
        {"txtStartingNumber", "^V", "", 1},        {"txtPrefix", "^V", "9:x", 0},
    };
    for (const auto& [name, typed, text, expectedBeeps] : cases) {
        SCOPED_TRACE(std::string(name) + " typed " + typed.toStdString());
        QLineEdit* box = OptionBox(dialog, name);
        box->clear();
        CountBeeps();
        typed == "^V" ? QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier) : QTest::keyClicks(box, typed);
        EXPECT_EQ(std::tuple(box->text(), beeps), std::tuple(text, expectedBeeps));
    }
}

}  // namespace
