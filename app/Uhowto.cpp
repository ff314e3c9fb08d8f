#include "app/Uhowto.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Look.h"
#include "ui_Uhowto.h"

// The window lives in a static library: its resource is linked in only when
// something refers to it, and registering it once is enough.
static void InitUsageResource() { Q_INIT_RESOURCE(Uhowto); }

namespace {

// The usage text, one line of the resource per line of the box. The file's
// closing line feed ends its last line and is no empty line of its own.
QString UsageText() {
    static const bool registered = (InitUsageResource(), true);
    (void)registered;
    QFile file(QStringLiteral(":/howto/Uhowto.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

}  // namespace

THowTo::THowTo(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::THowTo>()) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("HowTo"));
    setAttribute(Qt::WA_QuitOnClose, false);
    quorvel::ui::ApplyDesignedLook(this);
    ui_->Label1->setFont(quorvel::ui::DesignedFont(19));
    ui_->Label1->adjustSize();
    ui_->Memo1->setPlainText(UsageText());
    connect(ui_->Button1, &QPushButton::clicked, this, &THowTo::Button1Click);
    resize(452, 454);
    quorvel::ui::PlaceOnScreen(this, QPoint(553, 274));
}

THowTo::~THowTo() = default;
