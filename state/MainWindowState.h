#pragma once
// Everything the main window shows and the readers and converters share: the
// table, the values passed from a load to a conversion, the data-line range,
// the status texts and the Other settings. The front end only mirrors it.

#include <optional>
#include <string>

#include "state/Table.h"

namespace quorvel {

enum class SourceKind { Txt = 0, Csv = 1, Other = 2 };

// A bounded integer as an up-down spinner holds it: the upper limit is set
// before the position, and the position always lies within the limits (the
// lower limit wins when the upper one lies below it).
class Spinner {
  public:
    Spinner(int min, int max, int position) : min_(min), max_(max) { SetPosition(position); }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMax(int max) {
        max_ = max;
        SetPosition(position_);
    }
    void SetPosition(int value) {
        if (value > max_) value = max_;
        if (value < min_) value = min_;
        position_ = value;
    }

  private:
    int min_;
    int max_;
    int position_ = 0;
};

// The seven settings of the Other conversion, as the settings window holds them.
struct OtherSettings {
    Spinner NameRow{1, 100, 1};   // UpDown1: point-name row
    Spinner UnitRow{0, 100, 0};   // UpDown2: unit row, 0 for none
    Spinner MemoRow{0, 100, 1};   // UpDown3: memo row, 0 for none
    Spinner FirstRow{1, 100, 1};  // UpDown4: first data row
    Spinner LastRow{0, 100, 0};   // UpDown5: last data row
    Spinner FirstCol{1, 100, 1};  // UpDown6: first data column
    Spinner LastCol{1, 100, 1};   // UpDown7: last data column
};

struct MainWindowState {
    Table StringGrid1;
    int DataColumns = 0;
    int MaxRows = 0;  // set by FormCreate
    std::string BasicFileName;

    Spinner UpDown1{1, 100, 4};  // first data line
    Spinner UpDown2{1, 100, 1};  // last data line

    std::string Label3 = "ファイル名";  // source path
    std::string Label4 = "行数/列数";   // loaded size
    std::string Label6 = "保存・変換";  // conversion status
    std::string Label8 = "ファイル名";  // output path
    std::string Label12 = "行数/列数";  // written size

    bool Button5Enabled = false;
    std::optional<SourceKind> RadioGroup1 = SourceKind::Txt;

    OtherSettings Other;
};

// Numbers the header cells and sets MaxRows, once, when the window is made.
void FormCreate(MainWindowState& state);

inline constexpr int kMaxRows = 50000;

}  // namespace quorvel
