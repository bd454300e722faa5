#include "CQxCal.h"

#include "api/ModPublic.h"

namespace corvane
{

QxAgrDateNum CQxCal::GetAgrNumDate(date::Date CurrDate) const
{
    return ModPublic::GetAgrNumDate(CurrDate);
}

QxAgrDateStr CQxCal::GetAgrStrDate(date::Date CurrDate) const
{
    return ModPublic::GetAgrStrDate(CurrDate);
}

std::string CQxCal::GetsTermString(std::int16_t CurrUniYear, std::int16_t sterm) const
{
    return ModPublic::GetsTermString(CurrUniYear, sterm);
}

date::Date CQxCal::GetsTermDateTime(std::int16_t CurrUniYear, std::int16_t sterm) const
{
    return ModPublic::GetsTermDateTime(CurrUniYear, sterm);
}

QxAgrEraNum CQxCal::GetEraNumber(date::Date CurrDate, date::Date CurTime, std::int32_t iMode) const
{
    return ModPublic::GetEraNumber(CurrDate, CurTime, iMode);
}

QxAgrEraStr CQxCal::GetEraString(date::Date CurrDate, date::Date CurTime, std::int32_t iMode) const
{
    return ModPublic::GetEraString(CurrDate, CurTime, iMode);
}

date::Date CQxCal::AgrDateToUniDate(const QxAgrDateNum &CurrAgrDate) const
{
    return ModPublic::AgrDateToUniDate(CurrAgrDate);
}

} // namespace corvane
