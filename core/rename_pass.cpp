#include "rename_pass.h"

namespace morvane {

PassOutcome RunRenamePass(WorkState&, const std::vector<Text>&, const Text&, const OptionTexts&, const Text&,
                          FileRenamer&, PointerControl&) { return {}; }

UndoOutcome UndoLastPass(WorkState&, FileRenamer&, PointerControl&) { return {}; }

}  // namespace morvane
