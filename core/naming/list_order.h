#pragma once
// The order in which the chosen files are listed, and so numbered. Stored
// as its number; any other stored text means Name.
namespace morvane {

enum class ListOrder {
    Name = 0,          // the chooser's name order
    DateTaken = 1,     // the moment a photo was taken, from its own metadata
    DateModified = 2,  // the file's modification time
    Size = 3,          // the file's size in bytes
};

}  // namespace morvane
