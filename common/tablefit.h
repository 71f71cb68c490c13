#pragma once

class QTableView;
class QWidget;

namespace vexo {

// Grows window so that table shows every column and row without scrolling,
// at most to nine tenths of its screen; never shrinks it. Call once the
// window is laid out (on its first show): the room around the table is
// measured, not guessed.
void growToShowTable(QWidget *window, QTableView *table);

} // namespace vexo
