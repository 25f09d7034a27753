// Every window walked at the desktop fonts users have: each text fits its
// control, no two controls overlap and all lie inside their window. Also
// what assistive technology finds in the windows.
#include <QAccessible>

#include "widgets/dir_indent_delegate.h"
#include "widgets/form_builder.h"
#include "windows/frmAbout.h"
#include "windows/help_window.h"
#include "texts/language.h"
#include "texts/status_text.h"
#include "window_test_support.h"

namespace {

// The room a button's caption is drawn in.
QRect CaptionRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
                                        : qobject_cast<const QCheckBox*>(&button)  ? QStyle::SE_CheckBoxContents
                                                                                   : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(contents, &option, &button);
}

// What is wrong with one window, one line a fault, naming the controls.
QStringList LayoutFaults(const QWidget& window, const QWidget& client) {
    QStringList faults;
    QList<QWidget*> controls;
    for (QWidget* w : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && w->isVisible()) controls += w;
    if (controls.isEmpty()) faults += "no visible control";
    const QString where = window.objectName() + " ";
    for (QWidget* c : controls) {
        const QString name = where + c->objectName();
        if (!client.rect().contains(c->geometry())) faults += name + " outside its window";
        if (!window.rect().contains(QRect(client.mapTo(&window, c->pos()), c->size())))
            faults += name + " outside the window's frame";
        const QFontMetrics metrics(c->font());
        if (auto* label = qobject_cast<QLabel*>(c); label && !label->text().isEmpty()) {
            const QRect room = label->contentsRect();
            const QSize lines = metrics.size(0, label->text());  // one line or several
            const int height = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : metrics.height() + int(label->text().count('\n')) * metrics.lineSpacing();
            if ((!label->wordWrap() && lines.width() > room.width()) || height > room.height())
                faults += name + " text clipped";
        }
        // The program's own choices fit; the volumes are the system's paths, of any length.
        if (auto* box = qobject_cast<QComboBox*>(c); box && box->objectName() != "Drive1") {
            QStyleOptionComboBox option;
            option.initFrom(box);
            const QRect room =
                box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
            for (int i = 0; i < box->count(); ++i)
                if (metrics.horizontalAdvance(box->itemText(i)) > room.width())
                    faults += name + " choice " + box->itemText(i) + " clipped";
        }
        if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
            const QRect room = CaptionRoom(*button);
            if (text.width() > room.width() || text.height() > room.height()) faults += name + " caption clipped";
        }
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                faults += where + controls[i]->objectName() + " overlaps " + controls[j]->objectName();
    return faults;
}

// Status texts at their longest, in the language installed: several
// refusals and a long folder, a journal folder that is a file, a long path
// without a space to break at.
QStringList LongStatusTexts() {
    using morvane::RefusalCause;
    const QString folder = "/home/someone/Pictures/2026/Holidays in the mountains/Day 3, the long walk";
    const QString unbroken = "/media/someone/SDCARD/DCIM/100CANON_copied_from_the_second_camera_of_the_trip";
    const morvane::SkippedFiles skipped{{{RefusalCause::ReadOnlyFileSystem, u"IMG_0041.JPG", 3},
                                         {RefusalCause::CharacterRefused, u"Wanderung: Gipfel?.JPG", 12}},
                                        true};
    StatusContext journal(folder + "/.local/state/Morvane");
    journal.Journal = morvane::FolderCheck{morvane::FolderFault::NotAFolder, (folder + "/.local/state").toStdString()};
    return {RenamedWords(1000, 998, skipped, folder), RenamedWords(2, 0, skipped, unbroken),
            ErrorWords(morvane::ErrorNumber::JournalFolderUnusable, journal),
            ErrorWords(morvane::ErrorNumber::CannotAccess, {unbroken, {}, true, RefusalCause::ImmutableFolder})};
}

class LayoutTest : public UiTest {
protected:
    void SetUp() override {
        savedFont = QApplication::font();
        UiTest::SetUp();
    }
    void TearDown() override {
        UiTest::TearDown();
        QApplication::setFont(savedFont);
    }
    // A fresh main window created with the application font at that size.
    void OpenAt(int points) {
        QFont font = savedFont;
        font.setPointSize(points);
        QApplication::setFont(font);
        OpenMain();
    }
    QStringList Walk(const QWidget& window) { return LayoutFaults(window, window); }
    QFont savedFont;
};

