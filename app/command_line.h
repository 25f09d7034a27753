#pragma once
// The program's command line: morvane [FILE...]. Read before any window
// system is needed, so that --help, --version and errors work without one.
#include <optional>
#include <string>
#include <vector>

class frmMain;

struct CommandLine {
    // Set when the program is to end at once with this status: after --help
    // or --version (0), or after an error in the options (2).
    std::optional<int> ExitStatus;
    // The files or the directory named, as the system passed them.
    std::vector<std::string> Paths;
};

// Prints the help, the version or an error with the usage itself.
CommandLine ReadCommandLine(int argc, const char* const* argv);

// Gives the window what the command line named, before it shows.
void OpenNamedPaths(frmMain& window, const std::vector<std::string>& paths);
