#pragma once

namespace corvane::ModAgrCAl
{

// Makes sure every engine table of this thread is loaded; loads only what is not loaded yet.
void InitAgrTables();

// The termination step of a control or CQxCal object: sets the year table back to empty and clears
// the month cells. Called by EngineClient when the last client of the thread goes.
void ClearAgrTables();

// Held by every control and CQxCal object for its lifetime. Creation loads the engine tables of the
// thread; the tables are cleared only when the last holder on the thread is destroyed, so destroying
// one object never leaves another live object of the same thread without its tables.
class EngineClient
{
public:
    EngineClient();
    ~EngineClient();
    EngineClient(const EngineClient &) = delete;
    EngineClient &operator=(const EngineClient &) = delete;
};

// Number of live EngineClient objects on this thread, and how often this thread loaded the year
// table (both for tests and diagnostics).
int LiveEngineClients();
int AgrYearTableLoadCount();

} // namespace corvane::ModAgrCAl
