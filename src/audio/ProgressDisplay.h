#pragma once

#include <cstdint>

// An element that shows the play position (the progress slider). The player gives every
// registered display the length of each song it starts and the position twice a second.
// Called on the window thread.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    // The song's length in milliseconds: the end of the display's travel (its maximum).
    virtual void setLength(uint32_t lengthMs) = 0;
    // The play position in milliseconds: shown without reporting it back as a user change,
    // then repainted.
    virtual void setPosition(uint32_t positionMs) = 0;
};
