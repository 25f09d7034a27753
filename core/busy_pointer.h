#pragma once
// The application's mouse pointer, as the rename pass and the undo see it:
// read the shape in force, set the busy shape, put the old one back.
#include <cstdint>

namespace morvane {

inline constexpr std::int16_t PointerDefault = 0;
inline constexpr std::int16_t PointerBusy = 11;

class PointerControl {
public:
    virtual ~PointerControl() = default;
    virtual std::int16_t Shape() const = 0;
    virtual void SetShape(std::int16_t shape) = 0;
};

}  // namespace morvane
