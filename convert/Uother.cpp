#include "convert/Uother.h"

#include <QLineEdit>

#include "app/Look.h"
#include "app/Uopen.h"
#include "ui_Uother.h"

namespace {

// The seven spinners with the settings they show.
std::array<std::pair<QSpinBox*, quorvel::Spinner*>, 7> Bindings(Ui::TOther& ui,
                                                                quorvel::OtherSettings& s) {
    return {{{ui.UpDown1, &s.NameRow},
             {ui.UpDown2, &s.UnitRow},
             {ui.UpDown3, &s.MemoRow},
             {ui.UpDown4, &s.FirstRow},
             {ui.UpDown5, &s.LastRow},
             {ui.UpDown6, &s.FirstCol},
             {ui.UpDown7, &s.LastCol}}};
}

}  // namespace

TOther::TOther(TOpen* open, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TOther>()), open_(open) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);
    quorvel::ui::ApplyDesignedLook(this);
    int n = 1;
    for (auto [box, spinner] : Bindings(*ui_, open_->State().Other)) {
        box->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit%1").arg(n++));
        connect(box, &QSpinBox::valueChanged, this,
                [spinner = spinner](int v) { spinner->SetPosition(v); });
    }
    connect(ui_->Button1, &QPushButton::clicked, this, &TOther::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TOther::Button2Click);
    RefreshFromState();
    resize(420, 309);
    quorvel::ui::PlaceOnScreen(this, QPoint(724, 166));
}

TOther::~TOther() = default;

void TOther::RefreshFromState() {
    for (auto [box, spinner] : Bindings(*ui_, open_->State().Other)) {
        QSignalBlocker block(box);
        box->setRange(spinner->Min(), std::max(spinner->Min(), spinner->Max()));
        box->setValue(spinner->Position());
    }
}

void TOther::Button1Click() { open_->Button3Click(); }
