#include "EngineLifetime.h"

#include "engine/AgrYearTable.h"
#include "engine/EngineState.h"

namespace corvane::ModAgrCAl
{

void InitAgrTables()
{
    if (!IsAgrYearTableLoaded())
        LoadAgrYearTable();
}

void ClearAgrTables()
{
    ClearAgrYearTable();
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
