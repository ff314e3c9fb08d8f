#include "app/Look.h"

#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStringDecoder>
#include <QWidget>

namespace quorvel::ui {

QFont DesignedFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void ApplyDesignedLook(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(187, 234, 249));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    palette.setColor(QPalette::Text, QColor(0, 0, 128));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(DesignedFont());
}

void PlaceOnScreen(QWidget* window, QPoint designedTopLeft) {
    QScreen* screen = QGuiApplication::screenAt(designedTopLeft);
    if (!screen) screen = QGuiApplication::primaryScreen();
    QPoint place = designedTopLeft;
    if (screen) {
        const QRect available = screen->availableGeometry();
        const QSize size = window->frameGeometry().size().expandedTo(window->size());
        place.setX(
            std::max(available.left(), std::min(place.x(), available.right() + 1 - size.width())));
        place.setY(
            std::max(available.top(), std::min(place.y(), available.bottom() + 1 - size.height())));
    }
    window->move(place);
}

void ShowAndRaise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

QString DecodeSjis(std::string_view bytes) {
    QStringDecoder decoder("Windows-31J");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathFromQString(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace quorvel::ui
