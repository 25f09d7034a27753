// The preview of every new name: when it can be opened, what it shows, when
// it follows the main window, and that what it shows is what "Rename" does.
#include <sys/stat.h>

#include "../named_rows.h"
#include "texts/report_text.h"
#include "window_test_support.h"

namespace {

using Rows = QStringList;  // "Name|New Name|Note" per row, as the table shows them

class PreviewTest : public UiTest {
protected:
    void Extract(const QString& mask) {
        Box("txtMask")->setText(mask);
        Click(Button("Command1"));
    }
    QAction* PreviewItem() const { return main->findChild<QAction*>("mnuFilePreview"); }
    QWidget* Preview() const { return main->findChild<QWidget*>("frmPreview"); }
    bool PreviewShown() const { return Preview() && Preview()->isVisible(); }
    void OpenPreview() {
        Trigger("mnuFilePreview");
        ASSERT_TRUE(PreviewShown());
    }
    QTableView* Table() const { return Find<QTableView>(Preview(), "lstPreview"); }
    QString Summary() const { return Find<QLabel>(Preview(), "lblPreviewSummary")->text(); }
    Rows Shown() const { return TableRows(Table()->model()); }
    QStringList NameColumn() const {
        QStringList names;
        for (const QString& row : Shown()) names << row.section('|', 0, 0);
        return names;
    }
};

using O = morvane::PredictedOutcome;
struct Named { O outcome; bool hidden; morvane::SkipReason skip = morvane::SkipReason::None; bool dateModifiedUsed = false; };
struct SummaryRow {
    const char* name; std::vector<Named> names; int error; QString summary; QStringList notes;
    morvane::NameRefusal refused = {}; std::size_t uncovered = 0;
};
void PrintTo(const SummaryRow& row, std::ostream* out) { *out << row.name; }
const SummaryRow kSummaryRows[] = {
        {"one of each", {{O::Renamed, false}, {O::KeepsItsName, false}, {O::NumberAdded, false}, {O::Skipped, false}},
         0, "2 files will be renamed (1 with a number added), 1 keeps its name, 1 will be skipped.",
         {"", "keeps its name", "number added", "skipped"}},
        {"none renamed, the others only when there are any", {{O::KeepsItsName, false}}, 0,
         "0 files will be renamed, 1 keeps its name.", {"keeps its name"}},
        {"new names beginning with a dot", {{O::Renamed, true}, {O::NumberAdded, true}}, 0,
         "2 files will be renamed (1 with a number added). 2 new names begin with a dot and will be hidden.",
         {"hidden", "number added, hidden"}},
        {"one hidden", {{O::Renamed, true}}, 0, "1 file will be renamed. 1 new name begins with a dot and will be hidden.", {"hidden"}},
        {"a refused new name shows it", {}, 52,
         "Error # 52: A new name would be \"..\", which names a folder, not a file. Choose another mask.", {},
         {morvane::NamePart::NewName, morvane::NameFault::DotName, u".."}},
        {"files past the last covered one", {{O::Renamed, false}}, 0,
         "1 file will be renamed, 2 will be skipped. Only the first 1001 files are covered.", {""}, {}, 2},
        {"skipped for want of a date or by the file system, a date modified used",
         {{O::Skipped, false, morvane::SkipReason::NoDate}, {O::RefusedByFileSystem, false},
          {O::Renamed, false, morvane::SkipReason::None, true}},
         0, "1 file will be renamed, 2 will be skipped.",
         {"skipped: its date could not be read", "skipped: this folder's file system refuses the name \"b\"",
          "no date taken: date modified used"}},
};
struct PreviewText : testing::TestWithParam<SummaryRow> {};

TEST_P(PreviewText, SummaryCountsEachOutcomeInWordsAndNotesEachFile) {
    const SummaryRow& row = GetParam();
    morvane::Prediction prediction;
    prediction.Error = static_cast<morvane::ErrorNumber>(row.error);
    prediction.Refused = row.refused;
    prediction.Uncovered = row.uncovered;
    QStringList notes;
    for (const Named& n : row.names) {
        prediction.Names.push_back({u"a", u"b", n.outcome, n.hidden, n.skip,
                                    n.outcome == O::RefusedByFileSystem ? u"b" : u"", n.dateModifiedUsed});
        notes << PreviewNote(prediction.Names.back());
    }
    EXPECT_EQ(std::tuple(PreviewSummary(prediction), notes), std::tuple(row.summary, row.notes));
}

NAMED_ROWS(Texts, PreviewText, kSummaryRows);

TEST_F(PreviewTest, MenuItemIsAvailableExactlyWhileRenameIsEnabledAndFilesAreListed) {
    for (const char* name : {"IMG_1.jpg", "IMG_2.jpg"}) MakeFile(Files(), name);
    SetOptions({"Trip", "", "1", "0"});

    const std::tuple<const char*, std::function<void()>, bool> steps[] = {  // name, what is done, available then
        {"at start", [] {}, false},
        {"files listed, nothing extracted", [&] { Hand({"IMG_1.jpg", "IMG_2.jpg"}); }, false},
        {"extracted", [&] { Extract("IMG"); }, true},
        {"renamed: the list is emptied, Rename stays", [&] { Click(Button("Command4")); }, false},
        {"review accepted", [&] { Click(Find<QPushButton>(Chooser(), "Command1")); }, false},
        {"files handed over anew", [&] { Hand({"TripIMG-0001.jpg"}); }, false},
        {"extracted a third time", [&] { Extract("IMG"); }, true},
        {"Select  empties the list", [&] { Click(Button("Command3")); }, false},
        {"chosen in the chooser: Rename disabled", [&] { ClickRow(File1(), 0), Click(ChooserButton("Command1")); }, false},
    };
    // The preview opened at one step stays open through the next exactly
    // when it is still available: emptying the list closes it.
    for (const auto& [name, act, available] : steps) {
        SCOPED_TRACE(name);
        const bool wasShown = PreviewShown();
        act();
        EXPECT_EQ(std::tuple(PreviewItem()->isEnabled(), PreviewShown()), std::tuple(available, wasShown && available));
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(main.get(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(PreviewShown(), available);
    }
}

TEST_F(PreviewTest, FollowsTheExampleTheOptionsAndExtract) {
    for (const char* name : {"A_0041.JPG", "B_0042.JPG", "IMG_0041.JPG"}) MakeFile(Files(), name);
    SetOptions({"Trip", "", "1", "0"});
    Hand({"A_0041.JPG", "B_0042.JPG", "IMG_0041.JPG"});
    Extract("0041");
    OpenPreview();
    const Rows first{"A_0041.JPG|Trip0041.JPG|", "B_0042.JPG|Trip0042.JPG|", "IMG_0041.JPG|IMG_0041.JPG|keeps its name"};
    EXPECT_EQ(Shown(), first);
    const std::tuple<const char*, std::function<void()>, Rows, QString> steps[] = {  // name, act, rows and summary then
        {"the example has the mask further on", [&] { DoubleClickRow(List1(), 2); },
         {"A_0041.JPG|A_0041.JPG|keeps its name", "B_0042.JPG|B_0042.JPG|keeps its name", "IMG_0041.JPG|Trip0041.JPG|"},
         "1 file will be renamed, 2 keep their names."},
        {"the first example again", [&] { DoubleClickRow(List1(), 0); }, first, "2 files will be renamed, 1 keeps its name."},
        {"the options dialog's Ok", [&] { WithOptions([](QDialog& d) {
             OptionBox(d, "txtPrefix")->setText("New"), OptionBox(d, "txtStartingNumber")->setText("5");
             Click(Find<QPushButton>(&d, "cmdOk"));
         }); },
         {"A_0041.JPG|New0041.JPG|", "B_0042.JPG|New0042.JPG|", "IMG_0041.JPG|IMG_0041.JPG|keeps its name"},
         "2 files will be renamed, 1 keeps its name."},
        {"Extract with another mask", [&] { Extract("A_"); },
         {"A_0041.JPG|NewA_-0005.JPG|", "B_0042.JPG|B_0042.JPG|keeps its name", "IMG_0041.JPG|IMG_0041.JPG|keeps its name"},
         "1 file will be renamed, 2 keep their names."},
    };
    for (const auto& [name, act, rows, summary] : steps) {
        SCOPED_TRACE(name);
        act();
        ASSERT_TRUE(PreviewShown());
        EXPECT_EQ(std::tuple(Shown(), Summary()), std::tuple(rows, summary));
    }

    // The lettering is part of the mask's analysis, and a change of it
    // reaches the example and the preview without another "Extract".
    const Rows noLettering = std::get<2>(steps[std::size(steps) - 1]);
    const auto setLettering = [this](int button) {
        WithOptions([button](QDialog& d) {
            Lettering(d, button)->setChecked(true);
            Click(Find<QPushButton>(&d, "cmdOk"));
        });
    };
    for (const int button : {2, 0}) {  // the lettering's place in the example, or none
        setLettering(button);
        EXPECT_EQ(std::tuple(Box("txtExample")->text().contains('!'), Shown() == noLettering), std::tuple(button == 2, button == 0));
    }
}

// Every entry's name, size, times and inode, of the directory and of the files.
std::map<std::string, std::tuple<off_t, long, long, ino_t>> Stamps(const std::vector<std::string>& paths) {
    std::map<std::string, std::tuple<off_t, long, long, ino_t>> stamps;
    for (const std::string& path : paths) {
        struct stat s {};
        EXPECT_EQ(stat(path.c_str(), &s), 0) << path;
        stamps[path] = {s.st_size, s.st_mtim.tv_nsec + s.st_mtim.tv_sec * 1000000000L,
                        s.st_ctim.tv_nsec + s.st_ctim.tv_sec * 1000000000L, s.st_ino};
    }
    return stamps;
}

// On opening, a window of its own in the middle of the screen, every column
// as wide as its widest cell, the notes too: the window grows to show them
// (offscreen's screen has the room). The table sorts by any column and comes
// back to the list order; neither that, nor opening or refreshing it,
// touches a file or writes a setting. What it shows is what "Rename" does
// (test_list_order.cpp's dates, and the core's randomized passes).
TEST_F(PreviewTest, OpensInTheMiddleFitsItsColumnsSortsAndTouchesNoFileNorSetting) {
    const QString names[] = {"IMG_1 on the way up to the hut above the lake.jpg", "IMG_2 the summit.jpg", "notes_3.jpg",
                             "Trip to the mountains, day threeIMG-0002.jpg"};
    for (const QString& name : names) MakeFile(Files(), name.toUtf8());
    SetOptions({"Trip to the mountains, day three", "", "1", "0"});
    Hand({names[0], names[1], names[2]});
    Extract("IMG");
    std::vector<std::string> paths{Raw(Files()), Raw(StoreFile()), Raw(QFileInfo(StoreFile()).path())};
    for (const auto& entry : std::filesystem::directory_iterator(Raw(Files()))) paths.push_back(entry.path());
    const auto before = Stamps(paths);
    const DiskFiles disk = Disk(Files());
    const QByteArray stored = Contents(StoreFile());

    OpenPreview();
    const QPoint offCentre = Preview()->frameGeometry().center() - Preview()->screen()->geometry().center();
    EXPECT_EQ(std::tuple(Preview()->windowTitle(), Preview()->isModal(), offCentre.manhattanLength() <= 2),
              std::tuple("Preview New Names", false, true));
    QTableView* table = Table();
    for (const int column : {0, 1, 2}) {
        const QAbstractItemView& view = *table;
        const int needed = std::max(view.sizeHintForColumn(column), table->horizontalHeader()->sectionSizeHint(column));
        const int shown = column < 2 ? table->columnWidth(column)
                                     : table->viewport()->width() - table->horizontalHeader()->sectionViewportPosition(2);
        EXPECT_GE(shown, needed) << "column " << column;
    }
    QHeaderView* header = table->horizontalHeader();
    const std::tuple<const char*, int, QStringList> steps[] = {  // name, column clicked, the "Name" column then
        {"by note", 2, {names[0], names[2], names[1]}},
        {"by note, descending", 2, {names[1], names[2], names[0]}},
        {"third click: list order", 2, {names[0], names[1], names[2]}},
        {"by new name", 1, {names[2], names[0], names[1]}},
    };
    for (const auto& [name, column, shown] : steps) {
        SCOPED_TRACE(name);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        EXPECT_EQ(NameColumn(), shown);
    }
    Extract("IMG");  // a refresh keeps the user's sort
    EXPECT_EQ(NameColumn(), QStringList({names[2], names[0], names[1]}));
    DoubleClickRow(List1(), 1);
    presenter->SetOptions(presenter->Options());
    Trigger("mnuFilePreview");
    EXPECT_EQ(Shown().size(), 3);
    Preview()->close();
    main.reset();  // whatever the store would write on the way out, too
    Flush();

    EXPECT_EQ(std::tuple(Stamps(paths), Disk(Files()), Contents(StoreFile())), std::tuple(before, disk, stored));
}

}  // namespace
