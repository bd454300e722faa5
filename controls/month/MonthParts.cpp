#include "MonthParts.h"

#include "DayCellName.h"
#include "MonthGridWidget.h"
#include "MonthLayout.h"
#include "MonthRange.h"
#include "platform/date/DateFormat.h"
#include "platform/ui/ArrowBar.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/OleColor.h"
#include "platform/ui/Text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>

namespace corvane::month
{

namespace
{

// Long lists open as a scrolling list of this many rows, not as a menu taller than the screen.
constexpr int kVisibleListRows = 10;

// The application's style, except that a list opens as a drop-down list rather than as a menu.
// (A style sheet would do the same, but Qt's style-sheet cache then keeps an entry for the
// drop-down of every list ever created, long after the list is gone.)
class ScrollingListStyle final : public QProxyStyle
{
public:
    int
    styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *ret) const override
    {
        return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

// One for all lists of the user-interface thread, gone with the application object.
QStyle *ListStyle()
{
    static QPointer<ScrollingListStyle> style;
    if (!style) {
        style = new ScrollingListStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

template<class W>
W *Place(W *widget, const char *name, const TwipsRect &rect, const ui::TwipsScale &scale)
{
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(scale.ToPixels(rect));
    return widget;
}

QWidget *Panel(QWidget *parent, const char *name, const TwipsRect &rect, const ui::TwipsScale &scale)
{
    auto *panel = Place(new QWidget(parent), name, rect, scale);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel *Caption(QWidget *parent,
                const char *name,
                const TwipsRect &rect,
                const ui::TwipsScale &scale,
                const char *text,
                Qt::Alignment horizontal,
                bool bold = false)
{
    auto *label = Place(new QLabel(QString::fromUtf8(text), parent), name, rect, scale);
    label->setFont(ui::DesignFont(bold));
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QComboBox *List(QWidget *parent, const char *name, const TwipsRect &rect, const ui::TwipsScale &scale, const char *tip)
{
    auto *list = Place(new QComboBox(parent), name, rect, scale);
    list->setEditable(false);
    list->setFont(ui::DesignFont(true));
    list->setToolTip(QString::fromUtf8(tip));
    list->setStyle(ListStyle());
    list->setMaxVisibleItems(kVisibleListRows);
    return list;
}

} // namespace

MonthParts BuildMonthParts(QWidget &surface, const ui::TwipsScale &scale)
{
    namespace L = layout;
    MonthParts p{};
    p.PictBack = Place(new QFrame(&surface), "PictBack", L::PictBack, scale);
    p.PictBack->setAutoFillBackground(true);
    p.PictBackInner = new QWidget(p.PictBack);
    p.PictBackInner->setGeometry(scale.ToPixels(L::PictBack));

    QWidget *back = p.PictBackInner;
    p.LabJQback = Place(new QLabel(back), "LabJQback", L::LabJQback, scale);
    p.LabJQback->setAutoFillBackground(true);
    p.LabJQback->setFrameStyle(QFrame::Box | QFrame::Plain);
    p.LabJQback->setLineWidth(1);
    p.LabJie = Caption(back, "LabJie", L::LabJie, scale, "#", Qt::AlignHCenter);
    p.LabQi = Caption(back, "LabQi", L::LabQi, scale, "#", Qt::AlignHCenter);
    p.LabToday = Caption(back, "LabToday", L::LabToday, scale, "今天", Qt::AlignLeft, true);

    p.PictWeekday = Panel(back, "PictWeekday", L::PictWeekday, scale);
    for (int i = 0; i < 7; ++i) {
        p.LabWeekDay[std::size_t(i)] =
            Caption(p.PictWeekday, "LabWeekDay", L::LabWeekDay(i), scale, "", Qt::AlignHCenter);
        p.LabWeekDay[std::size_t(i)]->setText(QString::fromUtf8(WeekDayCaption(i)));
        p.LabWeekDay[std::size_t(i)]->setProperty("Index", i);
    }

    p.PicBack = Place(new QWidget(back), "PicBack", L::PicBack, scale);
    // Only its two arrows show, at the ends of the header: they are month buttons, nothing more.
    p.HScMonth = Place(new ui::ArrowBar(Qt::Horizontal,
                                        kFirstMonthValue,
                                        kFirstMonthValue,
                                        kFirstMonthValue,
                                        ui::ArrowBar::Arrows::Styled,
                                        p.PicBack),
                       "HScMonth",
                       L::HScMonth,
                       scale);
    p.HScMonth->setFocusPolicy(Qt::NoFocus);
    ui::NameArrows(*p.HScMonth, QStringLiteral("上个月"), QStringLiteral("下个月"));
    p.HScMonth->setAccessibleName(QStringLiteral("月份"));

    p.PictBoard = Panel(p.PicBack, "PictBoard", L::PictBoard, scale);
    p.Pictcmby = Panel(p.PictBoard, "Pictcmby", L::Pictcmby, scale);
    p.CmbUniYear = List(p.Pictcmby, "CmbUniYear", L::CmbUniYear, scale, "公历年份");
    p.PicColY = Panel(p.Pictcmby, "PicColY", L::PicColY, scale);
    p.Pictcmbm = Panel(p.PictBoard, "Pictcmbm", L::Pictcmbm, scale);
    p.CmbUniMonth = List(p.Pictcmbm, "CmbUniMonth", L::CmbUniMonth, scale, "公历月份");
    p.PictColM = Panel(p.Pictcmbm, "PictColM", L::PictColM, scale);
    p.LabAgrCal = Caption(p.PictBoard, "LabAgrCal", L::LabAgrCal, scale, "农历", Qt::AlignLeft);
    p.LabAgrYear = Caption(p.PictBoard, "LabAgrYear", L::LabAgrYear, scale, "", Qt::AlignHCenter);
    p.LabAgrYear->setToolTip(QStringLiteral("农历年份"));
    p.LabAgrMonth = Caption(p.PictBoard, "LabAgrMonth", L::LabAgrMonth, scale, "", Qt::AlignHCenter);
    p.LabAgrMonth->setToolTip(QStringLiteral("农历月份"));
    p.LabAgrMonth->setMouseTracking(true);
    p.LabAnimal = Caption(p.PictBoard, "LabAnimal", L::LabAnimal, scale, "", Qt::AlignHCenter);
    p.LabAnimal->setToolTip(QStringLiteral("属相"));

    p.PicMonth = Place(new MonthGridWidget(back, scale), "PicMonth", L::PicMonth, scale);
    // Tab goes from the grid, where the focus enters, on to the year and the month list.
    QWidget::setTabOrder(p.PicMonth, p.CmbUniYear);
    QWidget::setTabOrder(p.CmbUniYear, p.CmbUniMonth);
    p.LabJie->setAccessibleDescription(QStringLiteral("本月节气"));
    p.LabQi->setAccessibleDescription(QStringLiteral("本月节气"));
    p.LabToday->setAccessibleDescription(QStringLiteral("选择今天"));
    return p;
}

void FillYearList(QComboBox &list, date::YearRange years)
{
    // One insertion for all: the list's model would otherwise announce each of up to 200 rows.
    QStringList names;
    names.reserve(years.last - years.first + 1);
    for (int year = years.first; year <= years.last; ++year)
        names.append(QString::number(year));
    list.clear();
    list.addItems(names);
}

void FillMonthList(QComboBox &list)
{
    for (int month = 1; month <= 12; ++month)
        list.addItem(ui::ToQString(date::FormatNumber(month, "00") + "月"));
}

QSize ApplyAppearanceFrame(MonthParts &parts, int appearance, const ui::TwipsScale &scale)
{
    const bool threeD = appearance == 1;
    const int width = threeD ? layout::k3DWidth : layout::kFlatWidth;
    const int height = threeD ? layout::k3DHeight : layout::kFlatHeight;
    const int border = threeD ? scale.EdgeX((layout::k3DWidth - layout::kFlatWidth) / 2.0) : 0;
    parts.PictBack->setFrameStyle(threeD ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    parts.PictBack->setLineWidth(border);
    parts.PictBack->setGeometry(QRect(QPoint(0, 0), scale.SizeToPixels(width, height)));
    parts.PictBackInner->move(border, border);
    return {width, height};
}

void ApplyPartColors(MonthParts &p, const MonthColors &colors, const QPalette &palette)
{
    const auto color = [&palette](ui::OleColor value) { return ui::ResolveOleColor(value, palette); };
    const QColor window = color(ui::kWindowColor);
    const QColor buttonFace = color(ui::kButtonFaceColor);
    const QColor buttonText = color(ui::kButtonTextColor);

    ui::SetPaletteColor(*p.PictBack, QPalette::Window, window);
    ui::SetPaletteColor(*p.PictBoard, QPalette::Window, buttonFace);
    for (QWidget *clip : {p.Pictcmby, p.Pictcmbm})
        ui::SetPaletteColor(*clip, QPalette::Window, window);
    for (QWidget *strip : {p.PicColY, p.PictColM})
        ui::SetPaletteColor(*strip, QPalette::Window, buttonFace);
    for (QComboBox *list : {p.CmbUniYear, p.CmbUniMonth})
        ui::SetPaletteColor(*list, QPalette::Button, buttonFace);
    for (QLabel *label : {p.LabAgrCal, p.LabAgrYear, p.LabAgrMonth, p.LabAnimal, p.LabToday})
        ui::SetPaletteColor(*label, QPalette::WindowText, buttonText);
    for (QLabel *label : {p.LabJie, p.LabQi})
        ui::SetPaletteColor(*label, QPalette::WindowText, color(ui::kWindowTextColor));
    ui::SetPaletteColor(*p.LabJQback, QPalette::Window, color(colors.sTermBackColor));
    ui::SetPaletteColor(*p.LabJQback, QPalette::WindowText, color(ui::kWindowFrameColor));
    ui::SetPaletteColor(*p.PictWeekday, QPalette::Window, color(colors.WeekBackColor));

    const QColor weekFore = color(colors.WeekForeColor);
    ui::SetPaletteColor(*p.LabWeekDay[0], QPalette::WindowText, color(colors.FestForeColor));
    for (std::size_t i = 1; i <= 5; ++i)
        ui::SetPaletteColor(*p.LabWeekDay[i], QPalette::WindowText, weekFore);
    ui::SetPaletteColor(*p.LabWeekDay[6], QPalette::WindowText, color(colors.StForeColor));
}

} // namespace corvane::month
