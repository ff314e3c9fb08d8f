#include "app/Uversion.h"

#include <QLabel>
#include <QPushButton>

#include "app/Look.h"
#include "ui_Uversion.h"

TVersion::TVersion(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TVersion>()) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("Version"));
    setAttribute(Qt::WA_QuitOnClose, false);
    quorvel::ui::ApplyDesignedLook(this);
    ui_->Label1->setFont(quorvel::ui::DesignedFont(21));
    ui_->Label2->setFont(quorvel::ui::DesignedFont(19));
    // Labels fit their text from their designed top-left corner: the fallback
    // face is wider than the designed one and would otherwise be cut off.
    for (QLabel* label : {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5}) {
        label->adjustSize();
    }
    connect(ui_->Button1, &QPushButton::clicked, this, &TVersion::Button1Click);
    resize(369, 263);
    quorvel::ui::PlaceOnScreen(this, QPoint(604, 253));
}

TVersion::~TVersion() = default;
