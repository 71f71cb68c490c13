#pragma once

#include <QHash>

// Which keys are held down, kept from the presses and releases themselves.
// Some X servers report a held key as repeated releases and presses without
// marking them as repeats; a release and the next press that carry the same
// time stamp are such a repeat, so the key counts as still held.
class HeldKeys final
{
public:
    // True when this press starts a new stroke of the key, false for a key
    // already held (a repeat, flagged or not).
    bool press(int key, unsigned long timestamp);
    void release(int key, unsigned long timestamp);
    // Keys released while the focus was elsewhere are never seen: forget all.
    void clear();

private:
    struct State
    {
        bool down = false;
        bool released = false;
        unsigned long releasedAt = 0;
    };
    QHash<int, State> keys;
};
