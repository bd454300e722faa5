#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Asks every visible part of a control for its context menu, as a right click would, and returns the
// entries of the menus that opened (each closed again at once).
inline QStringList ContextMenuEntries(QWidget &surface)
{
    QStringList entries;
    QTimer closeMenus;
    QObject::connect(&closeMenus, &QTimer::timeout, [&entries] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            for (const QAction *action : popup->actions())
                if (!action->isSeparator())
                    entries << action->text();
            popup->close();
        }
    });
    closeMenus.start(10);
    QList<QWidget *> parts = surface.findChildren<QWidget *>();
    parts.prepend(&surface);
    for (QWidget *part : parts) {
        if (!part->isVisible())
            continue;
        const QPoint centre = part->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Mouse, centre, part->mapToGlobal(centre));
        QApplication::sendEvent(part, &request);
    }
    QTest::qWait(30);
    return entries;
}

// The entries that read in English: Latin letters left once the keyboard accelerators ("(&C)") are
// taken out.
inline QStringList EnglishEntries(const QStringList &entries)
{
    static const QRegularExpression accelerator(QStringLiteral("\\(&.\\)"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    QStringList english;
    for (const QString &entry : entries)
        if (QString(entry).remove(accelerator).contains(latin))
            english << entry;
    return english;
}
