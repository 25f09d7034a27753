// The list in the order the user asked for and the dates in the names,
// through the real windows with a pass and its undo; entries moved by hand.
// Each order and date field over real files is the core's (test_file_order,
// test_name_composer).
#include "../core/local_zone.h"
#include "../core/photo_samples.h"
#include "windows/frmPreview.h"
#include "../named_rows.h"
#include "widgets/name_list_box.h"
#include "window_test_support.h"

namespace {

class ListOrderTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        using namespace photo_samples;
        const std::string dir = Raw(Files());
        // Taken b, then a; c has no date taken and was modified between
        // them (a and b in 1970); sizes c < b < a.
        WritePhoto(dir + "/a.jpg", TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", "2024:07:14 12:00:00"},
                                               {"Exif.Photo.OffsetTimeOriginal", "+00:00"}});
        WriteBytes(dir + "/a.jpg", ReadBytes(dir + "/a.jpg") + std::string(200, '\0'));
        WritePhoto(dir + "/b.jpg", TinyJpeg(), {{"Exif.Photo.DateTimeOriginal", "2024:07:14 10:00:00"},
                                               {"Exif.Photo.OffsetTimeOriginal", "+00:00"}});
        WritePhoto(dir + "/c.jpg", TinyJpeg(), {});
        const std::pair<const char*, std::int64_t> times[] = {{"a.jpg", 300}, {"b.jpg", 100}, {"c.jpg", 1720955000}};
        for (const auto& [name, seconds] : times) SetModified(dir + "/" + name, seconds);
        original = Disk(Files());
        store->write("Dir", Files());
    }
    DiskFiles original;
};

void Key(NameListBox* list, Qt::Key key) { QTest::keyClick(list, key, Qt::AltModifier); }
void Drag(NameListBox* list, int from, int to) {
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, RowCentre(list, from));
    for (int row = from; row != to; row += to > from ? 1 : -1) {
        const QPoint at = RowCentre(list, row + (to > from ? 1 : -1));
        QMouseEvent move(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
    }
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, RowCentre(list, to));
}

// Alt+Up on the last is the moved row of the dates below.
struct MoveRow { const char* name; int selected; std::function<void(NameListBox*)> move; QStringList listed; };
void PrintTo(const MoveRow& row, std::ostream* out) { *out << row.name; }
const MoveRow kMoveRows[] = {
    {"Alt+Down on the first", 0, [](NameListBox* l) { Key(l, Qt::Key_Down); }, {"b.jpg", "a.jpg", "c.jpg"}},
    {"Alt+Up on the first stays", 0, [](NameListBox* l) { Key(l, Qt::Key_Up); }, {"a.jpg", "b.jpg", "c.jpg"}},
    {"Alt+Down on the last stays", 2, [](NameListBox* l) { Key(l, Qt::Key_Down); }, {"a.jpg", "b.jpg", "c.jpg"}},
    {"the first dragged to the end", 0, [](NameListBox* l) { Drag(l, 0, 2); }, {"b.jpg", "c.jpg", "a.jpg"}},
    {"the last dragged to the top", 2, [](NameListBox* l) { Drag(l, 2, 0); }, {"c.jpg", "a.jpg", "b.jpg"}},
};
struct MovedByHand : ListOrderTest, testing::WithParamInterface<MoveRow> {};

// The entry selected moves, stays selected, the example stays, and the pass
// numbers the files as they were moved.
TEST_P(MovedByHand, ByAltArrowsOrByDraggingAndTheNumbersFollow) {
    const MoveRow& row = GetParam();
    ChooseRows();
    ClickRow(List1(), row.selected);
    row.move(List1());
    const int moved = int(row.listed.indexOf(QStringList({"a.jpg", "b.jpg", "c.jpg"}).at(row.selected)));
    EXPECT_EQ(std::tuple(Items(List1()), List1()->SelectedRows(), Box("txtFile")->text()),
              std::tuple(row.listed, std::vector{moved}, "a.jpg"));
    Click(Button("Command1"));
    Click(Button("Command4"));
    EXPECT_EQ(Disk(Files()).at("0001.jpg"), original.at(row.listed[0].toStdString()));
}

