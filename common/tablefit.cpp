#include "tablefit.h"

#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QWidget>

namespace vexo {

void growToShowTable(QWidget *window, QTableView *table)
{
    QHeaderView *header = table->horizontalHeader();
    // A stretched last section would count the room it was given, not what
    // its values need.
    const bool stretch = header->stretchLastSection();
    header->setStretchLastSection(false);
    header->resizeSections(QHeaderView::ResizeToContents);
    const QSize contents(header->length(), table->verticalHeader()->length());
    header->setStretchLastSection(stretch);
    // A few pixels to spare: the header's own rounding must not bring a
    // scroll bar back.
    const QSize spare(4, 4);
    const QSize wanted = window->size() + (contents - table->viewport()->size()) + spare;
    QSize room = wanted;
    if (const QScreen *screen = window->screen())
        room = screen->availableGeometry().size() * 9 / 10;
    window->resize(window->size().expandedTo(wanted.boundedTo(room)));
}

} // namespace vexo