TEST_F(LayoutTest, EveryWindowShowsEveryTextWholeWithoutOverlapAtEachDesktopFont) {
    const QString help = root.filePath("help.htm");
    std::ofstream(Raw(help)) << "<h1>Morvane Help</h1><p>text</p>";
    std::printf("device pixel ratio %.1f\n", qApp->devicePixelRatio());
    // German is the longest; every language and every size must fit.
    for (const char* locale : {"C", "de_DE", "fr_FR", "es_ES"})
    for (const int points : {8, 9, 10, 11, 12, 14}) {
        SCOPED_TRACE(std::string(locale) + ", " + std::to_string(points) + " pt");
        const Language language{QLocale(locale)};
        OpenAt(points);
        // The progress line of a long ordering, at its longest.
        auto* progress = InMain<QLabel>("lblOrderProgress");
        progress->setText("Putting the files in order: 1001 of 1001");
        progress->show();
        QStringList faults = LayoutFaults(*main, *main->centralWidget());
        progress->hide();
        // The longest status texts, with long folders, are shown whole: the
        // line takes the lines they need and the window grows with it.
        for (const QString& words : LongStatusTexts()) {
            emit presenter->StatusChanged(words);
            QString shown = InMain<QLabel>("lblStatus")->text();
            if (shown.remove(QRegularExpression("\\s")) != QString(words).remove(QRegularExpression("\\s")))
                faults += "frmMain lblStatus elided: " + words;
            faults += LayoutFaults(*main, *main->centralWidget());
        }
        emit presenter->StatusChanged({});
        // The instructions are in the dialog font; the title is larger.
        for (auto* label : main->centralWidget()->findChildren<QLabel*>(QRegularExpression("^Label\\d$"))) {
            const bool title = label->objectName() == "Label5";
            if (title ? label->font().pointSizeF() <= points : label->font().pointSizeF() != points)
                faults += "frmMain " + label->objectName() + " font " + QString::number(label->font().pointSizeF());
        }
        Click(Button("Command3"));
        faults += Walk(*Chooser());
        presenter->Rename();  // a pass over nothing: the chooser turns into the review
        faults += Walk(*Chooser());
        Chooser()->close();
        for (const char* menu : {"mnuOptionsSetOptions", "MnuHelpAbout"})
            RunModal([&] { Trigger(menu); }, [&](QDialog& d) { faults += Walk(d); });
        HelpWindow* window = HelpWindow::Open(help, main.get());
        ASSERT_NE(window, nullptr);
        faults += Walk(*window);
        window->close();
        EXPECT_EQ(faults, QStringList());
    }
}

