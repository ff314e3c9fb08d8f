#pragma once
// TVorqBtn: a panel that shows a picture stretched over its whole face, draws
// its bevels over the picture and its caption on top without a background, and
// sinks its outer bevel while the left mouse button is held on it. Without a
// picture it looks and behaves like a plain panel. No window of the program
// places one; it is a component offered to them.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QIcon;
class QPainter;

class TVorqBtn : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap PictureImg READ PictureImg WRITE Set_Picture)
    Q_PROPERTY(CaptionAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(BevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(BevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  public:
    enum class CaptionAlignment { LeftJustify, RightJustify, Center };
    Q_ENUM(CaptionAlignment)
    enum class BevelCut { None, Lowered, Raised, Space };
    Q_ENUM(BevelCut)

    explicit TVorqBtn(QWidget* parent = nullptr);
    ~TVorqBtn() override;

    // The button's own picture; empty until one is set.
    const QPixmap& PictureImg() const { return picture_; }
    // Copies the caller's picture (the caller keeps its own) and repaints. An
    // empty picture brings back the plain panel look.
    void Set_Picture(const QPixmap& picture);
    // An icon, or any picture that is not a bitmap, is shown through its pixmap
    // form: the largest size the icon offers, or the button's size for one
    // that scales freely.
    void Set_Picture(const QIcon& icon);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    CaptionAlignment Alignment() const { return alignment_; }
    void SetAlignment(CaptionAlignment alignment);
    BevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(BevelCut bevel);
    BevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(BevelCut bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // The face colour: the palette's button colour until one is set.
    QColor Color() const;
    void SetColor(const QColor& color);

    QSize sizeHint() const override { return {75, 25}; }

  signals:
    // A left press and release inside the button.
    void clicked();
    void pressed();
    void released();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    void Paint(QPainter& canvas);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

  private:
    QPixmap picture_;
    QString caption_;
    CaptionAlignment alignment_ = CaptionAlignment::Center;
    BevelCut bevelOuter_ = BevelCut::Raised;
    BevelCut bevelInner_ = BevelCut::None;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    QColor color_;  // invalid: follow the palette
    bool leftHeld_ = false;
};

namespace Vorqbtn {
// Offers TVorqBtn on the palette page "Samples". Meant for a designer-like
// tool; the program itself never calls it.
void Register();
}  // namespace Vorqbtn
