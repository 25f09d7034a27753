#pragma once
// Directory paths as the chooser shows them: absolute, "/" for the root and
// no "/" at the end of any other directory.
#include <vector>

#include "base/text.h"

namespace morvane {

// The directories from the root down to path itself: "/a/b" gives "/", "/a"
// and "/a/b".
std::vector<Text> AncestorsOf(const Text& path);

// path joined with one more name, with exactly one "/" between them.
Text JoinPath(const Text& dir, const Text& name);

// Of the mount points in roots, the one that holds path: the longest root
// that is path itself or one of its ancestors. Empty when none holds it.
Text VolumeOf(const Text& path, const std::vector<Text>& roots);

}  // namespace morvane
