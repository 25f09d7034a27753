#include "command_line.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include "files/file_choice.h"
#include "windows/frmMain.h"
#include "texts/help_file_location.h"

namespace {

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLineText::tr("Renames a batch of files in one directory in one pass, with a preview and undo.\n"
                            "Files named here start out chosen, as if selected with \"Select \"; one directory\n"
                            "named alone is where \"Select \" opens."));
    // Not addHelpOption(): its --help-all offers the toolkit's own options,
    // which this program does not take.
    const QCommandLineOption help({"h", "help"}, CommandLineText::tr("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(CommandLineText::tr("FILE"),
                                 CommandLineText::tr("Files of one directory to rename, or one directory."),
                                 CommandLineText::tr("[FILE...]"));
    if (!parser.parse(arguments)) {
        Print(stderr, QCoreApplication::applicationName() + ": " + parser.errorText() + "\n" + parser.helpText());
        return {2, {}};
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        const QString helpFile = HelpFileFor(QCoreApplication::applicationDirPath(), QLocale().uiLanguages());
        if (QFileInfo(helpFile).isFile())
            Print(stdout, "\n" + CommandLineText::tr("The full help (HTML, also on F1): %1").arg(helpFile) + "\n");
        return {0, {}};
    }
    if (parser.isSet(version)) {
        Print(stdout, QCoreApplication::applicationName() + " " + QCoreApplication::applicationVersion() + "\n" +
                          CommandLineText::tr("License GPL-3.0-or-later: free software under the GNU General Public "
                                              "License, version 3 or later, without any warranty.") +
                          "\n");
        return {0, {}};
    }
    // The parser's arguments are decoded text, in which a name that is not
    // UTF-8 is no longer itself: take each from argv as it was passed. With
    // every option handled above, argv holds the same arguments in the same
    // order, apart from a "--".
    CommandLine line;
    int next = 1;
    for (const QString& positional : parser.positionalArguments()) {
        while (next < argc && QString::fromLocal8Bit(argv[next]) != positional) ++next;
        if (next < argc) line.Paths.emplace_back(argv[next++]);
    }
    return line;
}

void OpenNamedPaths(frmMain& window, const std::vector<std::string>& paths) {
    window.TakeFileChoice(morvane::ChooseFiles(paths));
}
