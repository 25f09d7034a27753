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

// Shows the busy pointer for its lifetime and puts the shape it found back
// on every way out, failures included.
class BusyPointer {
public:
    // savedField receives the shape found, for those who keep it on record.
    BusyPointer(PointerControl& pointer, std::int16_t& savedField) : pointer_(pointer), saved_(pointer.Shape()) {
        savedField = saved_;
        pointer_.SetShape(PointerBusy);
    }
    ~BusyPointer() { pointer_.SetShape(saved_); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    PointerControl& pointer_;
    const std::int16_t saved_;
};

}  // namespace morvane
