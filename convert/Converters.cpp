#include "convert/Converters.h"

#include "convert/Messages.h"
#include "convert/OutputFile.h"

namespace quorvel {

std::optional<ConversionPlan> TxtPlan(int dataColumns, const FieldList& unitCells, int firstRow,
                                      int lastRow) {
    if (dataColumns <= 2) return std::nullopt;
    ConversionPlan plan;
    plan.channels = dataColumns - 2;
    plan.firstColumn = 3;
    plan.names = HeaderLine::Row(2);
    plan.memo = HeaderLine::Empty();
    plan.units = HeaderLine::Row(3);
    plan.missing.assign(static_cast<size_t>(plan.channels), false);
    for (int k = 1; k < plan.channels; ++k) {
        size_t col = static_cast<size_t>(k + 3);
        plan.missing[static_cast<size_t>(k)] = col >= unitCells.size() || unitCells[col].empty();
    }
    plan.firstRow = firstRow;
    plan.lastRow = lastRow;
    return plan;
}

std::optional<ConversionPlan> CsvPlan(int dataColumns, int firstRow, int lastRow) {
    if (dataColumns <= 1) return std::nullopt;
    ConversionPlan plan;
    plan.channels = dataColumns - 1;
    plan.firstColumn = 2;
    plan.names = HeaderLine::Row(1);
    plan.memo = HeaderLine::Empty();
    plan.units = HeaderLine::Fixed("kg", "mm");
    plan.firstRow = firstRow;
    plan.lastRow = lastRow;
    return plan;
}

std::optional<ConversionPlan> OtherPlan(const OtherLayout& layout) {
    if (layout.lastCol < layout.firstCol) return std::nullopt;
    ConversionPlan plan;
    plan.channels = layout.lastCol - layout.firstCol + 1;
    plan.firstColumn = layout.firstCol;
    auto rowOrEmpty = [](int row) { return row == 0 ? HeaderLine::Empty() : HeaderLine::Row(row); };
    plan.names = rowOrEmpty(layout.nameRow);
    plan.memo = rowOrEmpty(layout.memoRow);
    plan.units =
        layout.unitRow == 0 ? HeaderLine::Fixed("mm", "mm") : HeaderLine::Row(layout.unitRow);
    plan.firstRow = layout.firstRow;
    plan.lastRow = layout.lastRow;
    return plan;
}

OtherLayout OtherLayoutOf(const OtherSettings& s) {
    return {s.NameRow.Position(),  s.UnitRow.Position(), s.MemoRow.Position(),
            s.FirstRow.Position(), s.LastRow.Position(), s.FirstCol.Position(),
            s.LastCol.Position()};
}

namespace {

void RefuseNoChannel(Dialogs& dialogs, const char* why) {
    dialogs.Warning(std::string("変換するチャンネルがありません。\n") + why,
                    text::kNoChannelCaption);
}

void Run(const ConversionPlan& plan, MainWindowState& state, Dialogs& dialogs, FileOps& ops) {
    std::optional<std::string> path = ChooseOutputFile(state, dialogs, ops);
    if (!path) return;
    std::unique_ptr<AtomicFile> file = OpenOutputFile(state, dialogs, *path, ops);
    if (!file) return;
    long long lines = 0;
    try {
        lines = WriteTable(state.StringGrid1, plan, *file);
    } catch (const IoError& error) {
        ReportSaveFailure(state, dialogs, error);
        return;
    }
    FinishOutputFile(state, dialogs, *file, lines, plan.channels);
}

}  // namespace

void TxtToCsvClick(MainWindowState& state, Dialogs& dialogs, FileOps& ops) {
    FieldList units;
    state.StringGrid1.RowCells(3, units);
    auto plan =
        TxtPlan(state.DataColumns, units, state.UpDown1.Position(), state.UpDown2.Position());
    if (!plan) {
        return RefuseNoChannel(
            dialogs, "TXTファイルのチャンネルは3列目からです。データを読み込んでください。");
    }
    Run(*plan, state, dialogs, ops);
}

void CsvToCsvClick(MainWindowState& state, Dialogs& dialogs, FileOps& ops) {
    auto plan = CsvPlan(state.DataColumns, state.UpDown1.Position(), state.UpDown2.Position());
    if (!plan) {
        return RefuseNoChannel(
            dialogs, "CSVファイルのチャンネルは2列目からです。データを読み込んでください。");
    }
    Run(*plan, state, dialogs, ops);
}

void Button3Click(MainWindowState& state, Dialogs& dialogs, FileOps& ops) {
    auto plan = OtherPlan(OtherLayoutOf(state.Other));
    if (state.DataColumns <= 0) {
        return RefuseNoChannel(dialogs, "データが読み込まれていません。");
    }
    if (!plan) {
        return RefuseNoChannel(dialogs, "データ最終列がデータ開始列より前にあります。");
    }
    Run(*plan, state, dialogs, ops);
}

}  // namespace quorvel
