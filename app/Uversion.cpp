#include "app/Uversion.h"

TVersion::TVersion(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Version"));
    setAttribute(Qt::WA_QuitOnClose, false);
}
