#include "MonthHelp.h"

namespace corvane::month
{

namespace
{

constexpr const char *kLines[] = {
    "程序支持键盘操作,以下上键盘功能:",
    "PgUp,PgDn用于改变月份",
    "Shift + PgUp,Shift + PgDn用于改变年份",
    "Up,Dowm,Left,Right用于改变日期",
    "Home,显示今天",
    "F1,显示帮助",
    "鼠标点击“今天”可以显示今天的日期",
    "鼠标指向日期,农历月份与今天,可显示工具提示",
};

} // namespace

ui::MessageBoxRequest MonthHelpBox()
{
    std::string text;
    for (const char *line : kLines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return {"日历帮助", text, ui::MessageIcon::Question, ui::MessageButtons::Ok};
}

} // namespace corvane::month
