#pragma once
// The window's answers to the core's questions: real file dialogs and message
// boxes, and painting the status labels at once.

#include <QPointer>
#include <functional>

#include "state/Dialogs.h"

class QWidget;

namespace quorvel::ui {

class QtDialogs : public Dialogs {
  public:
    QtDialogs(QWidget* parent, std::function<void()> paintLabels)
        : parent_(parent), paintLabels_(std::move(paintLabels)) {}

    std::optional<std::string> OpenFile(SourceKind kind) override;
    std::optional<std::string> SaveFile(const std::string& proposedName) override;
    void Warning(const std::string& text, const std::string& caption) override;
    bool Confirm(const std::string& text, const std::string& caption) override;
    void PaintLabels() override { paintLabels_(); }

  private:
    QPointer<QWidget> parent_;
    std::function<void()> paintLabels_;
};

}  // namespace quorvel::ui