TEST_F(LayoutTest, OnlyTheFileListFollowsTheWindowAndTheDesignSizeIsTheLeast) {
    QWidget* client = main->centralWidget();
    const QSize design = client->size();
    EXPECT_EQ(client->minimumSize(), design);
    const auto others = [&] {  // every control but the list, where it lies
        std::map<QString, QRect> where;
        for (QWidget* c : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (c != List1()) where[c->objectName()] = c->geometry();
        return where;
    };
    const auto before = others();
    const QRect list = List1()->geometry();

    const std::pair<const char*, QSize> rows[] = {{"larger", {300, 200}}, {"wider only", {150, 0}},
                                                  {"smaller than design", {-100, -80}}};
    for (const auto& [name, grow] : rows) {
        SCOPED_TRACE(name);
        main->resize(main->size() + grow);
        QCoreApplication::processEvents();
        const QSize grown = client->size() - design;
        EXPECT_EQ(std::tuple(grown, List1()->geometry(), others()),
                  std::tuple(grow.expandedTo({0, 0}), list.adjusted(0, 0, grown.width(), grown.height()), before));
        main->resize(main->size() - grow.expandedTo({0, 0}));
        QCoreApplication::processEvents();
    }
}

// The names in the accessible tree below one object.
QStringList AccessibleChildren(QObject* object) {
    QStringList names;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    for (int i = 0; face && i < face->childCount(); ++i)
        if (QAccessibleInterface* child = face->child(i)) names += child->text(QAccessible::Name);
    return names;
}

TEST_F(LayoutTest, AssistiveTechnologyFindsNamesWithoutHiddenLabelsLinesOrIndents) {
    QStringList unnamed;
    for (QWidget* control : main->centralWidget()->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus && control->accessibleName().trimmed().isEmpty())
            unnamed += control->objectName();
    EXPECT_EQ(unnamed, QStringList()) << "controls that take the focus without a name";
    // The option labels hold values and are never shown.
    const QStringList mainNames = AccessibleChildren(main->centralWidget());
    for (const char* hidden : {"Prefix", "Suffix", "Starting Number", "Consecutive Lettering Position"})
        EXPECT_FALSE(mainNames.contains(hidden)) << hidden;
    EXPECT_TRUE(mainNames.contains("Files to rename"));

    RunModal([&] { Trigger("MnuHelpAbout"); }, [&](QDialog& d) {
        const QStringList names = AccessibleChildren(&d);
        EXPECT_EQ(names.size(), 6) << names.join(" | ").toStdString();  // icon, 4 texts, OK: no separator
    });

    QDir(Home()).mkpath("sub/deeper");
    store->write("Dir", Home() + "/sub");
    Click(Button("Command3"));
    auto* drives = Find<QComboBox>(Chooser(), "Drive1");
    QAccessibleInterface* drive = QAccessible::queryAccessibleInterface(drives);
    ASSERT_NE(drive, nullptr);
    EXPECT_EQ(QStringList({drive->text(QAccessible::Name), drive->text(QAccessible::Value)}), QStringList({"Drive", drives->currentText()}));
    // The choice is read out as the selected row of the list of choices.
    ASSERT_EQ(drive->childCount(), 1);
    QAccessibleInterface* choices = drive->child(0);
    ASSERT_NE(choices, nullptr);
    QStringList selected;
    for (int i = 0; i < choices->childCount(); ++i)
        if (QAccessibleInterface* row = choices->child(i); row && row->state().selected)
            selected += row->text(QAccessible::Name);
    EXPECT_EQ(selected, QStringList{drives->currentText()});

    // Names alone: the depth is in its own role (each ancestor one deeper, the
    // subdirectory under the last) for the delegate to draw.
    DirListBox* dirs = Dir1();
    const QStringList rows = AccessibleChildren(dirs);
    EXPECT_TRUE(rows.contains("deeper")) << rows.join(" | ").toStdString();
    for (int row = 0; row < dirs->count(); ++row)
        EXPECT_EQ(dirs->model()->index(row, 0).data(DirDepthRole).toInt(), row) << "row " << row;
    // Drawn indented: a deeper entry asks for more room than a shallower one of the same name.
    QStyleOptionViewItem option;
    option.initFrom(dirs);
    auto* delegate = dirs->itemDelegate();
    QStandardItemModel model;
    for (int depth : {0, 3}) {
        auto* item = new QStandardItem("same");
        item->setData(depth, DirDepthRole);
        model.appendRow(item);
    }
    EXPECT_GT(delegate->sizeHint(option, model.index(1, 0)).width(), delegate->sizeHint(option, model.index(0, 0)).width());
}

// A table whose texts do not fit at the font's scale: the scale grows, the
// font stays.
TEST(FormBuilderTest, ATextThatWouldNotFitGrowsTheScaleNeverShrinksTheFont) {
    using enum ControlKind;
    static const ControlRow rows[] = {
        {Label, "narrow", "A label far wider than its rectangle", 0, 0, 300, 195, NoTab, nullptr, nullptr},
        {Button, "button", "A long caption for a button", 0, 300, 600, 375, 0, nullptr, nullptr},
        {WrappedText, "wrapped", "Many words wrapped into far too few lines for them all to show", 0, 900, 1500,
         195, NoTab, nullptr, nullptr},
    };
    QWidget window;
    const Form form = BuildForm(window, rows, "FormBuilderTest");
    const TwipScale base = TwipScale::ForFont(window.font());
    auto *label = form.get<QLabel>("narrow"), *wrapped = form.get<QLabel>("wrapped");
    auto* button = form.get<QPushButton>("button");
    // Both scales grown, the font kept, and each text fits: the label's line, the wrapped lines, the caption.
    EXPECT_EQ(std::tuple(form.Scale().x > base.x, form.Scale().y > base.y, label->font() == window.font(),
                         QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                         wrapped->heightForWidth(wrapped->width()) <= wrapped->height(),
                         QFontMetrics(button->font()).horizontalAdvance(button->text()) <= CaptionRoom(*button).width()),
              std::tuple(true, true, true, true, true, true));
}

}  // namespace
