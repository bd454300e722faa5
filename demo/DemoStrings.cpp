#include "DemoStrings.h"

namespace corvdemo
{

QString ProgramTitle()
{
    return QStringLiteral("Corvdemo");
}

QString FormCaption()
{
    return QStringLiteral("Corvane 农历控件库演示程序");
}

QString LibraryComment()
{
    return QStringLiteral(
        "Corvane 农历控件库提供四个可视控件和一个类：\n"
        "QxMonth 月历控件：按公历月显示日期，每天同时显示农历日或节日，并显示农历年、月、生肖和本月的两个节气。\n"
        "QxMonthVw 下拉日期控件：一行日期框，可按五种格式显示公历日期、农历日期和星期，点击按钮弹出月历选择日期。\n"
        "DateUpDown 日期滚动控件与 TimeUpDown 时间滚动控件：用上下按钮按年、月、日或时、分、秒调整。\n"
        "CQxCal 类：不需要界面也能使用全部农历计算。\n"
        "\n"
        "每个控件和 CQxCal 类都有七个方法：\n"
        "GetAgrNumDate：公历日期转为农历数字日期；\n"
        "GetAgrStrDate：公历日期转为农历字串日期；\n"
        "GetsTermString：求某年某节气的交节时间字串；\n"
        "GetsTermDateTime：求某年某节气的交节日期与时间；\n"
        "GetEraNumber：求某一时刻年、月、日、时的干支序号；\n"
        "GetEraString：求某一时刻年、月、日、时的干支字串；\n"
        "AgrDateToUniDate：农历日期转为公历日期。\n"
        "\n"
        "支持的公历年份为1901年至2030年。");
}

} // namespace corvdemo
