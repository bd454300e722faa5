#pragma once

#include "MonthColors.h"
#include "platform/date/DateValue.h"
#include "platform/ui/Twips.h"

#include <QSize>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QPalette;
class QScrollBar;
class QWidget;

namespace corvane::month
{

class MonthGridWidget;

// The child parts of the month control, each with its design name as object name. They belong to
// the control's surface.
struct MonthParts {
    QFrame *PictBack; // the outer frame, which carries the Appearance border
    QWidget *PictBackInner; // the frame's inner area, holding the parts below
    MonthGridWidget *PicMonth;
    QWidget *PicBack;
    QScrollBar *HScMonth;
    QWidget *PictBoard;
    QWidget *Pictcmby;
    QComboBox *CmbUniYear;
    QWidget *PicColY;
    QWidget *Pictcmbm;
    QComboBox *CmbUniMonth;
    QWidget *PictColM;
    QLabel *LabAgrCal;
    QLabel *LabAgrYear;
    QLabel *LabAgrMonth;
    QLabel *LabAnimal;
    QWidget *PictWeekday;
    std::array<QLabel *, 7> LabWeekDay; // Sunday first; object name "LabWeekDay", property "Index"
    QLabel *LabToday;
    QLabel *LabJie;
    QLabel *LabQi;
    QLabel *LabJQback;
};

// Builds the parts inside `surface` at the positions of the layout, Flat, with their captions, fonts
// and tool tips. The lists are empty (FillYearList, FillMonthList).
MonthParts BuildMonthParts(QWidget &surface, const ui::TwipsScale &scale);

// The year list gets the years of the span, "1901" .. "2030" for the published years (entry i is year
// first + i), in place of what it held; the month list "01月" .. "12月" (entry i is month i + 1).
void FillYearList(QComboBox &list, date::YearRange years);
void FillMonthList(QComboBox &list);

// Puts the outer frame in the look of `appearance` (Flat 0: no border, 3D 1: a one-pixel sunken
// border) and sizes it; the inner layout does not move relative to the inner area. Returns the outer
// size in twips.
QSize ApplyAppearanceFrame(MonthParts &parts, int appearance, const ui::TwipsScale &scale);

// Gives every part its colour, system colours resolved through `palette`: the property colours where
// they apply (the Tuesday to Friday captions take the Monday caption's) and the fixed colours of the
// header, lists and strips. Parts whose colour is already right are left alone.
void ApplyPartColors(MonthParts &parts, const MonthColors &colors, const QPalette &palette);

} // namespace corvane::month
