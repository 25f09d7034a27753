#pragma once
// How a listed file name splits into base name and extension, and which texts
// may stand as a file's name inside its directory.
#include <cstddef>

#include "base/text.h"

namespace morvane {

// The longest name, in UTF-8 bytes, that the file systems in use accept.
inline constexpr std::size_t MaxFileNameBytes = 255;

// The text from the last "." to the end, the dot included; empty when the name
// holds no ".". (a.b.txt -> .txt, notes. -> ".", .profile -> .profile)
Text ExtensionOf(const Text& name);

// The name without its extension. (.profile -> empty)
Text BaseNameOf(const Text& name);

// Why a text cannot stand as (part of) a file name, so that the window can
// say it in words.
enum class NameFault {
    None,
    Empty,    // no name at all
    DotName,  // "." or "..", the directory itself or its parent
    Slash,    // holds "/", which would reach into another directory
    Nul,      // holds NUL, which would cut the name short
    NotUtf8,  // holds a lone surrogate, which has no UTF-8 form
    TooLong,  // longer than MaxFileNameBytes in UTF-8
};

// The first fault of a text that is to stand inside a file name: a "/" or a
// NUL; anything else may be part of a name.
NameFault FragmentFault(const Text& text);

// The fault of a whole file name: empty, "." or "..", "/" or NUL, not valid
// as UTF-8 or longer than MaxFileNameBytes in it.
NameFault FileNameFault(const Text& name);

// Whether text can stand inside a file name: it holds no "/" and no NUL, so
// it can never reach out of the directory or cut the name short.
inline bool IsNameFragment(const Text& text) { return FragmentFault(text) == NameFault::None; }

// Whether name can be given to a file without moving it out of its directory
// or being refused.
inline bool IsPlainFileName(const Text& name) { return FileNameFault(name) == NameFault::None; }

// The names a directory's file system takes beyond the plain ones.
enum class NameCharset : unsigned char {
    Any,      // every plain file name (ext4, XFS, Btrfs, tmpfs...)
    Windows,  // FAT, exFAT, NTFS: no \ : * ? " < > | nor control character,
              // and no space or dot at the end
};

// Whether a file system of charset refuses the plain file name name.
bool CharsetRefuses(NameCharset charset, const Text& name);

}  // namespace morvane
