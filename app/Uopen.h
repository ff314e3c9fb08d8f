#pragma once
// The main window: the table of the loaded file, the source-kind selector, the
// data-line range, the status labels and the menu. Every handler is a thin call
// into the core followed by a refresh of the widgets from the core's state.

#include <QMainWindow>
#include <memory>

#include "app/QtDialogs.h"
#include "app/TableModel.h"
#include "state/MainWindowState.h"
#include "text/Mystr.h"

namespace Ui {
class TOpen;
}
class TVersion;
class THowTo;
class TOther;

class TOpen : public QMainWindow {
    Q_OBJECT
  public:
    explicit TOpen(QWidget* parent = nullptr);
    ~TOpen() override;

    // The windows that the menu and the convert dispatcher show.
    void Attach(TVersion* version, THowTo* howTo, TOther* other);
    // Tests answer the dialogs themselves; nullptr restores the real ones.
    void SetDialogs(quorvel::Dialogs* dialogs);

    quorvel::MainWindowState& State() { return state_; }
    TOther* OtherWindow() const { return other_; }
    // Shows the state: labels, range, button, table, and the settings window.
    void RefreshFromState();

    void FormCreate();
    // The read dispatcher ("読み込み", "データファイルを開く(&O)").
    void Button2Click();
    void O1Click() { Button2Click(); }
    // The convert dispatcher ("変換・保存", "変換データを保存する(&S)").
    void Button5Click();
    void S1Click() { Button5Click(); }
    void Button1Click() { close(); }
    void Q1Click() { close(); }
    void N1Click();
    void V1Click();

    // The readers and converters, handlers of the hidden buttons.
    void BtnTXTClick();
    void BtnCSVClick();
    void BtnOTHERClick();
    void TxtToCsvClick();
    void CsvToCsvClick();
    void Button3Click();

  private:
    // Runs one core handler and shows what it changed.
    template <typename Handler>
    void Run(Handler handler);
    void PaintLabelsNow();
    void ConnectWidgets();

    std::unique_ptr<Ui::TOpen> ui_;
    quorvel::MainWindowState state_;
    quorvel::TMyStr MyStr1;
    quorvel::ui::TableModel model_;
    quorvel::ui::QtDialogs realDialogs_;
    quorvel::Dialogs* dialogs_;
    TVersion* version_ = nullptr;
    THowTo* howTo_ = nullptr;
    TOther* other_ = nullptr;
};
