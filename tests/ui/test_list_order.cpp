// The list in the order the user asked for: each order through the real
// windows with a pass and its undo, and entries moved by hand.
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
        // them; sizes c < b < a.
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

// noDateNote: the file the preview notes as ordered by modification.
struct OrderRow { const char* name; const char* order; QStringList listed; QString noDateNote; };
void PrintTo(const OrderRow& row, std::ostream* out) { *out << row.name; }
const OrderRow kOrderRows[] = {
    {"name", "0", {"a.jpg", "b.jpg", "c.jpg"}, {}},
    {"date taken", "1", {"b.jpg", "c.jpg", "a.jpg"}, "c.jpg"},
    {"date modified", "2", {"b.jpg", "a.jpg", "c.jpg"}, {}},
    {"size", "3", {"c.jpg", "b.jpg", "a.jpg"}, {}},
};
struct EachOrder : ListOrderTest, testing::WithParamInterface<OrderRow> {};

// Each order numbers the files in its own order; "Extract" waits for the
// order to be final; the example stays the first file by name; the undo
// gives every file its name back.
TEST_P(EachOrder, NumbersTheFilesThroughThePassAndTheUndo) {
    const OrderRow& row = GetParam();
    const LocalZone zone;
    store->write("Order", row.order);
    OpenMain();
    ChooseRows();
    EXPECT_EQ(Box("txtFile")->text(), "a.jpg");
    Click(Button("Command1"));  // "Extract": no mask, every file numbered
    EXPECT_EQ(std::tuple(Items(List1()), Box("txtFile")->text()), std::tuple(row.listed, QString("a.jpg")));

    Trigger("mnuFilePreview");
    auto* preview = main->findChild<frmPreview*>();
    ASSERT_NE(preview, nullptr);
    const QAbstractItemModel* rows = Find<QTableView>(preview, "lstPreview")->model();
    for (int i = 0; i < rows->rowCount(); ++i) {
        const QString listed = rows->index(i, 0).data().toString();
        EXPECT_EQ(listed, row.listed[i]);
        EXPECT_EQ(rows->index(i, 2).data().toString(),
                  listed == row.noDateNote ? "no date taken: date modified used" : "");
    }
    preview->close();

    Click(Button("Command4"));
    DiskFiles expected;
    for (int i = 0; i < row.listed.size(); ++i)
        expected[QString("%1.jpg").arg(i + 1, 4, 10, QChar('0')).toStdString()] =
            original.at(row.listed[i].toStdString());
    EXPECT_EQ(Disk(Files()), expected);
    Click(ChooserButton("Command2"));  // "Undo"
    EXPECT_EQ(Disk(Files()), original);
}

NAMED_ROWS(Orders, EachOrder, kOrderRows);

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

struct MoveRow { const char* name; int selected; std::function<void(NameListBox*)> move; QStringList listed; };
void PrintTo(const MoveRow& row, std::ostream* out) { *out << row.name; }
const MoveRow kMoveRows[] = {
    {"Alt+Down on the first", 0, [](NameListBox* l) { Key(l, Qt::Key_Down); }, {"b.jpg", "a.jpg", "c.jpg"}},
    {"Alt+Up on the last", 2, [](NameListBox* l) { Key(l, Qt::Key_Up); }, {"a.jpg", "c.jpg", "b.jpg"}},
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
    Click(ChooserButton("Command2"));
    EXPECT_EQ(Disk(Files()), original);
}

NAMED_ROWS(Orders, MovedByHand, kMoveRows);

}  // namespace

// The date in the names: two cameras' photos of two days, one of them set to
// another zone, and a scan without a date taken.
class DatedNamesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        using namespace photo_samples;
        const std::string dir = Raw(Files());
        const std::tuple<const char*, const char*, const char*, std::int64_t> photos[] = {
            {"DSC_0412.jpg", "2024:07:14 23:30:00", "-04:00", 1720944000},  // modified 10:00:00 local
            {"DSC_0413.jpg", "2024:07:15 08:05:00", "+02:00", 1720944001},
            {"PXL_20240714_093000.jpg", "2024:07:14 09:30:00", "+02:00", 1720944002},
            {"scan.jpg", nullptr, nullptr, 1721030400},  // 2024-07-15 10:00:00 local
        };
        for (const auto& [name, taken, offset, modified] : photos) {
            Tags tags;
            if (taken) tags = {{"Exif.Photo.DateTimeOriginal", taken}, {"Exif.Photo.OffsetTimeOriginal", offset}};
            WritePhoto(dir + "/" + name, TinyJpeg(), tags);
            WriteBytes(dir + "/" + name, ReadBytes(dir + "/" + name) + name);  // each file told apart
            SetModified(dir + "/" + name, modified);
        }
        original = Disk(Files());
        store->write("Dir", Files());
    }
    DiskFiles original;
};

