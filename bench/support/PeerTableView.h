// The QTableView a repaint benchmark paints beside the grid: off screen, no frame, no scroll bars,
// no row header, a 20-pixel header row and 20 x 192 cells in DejaVu Sans 8 over the given size.
#pragma once

#include <QFont>
#include <QFrame>
#include <QHeaderView>
#include <QTableView>

inline void SetUpPeerTableView(QTableView& View, int Width, int Height)
{
    View.setAttribute(Qt::WA_DontShowOnScreen);
    View.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    View.setFrameShape(QFrame::NoFrame);
    View.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    View.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    View.verticalHeader()->hide();
    View.verticalHeader()->setMinimumSectionSize(1);
    View.verticalHeader()->setDefaultSectionSize(20);
    View.horizontalHeader()->setFixedHeight(20);
    View.horizontalHeader()->setDefaultSectionSize(192);
    View.resize(Width, Height);
    View.show();
}
