#pragma once
// The usage window: a scrollable, editable usage text. Created once at start-up
// and only hidden when closed, so what the user typed and where the text was
// scrolled stay until the program ends; every run starts with the stored text.

#include <QWidget>
#include <memory>

namespace Ui {
class THowTo;
}

class THowTo : public QWidget {
    Q_OBJECT
  public:
    explicit THowTo(QWidget* parent = nullptr);
    ~THowTo() override;

    // "閉じる": hides the window, as its title-bar close button does.
    void Button1Click() { close(); }

  private:
    std::unique_ptr<Ui::THowTo> ui_;
};
