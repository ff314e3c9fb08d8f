#pragma once
// The three source readers: how a file's lines become the table's rows, and the
// main window's read handlers around that.

#include <string>

#include "readers/SourceFile.h"
#include "state/Dialogs.h"
#include "state/MainWindowState.h"
#include "text/Mystr.h"

namespace quorvel {

// How many leading fields of line `lineNo` (from 1) a load keeps in its row,
// given the line's field count and the column count fixed by the load so far.
// The TXT kind keeps only field 1 of line 1 and at most `dataColumns` fields
// from line 3 on; the CSV kind at most `dataColumns` from line 2 on; the Other
// kind every field.
int StoredFieldCount(SourceKind kind, long long lineNo, int fieldCount, int dataColumns);

struct LoadSummary {
    long long lines = 0;    // every line of the file, stored or not
    int dataColumns = 0;    // DataColumns as the load sets it
    int lastStoredRow = 0;  // the last table row that holds a line of this file
};

// Reads a whole source into `table` as the window shows it. `maxRows` < 0
// means no limit. Throws IoError on a read error and when the file lacks the
// lines its kind needs (TXT: two, CSV: one).
LoadSummary LoadTable(SourceKind kind, ByteSource& source, Table& table, long long maxRows,
                      const std::string& path);

// The seven Other settings as a load leaves them: limits from the last stored
// row and the column count, the proposed rows and columns within them.
void PrimeOtherSettings(OtherSettings& settings, int rows, int columns);

// The base name of `path` (no folder, no extension) followed by "Basic.csv".
std::string BasicFileNameFor(const std::string& path);

// The read handlers: ask for a file, load it, and on success put table,
// counts, range and labels in place. On failure nothing changes but a warning.
void BtnTXTClick(MainWindowState& state, Dialogs& dialogs);
void BtnCSVClick(MainWindowState& state, Dialogs& dialogs);
void BtnOTHERClick(MainWindowState& state, Dialogs& dialogs);

// The read dispatcher: the reader of the kind selected now.
void ReadSelected(MainWindowState& state, Dialogs& dialogs);

}  // namespace quorvel
