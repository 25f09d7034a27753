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
    const std::tuple<void (*)(qint16&), std::string, std::vector<qint16>> cases[] = {
        {numeric, "pass", {0, 8, 48, 53, 57}},
        {numeric, "silent", {13, 43, 44, 45, 46}},
        {numeric, "beep", {1, 3, 9, 22, 24, 26, 27, 32, 47, 58, 97, 127, 1632, 32767, -1, -223, -32768}},
        {fileName, "silent", {13, 34, 42, 47, 58, 60, 62, 63, 92, 124}},
        {fileName, "pass", {0, 3, 8, 22, 24, 26, 32, 46, 59, 61, 91, 93, 123, 125, 32767, -1, -32768}},
    };
    for (const auto& [filter, outcome, codes] : cases)
        for (qint16 code : codes) EXPECT_EQ(Outcome(filter, code), outcome) << "code " << code;
}

TEST(KeyPressFilter, TurnsKeyPressesIntoSigned16BitCharacterCodes) {
    const std::tuple<int, Qt::KeyboardModifiers, QString, std::optional<qint16>> cases[] = {
        {Qt::Key_V, Qt::ControlModifier, "", 22},
        {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@", 64},  // AltGr
        {Qt::Key_Enter, Qt::KeypadModifier, "", 13},
        {Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xFF21)), -223},
        {Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
    };
    for (const auto& [key, mods, text, code] : cases)
        EXPECT_EQ(KeyPressFilter::CharacterCode(QKeyEvent(QEvent::KeyPress, key, mods, text)), code) << key;
}

TEST_F(UiTest, OptionsBoxesFilterKeysAsTheyAreTypedAndOnlyTheNumberRefusesPaste) {
    frmOptions dialog(*main);
    QApplication::clipboard()->setText("9:x");
    // Box, typed ("^V": paste, whose text is not filtered), text, beeps.
    const std::tuple<QLineEdit*, QString, QString, int> cases[] = {
        {dialog.txtStartingNumber, "-12.5", "125", 0}, {dialog.txtStartingNumber, "1a2", "12", 1},
        {dialog.txtPrefix, "a:b*c", "abc", 0}, {dialog.txtSufix, "<x|y> .z", "xy .z", 0},
        {dialog.txtStartingNumber, "^V", "", 1}, {dialog.txtPrefix, "^V", "9:x", 0}, {dialog.txtSufix, "^V", "9:x", 0},
    };
    for (const auto& [box, typed, text, expectedBeeps] : cases) {
        box->clear();
        CountBeeps();
        if (typed == "^V")
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::keyClicks(box, typed);
        EXPECT_EQ(box->text(), text) << typed.toStdString();
        EXPECT_EQ(beeps, expectedBeeps) << typed.toStdString();
    }
}

}  // namespace
