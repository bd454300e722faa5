#include "MethodMessages.h"

#include "HostedControl.h"

#include "platform/date/DateFormat.h"

#include <QStringList>

namespace corvdemo
{

namespace
{

QString FieldText(const corv::Variant &record, const char *name)
{
    const corv::Variant &field = record.Field(name);
    if (field.Type() == CORV_VT_STRING)
        return TextOf(field);
    return QString::number(field.I2());
}

} // namespace

QString AgrNumDateMessage(const corv::Variant &record)
{
    return FieldText(record, "AgrFactYear") + QStringLiteral("年") + FieldText(record, "AgrIsLeep")
        + QStringLiteral("(是否为闰月)") + FieldText(record, "AgrMonth") + QStringLiteral("月,实际月序")
        + FieldText(record, "AgrMonthBound") + QStringLiteral("月") + FieldText(record, "AgrDay")
        + QStringLiteral("日");
}

QString AgrStrDateMessage(const corv::Variant &record)
{
    return FieldText(record, "AgrFactYear") + FieldText(record, "AgrMonth") + FieldText(record, "AgrDay");
}

QString EraMessage(const corv::Variant &record)
{
    return QStringList{FieldText(record, "AgrFactYear"),
                       FieldText(record, "AgrMonth"),
                       FieldText(record, "AgrDay"),
                       FieldText(record, "AgrTime")}
        .join(QLatin1Char(','));
}

QString DateMessage(double date, std::string_view pattern)
{
    if (date == corvane::date::kNoDate)
        return QStringLiteral("无此日期");
    return QString::fromStdString(corvane::date::Format(date, pattern));
}

} // namespace corvdemo
