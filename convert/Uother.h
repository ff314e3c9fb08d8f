#pragma once
// The settings window of the Other conversion: which rows hold the point
// names, units and memo, and which block holds the values. Its spinners show
// the main window's Other settings; its "変換・保存" runs the main window's
// conversion and the window stays open.

#include <QWidget>
#include <memory>

namespace Ui {
class TOther;
}
class TOpen;
class QSpinBox;

class TOther : public QWidget {
    Q_OBJECT
  public:
    explicit TOther(TOpen* open, QWidget* parent = nullptr);
    ~TOther() override;

    // Shows the settings as the main window's state holds them.
    void RefreshFromState();
    void Button1Click();
    void Button2Click() { close(); }

  private:
    std::unique_ptr<Ui::TOther> ui_;
    TOpen* open_;
};
