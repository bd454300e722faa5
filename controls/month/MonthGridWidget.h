#pragma once

#include "GridPicture.h"
#include "platform/ui/Twips.h"

#include <QFont>
#include <QFontMetricsF>
#include <QWidget>

namespace corvane::month
{

// Where the day grid sends its input; the month control implements it.
class MonthGridInput
{
public:
    virtual ~MonthGridInput() = default;
    // The grid is about to paint `region`: a picture that is out of date must be brought up to date
    // now.
    virtual void GridAboutToPaint(const QRegion &region) = 0;
    virtual void GridShown() = 0;
    virtual void GridKeyPress(QKeyEvent &event) = 0;
    virtual void GridKeyRelease(QKeyEvent &event) = 0;
    // secondOfDouble: the double-click event that follows the second press of a double click.
    virtual void GridMousePress(QMouseEvent &event, bool secondOfDouble) = 0;
    virtual void GridMouseRelease(QMouseEvent &event) = 0;
    virtual void GridMouseMove(QMouseEvent &event) = 0;
    virtual void GridFocusOut() = 0;
};

// The fonts of the grid's texts and their metrics.
struct GridFonts {
    QFont regular;
    QFont bold;
    QFontMetricsF regularMetrics;
    QFontMetricsF boldMetrics;
};

// PicMonth: draws its GridPicture, nothing else, and hands its input to the control.
class MonthGridWidget final : public QWidget
{
public:
    MonthGridWidget(QWidget *parent, const ui::TwipsScale &scale);

    void SetInput(MonthGridInput *input) noexcept { m_input = input; }
    GridPicture &Picture() noexcept { return m_picture; }
    // The picture brought up to date first, for readers other than the painting.
    const GridPicture &CurrentPicture();
    // The selected day last told to assistive technology (MonthGridAccessible).
    int &AnnouncedDay() noexcept { return m_announcedDay; }
    const ui::TwipsScale &Scale() const noexcept { return m_scale; }
    // The pixels of a cell; cells tile the grid without gaps.
    QRect CellRect(GridPosition position) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void UpdateSelectedCell();

    ui::TwipsScale m_scale;
    GridFonts m_fonts;
    GridPicture m_picture;
    MonthGridInput *m_input = nullptr;
    int m_announcedDay = 0;
};

// The keyboard focus: a dotted frame inside the selected cell that inverts the pixels under it, so it
// shows on any colours.
void PaintGridFocus(QPainter &painter, const GridPicture &picture, const ui::TwipsScale &scale);

// Paints the cells of `picture` that meet `clip`: background, day numbers and lower lines centred
// in the two halves of each cell (positions in fractional twips), then the highlight. The highlight
// fills the selected cell with the select colour under the not-XOR raster operation (each pixel
// becomes NOT (pen XOR pixel)): on a white background the cell shows exactly the select colour.
void PaintMonthGrid(QPainter &painter,
                    const GridPicture &picture,
                    const ui::TwipsScale &scale,
                    const GridFonts &fonts,
                    const QRegion &clip);

} // namespace corvane::month
