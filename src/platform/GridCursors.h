#pragma once
// The string grid's own cursors, beside the standard ones of Controls.h: selecting a column, a row,
// everything, and the cell selector.
#include "platform/Controls.h"

enum : TCursor {
    crSelectColumn = -40,
    crSelectRow = -41,
    crSelectAll = -42,
    crCellSelector = -43,
};
