#include "EngineState.h"

namespace corvane::ModAgrCAl
{

EngineState &ThisThreadEngine()
{
    thread_local EngineState state;
    return state;
}

} // namespace corvane::ModAgrCAl
