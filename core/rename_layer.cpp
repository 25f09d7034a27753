#include "rename_layer.h"

namespace morvane {

int PosixRenamer::Rename(const Text&, const Text&) { return 0; }

}  // namespace morvane
