#pragma once

#include "activities/activityengine.h"

// Reaches the private state of the activity engine, for tests that set up a situation
// directly.
class ActivityEngineTestAccess
{
public:
    explicit ActivityEngineTestAccess(ActivityEngine *engine) : e(engine) { }

    auto &wait() { return e->m_wait; }
    auto &wordHidden() { return e->m_wordHidden; }
    auto &handsPlaying() { return e->m_handsPlaying; }
    auto &highlightUnit() { return e->m_highlightUnit; }

    ActivityEngine *e;
};
