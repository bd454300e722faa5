#pragma once

namespace corvane::ModAgrCAl
{

// The engine's per-thread state: one copy for each user-interface thread, never shared, never locked.
struct EngineState {
    bool yearTableLoaded = false;
    int yearTableLoads = 0; // how often the year table was loaded on this thread
    bool sTermTableLoaded = false;
    bool festTablesLoaded = false;
    int liveClients = 0; // controls and CQxCal objects alive on this thread
};

EngineState &ThisThreadEngine();

} // namespace corvane::ModAgrCAl
