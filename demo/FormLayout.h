#pragma once

#include "platform/ui/Twips.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <utility>

namespace corvdemo
{

// The forms' design gives every position and size in twips; this turns them into pixels of the
// screen the demo runs on (15 twips to a pixel at 96 dpi).
class FormLayout
{
public:
    FormLayout();

    QPoint Point(int leftTwips, int topTwips) const;
    QSize Size(int widthTwips, int heightTwips) const;
    // Gives widget the rectangle (left, top, width, height) in twips of its parent.
    void Place(QWidget &widget, int left, int top, int width, int height) const;

    // A new part of parent named by its design name, at (left, top, width, height) in twips.
    template<class Part, class... Args>
    Part *Add(QWidget &parent, const char *name, int left, int top, int width, int height, Args &&...args) const
    {
        auto *part = new Part(std::forward<Args>(args)..., &parent);
        part->setObjectName(QString::fromUtf8(name));
        Place(*part, left, top, width, height);
        return part;
    }

private:
    corvane::ui::TwipsScale m_scale;
};

} // namespace corvdemo
