#include "controls/Vorqbtn.h"

#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "text/Palette.h"

namespace {

// Edges of a rectangle whose right and bottom lie just outside it.
struct Edges {
    int left, top, right, bottom;
};

// A three-dimensional frame `width` pixels wide just inside `r`, one outline per
// pixel, each inside the last; `r` shrinks by the width on every side. Top and
// left are drawn first, so the top-right and bottom-left corners take the
// second colour, as a raised panel's edges always have.
void Frame3D(QPainter& canvas, Edges& r, const QColor& topLeft, const QColor& bottomRight,
             int width) {
    for (int i = 0; i < width; ++i) {
        const int right = r.right - 1;
        const int bottom = r.bottom - 1;
        if (right >= r.left && bottom >= r.top) {
            canvas.fillRect(r.left, r.top, right - r.left, 1, topLeft);
            canvas.fillRect(r.left, r.top, 1, bottom - r.top, topLeft);
            canvas.fillRect(right, r.top, 1, bottom - r.top + 1, bottomRight);
            canvas.fillRect(r.left, bottom, right - r.left + 1, 1, bottomRight);
        }
        ++r.left;
        ++r.top;
        --r.right;
        --r.bottom;
    }
}

}  // namespace

TVorqBtn::TVorqBtn(QWidget* parent) : QWidget(parent) { resize(75, 25); }

TVorqBtn::~TVorqBtn() = default;

void TVorqBtn::Set_Picture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TVorqBtn::Set_Picture(const QIcon& icon) {
    const QList<QSize> sizes = icon.availableSizes();
    const QSize size =
        sizes.isEmpty()
            ? this->size()
            : *std::max_element(sizes.begin(), sizes.end(), [](const QSize& a, const QSize& b) {
                  return a.width() * a.height() < b.width() * b.height();
              });
    Set_Picture(icon.pixmap(size));
}

void TVorqBtn::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TVorqBtn::SetAlignment(CaptionAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TVorqBtn::SetBevelOuter(BevelCut bevel) {
    bevelOuter_ = bevel;
    update();
}

void TVorqBtn::SetBevelInner(BevelCut bevel) {
    bevelInner_ = bevel;
    update();
}

void TVorqBtn::SetBevelWidth(int width) {
    bevelWidth_ = width;
    update();
}

void TVorqBtn::SetBorderWidth(int width) {
    borderWidth_ = width;
    update();
}

QColor TVorqBtn::Color() const {
    return color_.isValid() ? color_ : palette().color(QPalette::Button);
}

void TVorqBtn::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TVorqBtn::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    Paint(canvas);
}

void TVorqBtn::Paint(QPainter& canvas) {
    Edges r{0, 0, width(), height()};
    const bool plain = picture_.isNull();
    // Stretched to the whole face, aspect ratio not kept; the frames lie over
    // its outermost pixels.
    if (!plain) canvas.drawPixmap(QRect(0, 0, width(), height()), picture_);

    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    auto bevel = [&](BevelCut cut) {
        if (cut == BevelCut::None) return;
        if (cut == BevelCut::Lowered) {
            Frame3D(canvas, r, dark, light, bevelWidth_);
        } else {
            Frame3D(canvas, r, light, dark, bevelWidth_);
        }
    };
    bevel(bevelOuter_);
    Frame3D(canvas, r, Color(), Color(), borderWidth_);
    bevel(bevelInner_);
    if (plain && r.right > r.left && r.bottom > r.top) {
        canvas.fillRect(r.left, r.top, r.right - r.left, r.bottom - r.top, Color());
    }

    // The caption goes in a band one line high, centred on the height of "W"
    // in what the frames left, with no background of its own. The band holds
    // one line, so a caption of several shows its first.
    canvas.setFont(font());
    canvas.setPen(palette().color(foregroundRole()));
    const int h = QFontMetrics(font()).height();
    const int top = (r.top + r.bottom - h) / 2;
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    switch (alignment_) {
        case CaptionAlignment::LeftJustify:
            flags |= Qt::AlignLeft;
            break;
        case CaptionAlignment::RightJustify:
            flags |= Qt::AlignRight;
            break;
        case CaptionAlignment::Center:
            flags |= Qt::AlignHCenter;
            break;
    }
    canvas.drawText(QRect(r.left, top, r.right - r.left, h), flags, caption_);
}

void TVorqBtn::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::LeftButton) SetBevelOuter(BevelCut::Lowered);
}

void TVorqBtn::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    if (button == Qt::LeftButton) SetBevelOuter(BevelCut::Raised);
}

void TVorqBtn::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), at.x(), at.y());
    if (event->button() == Qt::LeftButton) {
        leftHeld_ = true;
        emit pressed();
    }
    event->accept();
}

void TVorqBtn::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    MouseUp(event->button(), event->modifiers(), at.x(), at.y());
    if (event->button() == Qt::LeftButton && leftHeld_) {
        leftHeld_ = false;
        emit released();
        // The press grabbed the mouse, so the release arrives here wherever
        // the pointer went; only a release over the button is a click.
        if (rect().contains(at)) emit clicked();
    }
    event->accept();
}

namespace Vorqbtn {

void Register() { quorvel::RegisterComponents("Samples", {"TVorqBtn"}); }

}  // namespace Vorqbtn
