#include "app/Uhowto.h"

THowTo::THowTo(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HowTo"));
    setAttribute(Qt::WA_QuitOnClose, false);
}
