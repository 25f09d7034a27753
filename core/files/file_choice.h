#pragma once
// Which of the paths handed to the program, on its command line or dropped on
// its window, it takes: only files the chooser itself would offer, all from
// one directory, in the chooser's order, so that what follows works exactly
// as after a choice made in the chooser. Nothing on disk is changed.
#include <string>
#include <vector>

#include "base/text.h"

namespace morvane {

struct FileChoice {
    enum class Kind {
        Nothing,    // no paths: the program starts as usual
        Files,      // the files in Names (possibly none) are chosen
        Directory,  // one directory: the chooser is to open there
    };
    Kind What = Kind::Nothing;
    // The directory of the files taken, or the one the chooser is to open in:
    // absolute, without links, "/" or without a "/" at the end.
    Text Dir;
    // Bare names in the chooser's order, each once.
    std::vector<Text> Names;
    // How many files the chooser offers in Dir.
    int Offered = 0;
    // Some path was left out: another directory than the first file's, a
    // directory among files, a hidden or not-UTF-8 name, something that is not
    // an ordinary file, missing or unreadable.
    bool Skipped = false;
};

// paths as the system passes them (bytes); relative ones are taken from the
// current directory.
FileChoice ChooseFiles(const std::vector<std::string>& paths);

}  // namespace morvane