NAMED_ROWS(Orders, MovedByHand, kMoveRows);

// moved: c moved one up by hand before the options are set.
struct DatedRow { const char* name; int order, date; QString format; bool perDay; QString refusal; bool moved; QString example;
                  QStringList preview; };  // refusal: the options dialog's words, it then stays open; preview: in list order
void PrintTo(const DatedRow& row, std::ostream* out) { *out << row.name; }
const DatedRow kDatedRows[] = {
    {"date taken in its order, a file without one by its modification", 1, 1, "yyyy-MM-dd_", false, {}, false,
     "Trip_2024-07-14_0001.jpg", {"b.jpg|Trip_2024-07-14_0001.jpg|",
      "c.jpg|Trip_2024-07-14_0002.jpg|no date taken: date modified used", "a.jpg|Trip_2024-07-14_0003.jpg|"}},
    {"a format with a slash is refused in words", 0, 1, "dd/MM", true,
     "The date format holds \"/\", which no file name may contain.", false, "0001.jpg",
     {"a.jpg|0001.jpg|", "b.jpg|0002.jpg|", "c.jpg|0003.jpg|"}},
    // Dates kept by position would give c the date of b.
    {"dates of modification read for a list moved by hand follow each file, numbered per day", 0, 2, "yyyy-MM-dd_", true,
     {}, true, "Trip_1970-01-01_0001.jpg",
     {"a.jpg|Trip_1970-01-01_0001.jpg|", "c.jpg|Trip_2024-07-14_0001.jpg|", "b.jpg|Trip_1970-01-01_0002.jpg|"}},
};
struct DatedNames : ListOrderTest, testing::WithParamInterface<DatedRow> {};

// Chosen in the options dialog; the example, the preview and the pass give
// the same names, and the undo gives every file its name back.
TEST_P(DatedNames, ThroughTheOptionsDialogThePreviewThePassAndTheUndo) {
    const DatedRow& row = GetParam();
    const LocalZone zone;
    if (row.moved) {
        ChooseRows();
        ClickRow(List1(), 2);
        Key(List1(), Qt::Key_Up);
    }
    QString said;
    const bool leftOpen = WithOptions([&](QDialog& dialog) {
        OptionBox(dialog, "txtPrefix")->setText("Trip_");
        Find<QComboBox>(&dialog, "cboOrder")->setCurrentIndex(row.order);
        auto* date = Find<QComboBox>(&dialog, "cboDateInName");
        date->setCurrentIndex(row.date);
        OptionBox(dialog, "txtDateFormat")->setText(row.format);
        Find<QCheckBox>(&dialog, "chkNumberPerDay")->setChecked(row.perDay);
        QTimer::singleShot(0, &dialog, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->accept();
            }
        });
        Click(Find<QPushButton>(&dialog, "cmdOk"));
    });
    EXPECT_EQ(std::tuple(said, leftOpen), std::tuple(row.refusal, !row.refusal.isEmpty()));

    if (!row.moved) ChooseRows();
    Click(Button("Command1"));  // "Extract": no mask, every file numbered
    EXPECT_EQ(Box("txtExample")->text(), row.example);
    Trigger("mnuFilePreview");
    auto* preview = main->findChild<frmPreview*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(TableRows(Find<QTableView>(preview, "lstPreview")->model()), row.preview);
    Click(Find<QPushButton>(preview, "cmdPreviewRename"));

    DiskFiles expected = original;
    for (const QString& shown : row.preview) {
        const std::string from = shown.section('|', 0, 0).toStdString(), to = shown.section('|', 1, 1).toStdString();
        expected.erase(from);
        expected[to] = original.at(from);
    }
    EXPECT_EQ(Disk(Files()), expected);
    Click(ChooserButton("Command2"));  // "Undo"
    EXPECT_EQ(Disk(Files()), original);
}

NAMED_ROWS(Dates, DatedNames, kDatedRows);

}  // namespace
