#pragma once
// The grid control's seven cursors, by number: 1 blank, 2 no bars, 3 left bar, 4 both bars,
// 5 top bar, 6 down, 7 across (GridEditor::Cursor).

#include <QCursor>
#include <cstdint>

const QCursor& GridCursor(uint8_t number);
