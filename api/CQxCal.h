#pragma once

#include "api/QxRecords.h"
#include "engine/EngineLifetime.h"
#include "platform/date/DateValue.h"

#include <cstdint>
#include <string>

namespace corvane
{

// The calendar without a user interface: the seven calendar methods and nothing else. Creating one
// loads the engine tables of its thread; destroying it never takes them from another live object.
class CQxCal
{
public:
    QxAgrDateNum GetAgrNumDate(date::Date CurrDate = 0) const;
    QxAgrDateStr GetAgrStrDate(date::Date CurrDate = 0) const;
    std::string GetsTermString(std::int16_t CurrUniYear = 0, std::int16_t sterm = 0) const;
    date::Date GetsTermDateTime(std::int16_t CurrUniYear = 0, std::int16_t sterm = 0) const;
    QxAgrEraNum GetEraNumber(date::Date CurrDate = 0, date::Date CurTime = 0, std::int32_t iMode = 0) const;
    QxAgrEraStr GetEraString(date::Date CurrDate = 0, date::Date CurTime = 0, std::int32_t iMode = 0) const;
    date::Date AgrDateToUniDate(const QxAgrDateNum &CurrAgrDate) const;

private:
    ModAgrCAl::EngineClient m_engine;
};

} // namespace corvane
