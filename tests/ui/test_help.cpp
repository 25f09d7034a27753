// The help files: each describes every menu item of the real main window in
// its own language's words, keeps its links and lists every error number.
#include <QRegularExpression>
#include <QTextDocument>

#include "window_test_support.h"

namespace {

struct HelpFile { const char* name; int column; };  // column: of help_words.tsv
constexpr HelpFile kHelpFiles[] = {{"mvn.hlp", 0}, {"mvn_de.hlp", 1}, {"mvn_fr.hlp", 2}, {"mvn_es.hlp", 3}};

QString SourceFile(const QString& path) {
    QFile file(MORVANE_SOURCE_DIR "/" + path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Rows of words, English first; comments and the heading row left out.
QList<QStringList> Words() {
    QList<QStringList> rows;
    for (const QString& line : SourceFile("tests/ui/help_words.tsv").split('\n')) {
        if (line.isEmpty() || line.startsWith('#') || line.startsWith("en\t")) continue;
        rows << line.split('\t');
        EXPECT_EQ(rows.back().size(), 4) << line.toStdString();
    }
    return rows;
}

// A help file as the help window shows it, blanks and line breaks as one space.
QString ShownText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

// A menu or item text as the user reads it: no "&" marks, no shortcut.
QString Readable(QString text) { return text.section('\t', 0, 0).replace("&&", QChar(0xE000)).remove('&').replace(QChar(0xE000), "&"); }

void CollectMenuTexts(const QList<QAction*>& actions, QStringList& texts) {
    for (const QAction* action : actions) {
        if (action->isSeparator()) continue;
        texts << Readable(action->menu() ? action->menu()->title() : action->text());
        if (action->menu()) CollectMenuTexts(action->menu()->actions(), texts);
    }
}

using HelpTest = UiTest;

// Each help file, in its language's words, names every menu item of the real
// main window; every link within it finds its place, and each number the
// program can show has a row of its own in its table.
TEST_F(HelpTest, EachHelpFileNamesEveryMenuItemKeepsItsLinksAndExplainsEveryNumber) {
    const QList<QStringList> words = Words();
    QStringList english;
    for (const QStringList& row : words) english << row.value(0);
    QStringList menuTexts;
    CollectMenuTexts(main->menuBar()->actions(), menuTexts);
    ASSERT_GE(menuTexts.size(), 10);
    for (const QString& text : menuTexts)
        EXPECT_TRUE(english.contains(text)) << "menu item \"" << text.toStdString() << "\" has no row in help_words.tsv";

    const QRegularExpression link(R"re(href="#([^"]+)")re"), place(R"re((?:name|id)="([^"]+)")re");
    const QRegularExpression declared(R"re(^\s*\w+ = (\d+),)re", QRegularExpression::MultilineOption);
    QStringList numbers;
    for (const auto& match : declared.globalMatch(SourceFile("core/base/error_numbers.h")))
        if (match.captured(1) != "0") numbers << match.captured(1);
    ASSERT_GE(numbers.size(), 14);
    for (const HelpFile& help : kHelpFiles) {
        SCOPED_TRACE(help.name);
        const QString html = SourceFile(QString("ui/help/") + help.name), shown = ShownText(html);
        for (const QStringList& row : words)
            EXPECT_TRUE(shown.contains(row.value(help.column)))
                << "\"" << row.value(help.column).toStdString() << "\" (" << row.value(0).toStdString() << ")";
        QStringList places, links;
        for (const auto& match : place.globalMatch(html)) places << match.captured(1);
        for (const auto& match : link.globalMatch(html))
            if (!places.contains(match.captured(1))) links << match.captured(1);
        EXPECT_EQ(links, QStringList()) << "links to no place";
        EXPECT_GT(html.count("href=\"#"), 5);
        for (const QString& number : numbers)
            EXPECT_EQ(html.count(QRegularExpression("<tr><td>" + number + "</td><td>")), 1) << "number " << number.toStdString();
    }
}

}  // namespace
