#pragma once
// The three conversions: which cells of the table make which lines of the
// standard data file, and the handlers that run them from the window.

#include <optional>

#include "convert/FileOps.h"
#include "convert/StandardFile.h"
#include "state/Dialogs.h"

namespace quorvel {

// The seven settings of an Other conversion, as plain numbers.
struct OtherLayout {
    int nameRow = 2;  // 0: empty names
    int unitRow = 0;  // 0: "mm" for every channel
    int memoRow = 0;  // 0: empty memo
    int firstRow = 1;
    int lastRow = 0;
    int firstCol = 1;
    int lastCol = 1;
};

// Each gives nothing when there is no channel to write.
// TXT: channels from column 3 to `dataColumns`; a channel after the first whose
// unit cell (row 3) is empty is missing. `unitCells` is row 3, column 0 first.
std::optional<ConversionPlan> TxtPlan(int dataColumns, const FieldList& unitCells, int firstRow,
                                      int lastRow);
// CSV: channels from column 2 to `dataColumns`, names from row 1, units kg, mm...
std::optional<ConversionPlan> CsvPlan(int dataColumns, int firstRow, int lastRow);
// Other: channels from the first to the last data column.
std::optional<ConversionPlan> OtherPlan(const OtherLayout& layout);

OtherLayout OtherLayoutOf(const OtherSettings& settings);

// The conversion handlers. Each refuses, with a warning, a table without a
// channel to write, before asking for a file name.
void TxtToCsvClick(MainWindowState& state, Dialogs& dialogs, FileOps& ops = SystemFileOps());
void CsvToCsvClick(MainWindowState& state, Dialogs& dialogs, FileOps& ops = SystemFileOps());
void Button3Click(MainWindowState& state, Dialogs& dialogs, FileOps& ops = SystemFileOps());

}  // namespace quorvel
