// The keystroke filters by key code, the key-to-code hook, and typing into the
// options dialog's real boxes.
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <optional>

#include "filters.h"
#include "frmOptions.h"
#include "key_press_filter.h"
#include "options_test_support.h"

namespace {

// Counts the filters' beeps for as long as it lives.
class BeepCounter {
public:
    BeepCounter() : m_previous(Filters::SetBeep([] { ++s_count; })) { s_count = 0; }
    ~BeepCounter() { Filters::SetBeep(m_previous); }
    int beeps() const { return s_count; }

private:
    static inline int s_count = 0;
    Filters::BeepFunction m_previous;
};

// "pass", "silent" (cancelled) or "beep" (cancelled with one beep).
std::string Outcome(void (*filter)(qint16&), qint16 code) {
    BeepCounter counter;
    qint16 key = code;
    filter(key);
    if (key == code && counter.beeps() == 0) return "pass";
    if (key == 0 && counter.beeps() == 0) return "silent";
    if (key == 0 && counter.beeps() == 1) return "beep";
    return "key " + std::to_string(key) + ", beeps " + std::to_string(counter.beeps());
}

TEST(KeyFilters, FollowTheirKeyCodeTables) {
    struct Case {
        void (*filter)(qint16&);
        std::string outcome;
        std::vector<qint16> codes;
    };
    const Case cases[] = {
        {&Filters::NumericKeyFilter, "pass", {0, 8, 48, 53, 57}},
        {&Filters::NumericKeyFilter, "silent", {13, 43, 44, 45, 46}},
        {&Filters::NumericKeyFilter, "beep",
         {1, 3, 7, 9, 12, 14, 22, 24, 26, 27, 32, 42, 47, 58, 97, 127, 1632, 32767, -1, -223, -32768}},
        {&Filters::FileNameKeyFilter, "silent", {13, 34, 42, 47, 58, 60, 62, 63, 92, 124}},
        {&Filters::FileNameKeyFilter, "pass",
         {0, 3, 8, 22, 24, 26, 32, 46, 59, 61, 91, 93, 123, 125, 32767, -1, -32768}},
    };
    for (const Case& c : cases)
        for (qint16 code : c.codes) EXPECT_EQ(Outcome(c.filter, code), c.outcome) << "code " << code;
}

TEST(KeyPressFilter, TurnsKeyPressesIntoCharacterCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        std::optional<qint16> code;
    };
    const Case cases[] = {
        {Qt::Key_V, Qt::ControlModifier, "", 22},
        {Qt::Key_V, Qt::ControlModifier, "v", 22},
        {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@", 64},  // AltGr
        {Qt::Key_Enter, Qt::KeypadModifier, "", 13},
        {Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xFF21)), -223},
        {Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
        {Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyPressFilter::CharacterCode(QKeyEvent(QEvent::KeyPress, c.key, c.mods, c.text)), c.code)
            << "key " << c.key;
}

class TypingInOptionsBoxes : public MainWindowOnTempStore {
protected:
    void SetUp() override {
        MainWindowOnTempStore::SetUp();
        dialog = std::make_unique<frmOptions>(*main);
    }
    std::unique_ptr<frmOptions> dialog;
};

TEST_F(TypingInOptionsBoxes, KeysAreFilteredAsTheyAreTyped) {
    struct Case {
        QLineEdit* box;
        QString typed, text;
        int beeps;
    };
    const Case cases[] = {
        {dialog->txtStartingNumber, "-12.5", "125", 0}, {dialog->txtStartingNumber, "1a2", "12", 1},
        {dialog->txtStartingNumber, "+1,000 ", "1000", 1}, {dialog->txtPrefix, "a:b*c", "abc", 0},
        {dialog->txtSufix, "<x|y>?\"/\\ .z", "xy .z", 0},
    };
    for (const Case& c : cases) {
        c.box->clear();
        BeepCounter counter;
        QTest::keyClicks(c.box, c.typed);
        EXPECT_EQ(c.box->text(), c.text) << c.typed.toStdString();
        EXPECT_EQ(counter.beeps(), c.beeps) << c.typed.toStdString();
    }
}

TEST_F(TypingInOptionsBoxes, PasteIsCancelledWithABeepOnlyInTheStartingNumber) {
    QApplication::clipboard()->setText("9:x");
    const std::tuple<QLineEdit*, QString, int> cases[] = {
        {dialog->txtStartingNumber, "", 1}, {dialog->txtPrefix, "9:x", 0}, {dialog->txtSufix, "9:x", 0}};
    for (const auto& [box, text, beeps] : cases) {
        BeepCounter counter;
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), text);  // pasted text is not filtered
        EXPECT_EQ(counter.beeps(), beeps);
    }
}

}  // namespace
