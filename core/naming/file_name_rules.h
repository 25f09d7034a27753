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

// Whether text can stand inside a file name: it holds no "/" and no NUL, so
// it can never reach out of the directory or cut the name short.
bool IsNameFragment(const Text& text);

// Whether name can be given to a file without moving it out of its directory
// or being refused: not empty, not "." or "..", no "/" and no NUL, valid as
// UTF-8 and at most MaxFileNameBytes long in it.
bool IsPlainFileName(const Text& name);

}  // namespace morvane
