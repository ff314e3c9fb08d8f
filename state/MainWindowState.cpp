#include "state/MainWindowState.h"

#include "convert/Messages.h"

namespace quorvel {

void FormCreate(MainWindowState& state) {
    for (int c = 1; c <= 20; ++c) state.StringGrid1.SetCell(c, 0, Format("%6d", c));
    for (int r = 1; r <= 20; ++r) state.StringGrid1.SetCell(0, r, Format("%8d", r));
    state.MaxRows = kMaxRows;
}

}  // namespace quorvel
