#include "name_composer.h"

namespace morvane {

int ComposeNewNames(WorkState&, int, const OptionTexts&, const Text&) { return 0; }

}  // namespace morvane
