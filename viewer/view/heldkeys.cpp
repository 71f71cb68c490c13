#include "view/heldkeys.h"

bool HeldKeys::press(int key, unsigned long timestamp)
{
    State &state = keys[key];
    // A time stamp of 0 is none (synthesized events): only the held state counts.
    const bool repeat = state.down || (state.released && timestamp != 0 && state.releasedAt == timestamp);
    state.down = true;
    state.released = false;
    return !repeat;
}

void HeldKeys::release(int key, unsigned long timestamp)
{
    State &state = keys[key];
    state.down = false;
    state.released = true;
    state.releasedAt = timestamp;
}

void HeldKeys::clear()
{
    keys.clear();
}
