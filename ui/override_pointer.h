#pragma once
// The application's mouse pointer for the rename pass and the undo: the busy
// shape is an override cursor, the default shape is none.
#include "busy_pointer.h"

class OverridePointer final : public morvane::PointerControl {
public:
    std::int16_t Shape() const override;
    void SetShape(std::int16_t shape) override;
};
