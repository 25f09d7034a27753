// Files handed to the program from outside the chooser: named on its command
// line, taken the way main() takes them, or dropped on its window.
#include <unistd.h>

#include "command_line.h"
#include "widgets/dir_list_box.h"
#include "widgets/file_list_box.h"
#include "texts/help_file_location.h"
#include "window_test_support.h"

namespace {

using Args = std::vector<std::string>;

class HandedOverTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        for (const QByteArray name : {"IMG_10.JPG", "IMG_9.JPG", "IMG_\xff.JPG", "IMG_\xef\xbf\xbd.JPG"})
            MakeFile(Files(), name);
        std::filesystem::create_directory(Raw(Files() + "/sub"));
        filesDir = QFileInfo(Files()).canonicalFilePath();
        saved = std::filesystem::current_path();
        std::filesystem::current_path(Raw(root.path()));  // the command line's paths are relative to it
    }
    void TearDown() override {
        std::filesystem::current_path(saved);
        UiTest::TearDown();
    }
    // Reads the arguments as main() does and opens the window with them.
    void Start(const Args& args) {
        store->write("Dir", Home());
        std::vector<const char*> argv{"morvane"};
        for (const std::string& a : args) argv.push_back(a.c_str());
        const CommandLine line = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
        ASSERT_FALSE(line.ExitStatus);
        OpenMain([&] { OpenNamedPaths(*main, line.Paths); });
    }
    // A drag entering target and, when it is taken, the drop.
    bool Drop(QWidget* target, const QList<QUrl>& urls, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
        QMimeData data;
        data.setUrls(urls);
        data.setText("dragged text");
        QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        EXPECT_NE(enter.dropAction(), Qt::MoveAction);  // the file manager must not delete anything
        QDropEvent drop(QPointF(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        EXPECT_NE(drop.dropAction(), Qt::MoveAction);
        return drop.isAccepted();
    }
    QUrl Url(const QString& name) const { return QUrl::fromLocalFile(Files() + "/" + name); }
    QString Example() const { return Box("txtExample")->text(); }

    QString filesDir;
    std::filesystem::path saved;
};

TEST_F(HandedOverTest, CommandLineChoosesFilesAsTheChooserWould) {
    struct Row { const char* name; Args args; QStringList listed; QString example; Buttons buttons; QString storedDir; };
    const Row rows[] = {
        // Which paths are taken, and in which order, is the drop's and the file choice's business (a name
        // that is not UTF-8 too).
        {"relative, after --, absolute", {"files/IMG_10.JPG", "--", Raw(Files() + "/IMG_9.JPG")}, {"IMG_9.JPG", "IMG_10.JPG"}, "", MaskAndExtract,
         filesDir},
        {"one directory", {"files"}, {}, "", AllOff, filesDir},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Start(row.args);
        EXPECT_EQ(std::tuple(Items(List1()), Box("txtFile")->text(), Example(), store->read("Dir", "none"), Workflow()),
                  std::tuple(row.listed, row.listed.value(0), row.example, row.storedDir, row.buttons));
    }
    Click(Button("Command3"));  // the directory named alone is where "Select " opens
    EXPECT_EQ(Dir1()->path(), filesDir);
}

TEST_F(HandedOverTest, DropChoosesByTheSameRulesAndNeverAsAMove) {
    const QUrl look = QUrl::fromEncoded(QUrl::fromLocalFile(Files()).toEncoded() + "/IMG_%FF.JPG");
    struct Row { const char* name; QWidget* target; QList<QUrl> urls; Qt::DropActions actions; bool taken; QStringList listed; QString example; };
    const Row rows[] = {
        {"on the window", main.get(), {Url("IMG_10.JPG"), Url("IMG_9.JPG")}, Qt::CopyAction | Qt::MoveAction, true,
         {"IMG_9.JPG", "IMG_10.JPG"}, ""},
        {"on a text box, which takes no text of it", Box("txtMask"), {Url("IMG_9.JPG")}, Qt::LinkAction, true, {"IMG_9.JPG"}, ""},
        {"replaces the earlier choice, announces what it leaves out", List1(),
         {Url("IMG_10.JPG"), QUrl("https://example.org/a.jpg"), look, Url("sub")}, Qt::CopyAction, true,
         {"IMG_10.JPG"}, "Some Files Were Skipped"},
        {"only as a move: refused", main.get(), {Url("IMG_9.JPG")}, Qt::MoveAction, false, {"IMG_10.JPG"}, "Some Files Were Skipped"},
        {"no local file: refused", main.get(), {QUrl("https://example.org/a.jpg")}, Qt::CopyAction, false, {"IMG_10.JPG"},
         "Some Files Were Skipped"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Drop(row.target, row.urls, row.actions), row.taken);
        EXPECT_EQ(std::tuple(Items(List1()), Box("txtFile")->text(), Example(), Box("txtMask")->text(), store->read("Dir", "none"),
                             Workflow()),
                  std::tuple(row.listed, row.listed.value(0), row.example, QString(), filesDir, MaskAndExtract));
    }
    EXPECT_TRUE(Drop(main.get(), {QUrl::fromLocalFile(Files() + "/sub")}));  // a directory opens the chooser there
    ASSERT_NE(Chooser(), nullptr);
    EXPECT_EQ(std::pair(Dir1()->path(), List1()->count()), std::pair(filesDir + "/sub", 0));
}

TEST_F(HandedOverTest, DropClosesTheChooserAndIsRefusedWhileAPassIsUnderReview) {
    Click(Button("Command3"));  // the chooser opens on the home directory
    ASSERT_NE(Chooser(), nullptr);
    ASSERT_TRUE(Drop(main.get(), {Url("IMG_9.JPG"), Url("IMG_10.JPG")}));
    EXPECT_EQ(Chooser(), nullptr);  // else "Rename" would work in the directory it shows
    Click(Button("Command1"));
    Click(Button("Command4"));
    frmDir* review = Chooser();
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(Disk(Files()).count("0001.JPG"), 1u);

    EXPECT_FALSE(Drop(main.get(), {Url("0001.JPG")}));
    EXPECT_FALSE(Drop(Box("txtFile"), {Url("0001.JPG")}));
    EXPECT_EQ(std::tuple(Chooser(), List1()->count(), Workflow()), std::tuple(review, 0, AllOn));
}

// The installed program in each language is tests/install/check_installed_program.sh's.
TEST(HelpFileLocation, TheFirstLanguageWithAHelpFileBesideTheProgramOrInstalled) {
    // beside, installed: help files present in bin/ and share/morvane/; languages: most preferred first;
    // found: relative to the prefix.
    struct Row { const char* name; QStringList beside, installed, languages; QString found; };
    const QStringList all = {"mvn.hlp", "mvn_de.hlp", "mvn_fr.hlp", "mvn_es.hlp"};
    const Row rows[] = {
        {"both: beside wins", all, all, {"C"}, "bin/mvn.hlp"},
        {"neither: beside, where it fails quietly", {}, {}, {"de-DE"}, "bin/mvn.hlp"},
        {"German by region and script forms", all, {}, {"de-AT", "de"}, "bin/mvn_de.hlp"},
        {"French from a POSIX locale name", {}, all, {"fr_CA.UTF-8"}, "share/morvane/mvn_fr.hlp"},
        {"Spanish as the second choice", all, {}, {"pt-BR", "es-MX"}, "bin/mvn_es.hlp"},
        {"English ahead of German stops the search", all, {}, {"en-US", "de-DE"}, "bin/mvn.hlp"},
        {"no help in any language given: English", all, {}, {"ja-JP", "pt"}, "bin/mvn.hlp"},
        {"translation installed only, English beside", {"mvn.hlp"}, {"mvn_de.hlp"}, {"de-DE"}, "share/morvane/mvn_de.hlp"},
        {"a language code that is no file name part", all, {}, {"es/../../x", "de"}, "bin/mvn_de.hlp"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir prefix;
        for (const char* folder : {"bin", "share/morvane"}) QDir(prefix.path()).mkpath(folder);
        for (const QString& name : row.beside) QFile(prefix.filePath("bin/" + name)).open(QIODevice::WriteOnly);
        for (const QString& name : row.installed) QFile(prefix.filePath("share/morvane/" + name)).open(QIODevice::WriteOnly);
        EXPECT_EQ(HelpFileFor(prefix.filePath("bin"), row.languages), prefix.filePath(row.found));
    }
}

}  // namespace
