#include "app/Uopen.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>

#include "app/Look.h"
#include "app/Uhowto.h"
#include "app/Uversion.h"
#include "convert/Converters.h"
#include "convert/Uother.h"
#include "readers/Readers.h"
#include "ui_Uopen.h"

using quorvel::SourceKind;
using quorvel::ui::FromUtf8;

TOpen::TOpen(QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TOpen>()),
      model_(&state_.StringGrid1),
      realDialogs_(this, [this] { PaintLabelsNow(); }),
      dialogs_(&realDialogs_) {
    ui_->setupUi(this);
    quorvel::ui::ApplyDesignedLook(this);
    ui_->Label1->setFont(quorvel::ui::DesignedFont(21));
    ui_->Label11->setFont(quorvel::ui::DesignedFont(11));
    QPalette silver = ui_->Label11->palette();
    silver.setColor(QPalette::WindowText, QColor(192, 192, 192));
    ui_->Label11->setPalette(silver);
    // The edit boxes of the spinners keep their designed names.
    ui_->UpDown1->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit1"));
    ui_->UpDown2->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit2"));
    ui_->UpDown3->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit3"));

    QTableView* grid = ui_->StringGrid1;
    grid->setModel(&model_);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setDefaultSectionSize(80);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumWidth(64);
    grid->setWordWrap(false);

    MyStr1.Name = "MyStr1";
    quorvel::RegisterMyStr();
    ConnectWidgets();
    FormCreate();
    resize(870, 670);
    quorvel::ui::PlaceOnScreen(this, QPoint(234, 647));
}

TOpen::~TOpen() = default;

void TOpen::Attach(TVersion* version, THowTo* howTo, TOther* other) {
    version_ = version;
    howTo_ = howTo;
    other_ = other;
}

void TOpen::SetDialogs(quorvel::Dialogs* dialogs) { dialogs_ = dialogs ? dialogs : &realDialogs_; }

void TOpen::ConnectWidgets() {
    connect(ui_->Button2, &QPushButton::clicked, this, &TOpen::Button2Click);
    connect(ui_->Button5, &QPushButton::clicked, this, &TOpen::Button5Click);
    connect(ui_->Button1, &QPushButton::clicked, this, &TOpen::Button1Click);
    connect(ui_->O1, &QAction::triggered, this, &TOpen::O1Click);
    connect(ui_->S1, &QAction::triggered, this, &TOpen::S1Click);
    connect(ui_->Q1, &QAction::triggered, this, &TOpen::Q1Click);
    connect(ui_->N1, &QAction::triggered, this, &TOpen::N1Click);
    connect(ui_->V1, &QAction::triggered, this, &TOpen::V1Click);
    connect(ui_->BtnTXT, &QPushButton::clicked, this, &TOpen::BtnTXTClick);
    connect(ui_->BtnCSV, &QPushButton::clicked, this, &TOpen::BtnCSVClick);
    connect(ui_->BtnOTHER, &QPushButton::clicked, this, &TOpen::BtnOTHERClick);
    connect(ui_->TxtToCsv, &QPushButton::clicked, this, &TOpen::TxtToCsvClick);
    connect(ui_->CsvToCsv, &QPushButton::clicked, this, &TOpen::CsvToCsvClick);
    connect(ui_->Button3, &QPushButton::clicked, this, &TOpen::Button3Click);

    // A user's change goes into the state before any command runs.
    connect(ui_->UpDown1, &QSpinBox::valueChanged, this,
            [this](int v) { state_.UpDown1.SetPosition(v); });
    connect(ui_->UpDown2, &QSpinBox::valueChanged, this,
            [this](int v) { state_.UpDown2.SetPosition(v); });
    const std::pair<QRadioButton*, SourceKind> kinds[] = {
        {ui_->RadioGroup1Item0, SourceKind::Txt},
        {ui_->RadioGroup1Item1, SourceKind::Csv},
        {ui_->RadioGroup1Item2, SourceKind::Other},
    };
    for (const auto& [button, kind] : kinds) {
        connect(button, &QRadioButton::toggled, this, [this, kind = kind](bool on) {
            if (on) state_.RadioGroup1 = kind;
        });
    }
}

void TOpen::FormCreate() {
    model_.BeginChange();
    quorvel::FormCreate(state_);
    model_.EndChange();
    RefreshFromState();
}

namespace {
void SetSpinner(QSpinBox* box, const quorvel::Spinner& spinner) {
    QSignalBlocker block(box);
    box->setRange(spinner.Min(), std::max(spinner.Min(), spinner.Max()));
    box->setValue(spinner.Position());
}
}  // namespace

void TOpen::RefreshFromState() {
    ui_->Label3->setText(quorvel::ui::PathToQString(state_.Label3));
    ui_->Label4->setText(FromUtf8(state_.Label4));
    ui_->Label6->setText(FromUtf8(state_.Label6));
    ui_->Label8->setText(quorvel::ui::PathToQString(state_.Label8));
    ui_->Label12->setText(FromUtf8(state_.Label12));
    SetSpinner(ui_->UpDown1, state_.UpDown1);
    SetSpinner(ui_->UpDown2, state_.UpDown2);
    ui_->Button5->setEnabled(state_.Button5Enabled);
    model_.BeginChange();
    model_.EndChange();
    if (other_) other_->RefreshFromState();
}

void TOpen::PaintLabelsNow() {
    RefreshFromState();
    for (QLabel* label : {ui_->Label4, ui_->Label6, ui_->Label8, ui_->Label12}) label->repaint();
}

template <typename Handler>
void TOpen::Run(Handler handler) {
    handler(state_, *dialogs_);
    RefreshFromState();
}

void TOpen::Button2Click() { Run(quorvel::ReadSelected); }

void TOpen::Button5Click() {
    if (!state_.RadioGroup1) return;
    switch (*state_.RadioGroup1) {
        case SourceKind::Txt:
            TxtToCsvClick();
            break;
        case SourceKind::Csv:
            CsvToCsvClick();
            break;
        case SourceKind::Other:
            if (other_) quorvel::ui::ShowAndRaise(other_);
            break;
    }
}

void TOpen::N1Click() {
    if (howTo_) quorvel::ui::ShowAndRaise(howTo_);
}

void TOpen::V1Click() {
    if (version_) quorvel::ui::ShowAndRaise(version_);
}

void TOpen::BtnTXTClick() { Run(quorvel::BtnTXTClick); }
void TOpen::BtnCSVClick() { Run(quorvel::BtnCSVClick); }
void TOpen::BtnOTHERClick() { Run(quorvel::BtnOTHERClick); }
void TOpen::TxtToCsvClick() {
    Run([](auto& state, auto& dialogs) { quorvel::TxtToCsvClick(state, dialogs); });
}
void TOpen::CsvToCsvClick() {
    Run([](auto& state, auto& dialogs) { quorvel::CsvToCsvClick(state, dialogs); });
}
void TOpen::Button3Click() {
    Run([](auto& state, auto& dialogs) { quorvel::Button3Click(state, dialogs); });
}
