#include "mask_preview.h"

namespace morvane {

ExtractResult Extract(WorkState&, const Text&, const Text&, const OptionTexts&, char16_t) { return {}; }

std::optional<Text> ChooseExample(WorkState&, const std::vector<Text>&, const std::vector<bool>&) { return {}; }

}  // namespace morvane
