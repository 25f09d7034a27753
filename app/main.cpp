#include <QApplication>

#include <optional>

#include "command_line.h"
#include "files/rename_layer.h"
#include "journal/journal_store.h"
#include "presenter/presenter.h"
#include "session/pass_history.h"
#include "session/rename_session.h"
#include "settings_store.h"
#include "texts/language.h"
#include "widgets/mount_table_source.h"
#include "windows/frmMain.h"
#include "windows/frmRecover.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(MORVANE_VERSION);
    CommandLine command;
    {
        // Only for the parser's texts: the window system is not needed yet.
        QCoreApplication plain(argc, argv);
        const Language language;
        command = ReadCommandLine(argc, argv);
    }
    if (command.ExitStatus) return *command.ExitStatus;

    // Ties the windows to the installed desktop entry, whose name and icon
    // the desktop then shows for them (the Wayland app id, for one).
    QGuiApplication::setDesktopFileName("org.morvane.morvane");
    QApplication app(argc, argv);
    const Language language;
    SettingsStore store;
    morvane::PosixRenamer renamer;
    // Each pass's journal is kept in the user's state directory, so that it
    // can be undone after the program ended or was killed. Without one, no
    // pass starts.
    std::optional<morvane::JournalStore> journals;
    if (const auto directory = morvane::DefaultJournalDirectory()) journals.emplace(*directory);
    // The session's two owners, the workflow and the history, and the one
    // presenter between them and the windows.
    morvane::RenameSession workflow(renamer, journals ? &*journals : nullptr);
    morvane::PassHistory history(journals ? &*journals : nullptr);
    Presenter presenter(workflow, history, store);
    frmMain window(presenter, store, SystemMountTable());
    window.show();
    frmRecover::OfferRecovery(presenter, window);
    OpenNamedPaths(window, command.Paths);
    return app.exec();
}
