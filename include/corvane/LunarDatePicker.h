// Corvane's drop-down date picker as a Qt widget: a one-line box showing the date as a caption (with
// the lunar date and the week day if wanted) whose button drops a month calendar down beneath or above
// it. Link Corvane::Widgets (CMake).
//
//     auto *picker = new corvane::LunarDatePicker(this);
//     picker->setCaptionFormat(corvane::LunarDatePicker::LunarYearMonthDayWeek);
//     connect(picker, &corvane::LunarDatePicker::dateChanged, this, &Form::dateChosen);
//
// The widget has a fixed size (sizeHint). Dates are held to 1901-01-01 .. 2100-12-31. The colours
// follow the application palette until they are set; an invalid QColor makes one follow it again.
#pragma once

#include <QColor>
#include <QDate>
#include <QWidget>

#include <memory>

namespace corvane
{

class LunarDatePicker : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged USER true)
    Q_PROPERTY(CaptionFormat captionFormat READ captionFormat WRITE setCaptionFormat)
    Q_PROPERTY(QString caption READ caption)
    Q_PROPERTY(
        bool dropDownVisible READ isDropDownVisible WRITE setDropDownVisible NOTIFY dropDownVisibleChanged STORED false)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    // The caption for 2002-07-19 in each format.
    enum CaptionFormat {
        Week, // 2002年07月19日 星期五
        LunarYearMonthDay, // 2002年07月19日 农历: 壬午年 六月 初十日
        LunarYearMonthDayWeek, // ... 初十日 星期五
        LunarMonthDay, // 2002年07月19日 农历: 六月 初十日
        LunarMonthDayWeek, // ... 初十日 星期五
        DateOnly, // 2002年07月19日
    };
    Q_ENUM(CaptionFormat)

    explicit LunarDatePicker(QWidget *parent = nullptr);
    ~LunarDatePicker() override;

    // Today at first (the system date).
    QDate date() const;
    CaptionFormat captionFormat() const;
    QString caption() const;
    // Whether this picker's drop-down calendar stands open.
    bool isDropDownVisible() const;
    QColor backgroundColor() const;
    QColor textColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    // An invalid date is ignored; others are held to 1901-01-01 .. 2100-12-31.
    void setDate(const QDate &date);
    void setCaptionFormat(CaptionFormat format);
    // Opens or closes the drop-down as the button does (an open drop-down of another picker closes).
    void setDropDownVisible(bool visible);
    void setBackgroundColor(const QColor &color);
    void setTextColor(const QColor &color);

Q_SIGNALS:
    // Once for each change of the date: a setter or a day picked in the drop-down.
    void dateChanged(const QDate &date);
    // Once when the drop-down calendar opens and once when it closes, however that happens.
    void dropDownVisibleChanged(bool visible);

protected:
    void changeEvent(QEvent *event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace corvane