struct DatedRow {
    const char* name;
    int files;  // the first ones by name
    int order, date;
    QString format;
    bool perDay;
    QString refusal;  // the options dialog's words; it then stays open
    bool moved;       // the first file moved one down by hand; then the options set
    QString example;
    QStringList preview;  // "Name|New Name|Note", in list order
};
void PrintTo(const DatedRow& row, std::ostream* out) { *out << row.name; }
const DatedRow kDatedRows[] = {
    {"date taken numbered per day", 3, 0, 1, "yyyy-MM-dd_", true, {}, false, "Trip_2024-07-14_0001.jpg",
     {"DSC_0412.jpg|Trip_2024-07-14_0001.jpg|", "DSC_0413.jpg|Trip_2024-07-15_0001.jpg|",
      "PXL_20240714_093000.jpg|Trip_2024-07-14_0002.jpg|"}},
    {"none names every file as before", 3, 0, 0, "yyyy-MM-dd_", true, {}, false, "Trip_0001.jpg",
     {"DSC_0412.jpg|Trip_0001.jpg|", "DSC_0413.jpg|Trip_0002.jpg|", "PXL_20240714_093000.jpg|Trip_0003.jpg|"}},
    {"date taken in its order across days, a scan by its modification", 4, 1, 1, "yyyy-MM-dd_", false, {}, false,
     "Trip_2024-07-14_0001.jpg",
     {"PXL_20240714_093000.jpg|Trip_2024-07-14_0001.jpg|", "DSC_0412.jpg|Trip_2024-07-14_0002.jpg|",
      "DSC_0413.jpg|Trip_2024-07-15_0003.jpg|", "scan.jpg|Trip_2024-07-15_0004.jpg|no date taken: date modified used"}},
    {"date modified to the second in a format of its own", 3, 0, 2, "yyyyMMdd-HHmmss ", false, {}, false,
     "Trip_20240714-100000 0001.jpg",
     {"DSC_0412.jpg|Trip_20240714-100000 0001.jpg|", "DSC_0413.jpg|Trip_20240714-100001 0002.jpg|",
      "PXL_20240714_093000.jpg|Trip_20240714-100002 0003.jpg|"}},
    {"a format with a slash is refused in words", 3, 0, 1, "dd/MM", true,
     "The date format holds \"/\", which no file name may contain.", false, "0001.jpg",
     {"DSC_0412.jpg|0001.jpg|", "DSC_0413.jpg|0002.jpg|", "PXL_20240714_093000.jpg|0003.jpg|"}},
    {"an empty format is refused in words", 3, 0, 1, "", false, "The date format is empty. Type one, such as yyyy-MM-dd_.",
     false, "0001.jpg", {"DSC_0412.jpg|0001.jpg|", "DSC_0413.jpg|0002.jpg|", "PXL_20240714_093000.jpg|0003.jpg|"}},
    {"dates read for a list moved by hand follow each file", 3, 0, 1, "yyyy-MM-dd_", true, {}, true, "Trip_2024-07-14_0001.jpg",
     {"DSC_0413.jpg|Trip_2024-07-15_0001.jpg|", "DSC_0412.jpg|Trip_2024-07-14_0001.jpg|",
      "PXL_20240714_093000.jpg|Trip_2024-07-14_0002.jpg|"}},
};
struct DatedNames : DatedNamesTest, testing::WithParamInterface<DatedRow> {};

// Chosen in the options dialog; the example, the preview and the pass give
// the same names, and the undo gives every file its name back.
TEST_P(DatedNames, ThroughTheOptionsDialogThePreviewThePassAndTheUndo) {
    const DatedRow& row = GetParam();
    const LocalZone zone;
    if (row.moved) {
        ChooseRows(row.files - 1);
        ClickRow(List1(), 0);
        Key(List1(), Qt::Key_Down);
    }
    QString said;
    const bool leftOpen = WithOptions([&](QDialog& dialog) {
        OptionBox(dialog, "txtPrefix")->setText("Trip_");
        Find<QComboBox>(&dialog, "cboOrder")->setCurrentIndex(row.order);
        auto* date = Find<QComboBox>(&dialog, "cboDateInName");
        EXPECT_EQ(Items(date->view()), QStringList({"None", "Date Taken", "Date Modified"}));
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

    if (!row.moved) ChooseRows(row.files - 1);
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
