#pragma once
// The version window: title, name and version, date and author. Created once at
// start-up and only hidden when closed, like every window but the main one.

#include <QWidget>
#include <memory>

namespace Ui {
class TVersion;
}

class TVersion : public QWidget {
    Q_OBJECT
  public:
    explicit TVersion(QWidget* parent = nullptr);
    ~TVersion() override;

    // "閉じる": hides the window, as its title-bar close button does.
    void Button1Click() { close(); }

  private:
    std::unique_ptr<Ui::TVersion> ui_;
};
