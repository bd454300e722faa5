#include "EngineLifetime.h"

#include "engine/AgrYearTable.h"
#include "engine/EngineState.h"
#include "engine/FestTables.h"
#include "engine/MonthCells.h"
#include "engine/STermTable.h"

namespace corvane::ModAgrCAl
{

void InitAgrTables()
{
    if (!IsAgrYearTableLoaded())
        LoadAgrYearTable();
    if (!IssTermTimeTableLoaded())
        LoadsTermTimeTable();
    if (!AreFestTablesLoaded())
        LoadFestTables();
}

// The solar-term and festival tables stay loaded once loaded.
void ClearAgrTables()
{
    ClearAgrYearTable();
    ClearMonthCells();
}

EngineClient::EngineClient()
{
    InitAgrTables();
    ++ThisThreadEngine().liveClients;
}

EngineClient::~EngineClient()
{
    if (--ThisThreadEngine().liveClients == 0)
        ClearAgrTables();
}

int LiveEngineClients()
{
    return ThisThreadEngine().liveClients;
}

int AgrYearTableLoadCount()
{
    return ThisThreadEngine().yearTableLoads;
}

} // namespace corvane::ModAgrCAl
