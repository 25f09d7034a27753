// The keystroke filters by key code, the key-to-code hook, and typing into the
// options dialog's real boxes.
#include <optional>

#include "filters.h"
#include "frmOptions.h"
#include "key_press_filter.h"
#include "window_test_support.h"

namespace {

int beeps = 0;
// Counts the filters' beeps from here on, instead of sounding them.
void CountBeeps() {
    Filters::SetBeep([] { ++beeps; });
    beeps = 0;
}

// "pass", "silent" (cancelled) or "beep" (cancelled with one beep).
std::string Outcome(void (*filter)(qint16&), qint16 code) {
    CountBeeps();
    qint16 key = code;
    filter(key);
    if (key == code && beeps == 0) return "pass";
    if (key == 0) return beeps == 0 ? "silent" : beeps == 1 ? "beep" : "beeps";
    return "changed";
}

TEST(KeyFilters, FollowTheirKeyCodeTables) {
    const auto numeric = &Filters::NumericKeyFilter, fileName = &Filters::FileNameKeyFilter;
    const std::tuple<const char*, void (*)(qint16&), std::string, std::vector<qint16>> cases[] = {
        {"number: digits, backspace, none", numeric, "pass", {0, 8, 48, 53, 57}},
        {"number: Enter and signs", numeric, "silent", {13, 43, 44, 45, 46}},
        {"number: everything else", numeric, "beep",
         {1, 3, 9, 22, 24, 26, 27, 32, 47, 58, 97, 127, 1632, 32767, -1, -223, -32768}},
        {"file name: Enter and forbidden characters", fileName, "silent", {13, 34, 42, 47, 58, 60, 62, 63, 92, 124}},
        {"file name: everything else", fileName, "pass",
         {0, 3, 8, 22, 24, 26, 32, 46, 59, 61, 91, 93, 123, 125, 32767, -1, -32768}},
    };
    for (const auto& [name, filter, outcome, codes] : cases) {
        SCOPED_TRACE(name);
        for (qint16 code : codes) EXPECT_EQ(Outcome(filter, code), outcome) << "code " << code;
    }
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
    frmOptions dialog(*main, *store);
    QApplication::clipboard()->setText("9:x");
    // Box, typed ("^V": paste, whose text is not filtered), text, beeps.
    const std::tuple<const char*, QString, QString, int> cases[] = {
        {"txtStartingNumber", "-12.5", "125", 0}, {"txtStartingNumber", "1a2", "12", 1},
        {"txtPrefix", "a:b*c", "abc", 0},          {"txtSufix", "<x|y> .z", "xy .z", 0},
        {"txtStartingNumber", "^V", "", 1},        {"txtPrefix", "^V", "9:x", 0},
        {"txtSufix", "^V", "9:x", 0},
    };
    for (const auto& [name, typed, text, expectedBeeps] : cases) {
        SCOPED_TRACE(std::string(name) + " typed " + typed.toStdString());
        QLineEdit* box = OptionBox(dialog, name);
        box->clear();
        CountBeeps();
        if (typed == "^V")
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::keyClicks(box, typed);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(beeps, expectedBeeps);
    }
}

}  // namespace
