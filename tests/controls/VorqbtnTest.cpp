// The picture button, rendered to images on the offscreen platform and driven
// with real mouse events.

#include <QFontMetrics>
#include <QIcon>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <functional>

#include "controls/Vorqbtn.h"
#include "text/Palette.h"

using Cut = TVorqBtn::BevelCut;
using Align = TVorqBtn::CaptionAlignment;

namespace {

const QRgb kLight = qRgb(250, 240, 10);
const QRgb kDark = qRgb(20, 20, 140);
const QRgb kFace = qRgb(190, 190, 190);
const QRgb kTopLeft = qRgb(230, 0, 0);
const QRgb kTopRight = qRgb(0, 230, 0);
const QRgb kBottomLeft = qRgb(0, 0, 230);
const QRgb kBottomRight = qRgb(230, 0, 230);

// Colours that no style decides: highlight, shadow, face and black text.
void UseKnownColours(QWidget* button) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Light, kLight);
    palette.setColor(QPalette::Dark, kDark);
    palette.setColor(QPalette::Button, kFace);
    palette.setColor(QPalette::WindowText, Qt::black);
    button->setPalette(palette);
    QFont font = button->font();
    font.setPixelSize(13);
    button->setFont(font);
}

// A 2 × 2 picture, one colour to a quarter.
QPixmap Quarters() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, kTopLeft);
    image.setPixel(1, 0, kTopRight);
    image.setPixel(0, 1, kBottomLeft);
    image.setPixel(1, 1, kBottomRight);
    return QPixmap::fromImage(image);
}

QImage Render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A panel of one-pixel frame, drawn by hand: top and left in the first colour
// except the top-right and bottom-left corners, which belong to the bottom and
// right edges in the second.
QImage PanelImage(QSize size, QRgb topLeft, QRgb bottomRight, QRgb face) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            QRgb colour = face;
            if (x == size.width() - 1 || y == size.height() - 1) {
                colour = bottomRight;
            } else if (x == 0 || y == 0) {
                colour = topLeft;
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

// The first pixel where two images differ, for failure messages.
QByteArray FirstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) return "sizes differ";
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                return QString("pixel %1,%2 is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16)
                    .toLatin1();
            }
        }
    }
    return "same";
}

#define COMPARE_IMAGES(actual, expected) \
    QVERIFY2((actual) == (expected), FirstDifference((actual), (expected)).constData())

// Counts the paint events that reach a widget.
struct PaintCounter : QObject {
    int count = 0;
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// A button shown in a window, so that presses and releases go through the
// window system's path, grab included.
struct Shown {
    QWidget window;
    TVorqBtn* button = new TVorqBtn(&window);
    Shown() {
        window.resize(200, 100);
        button->move(10, 10);
        UseKnownColours(button);
        window.show();
    }
};

}  // namespace

class VorqbtnTest : public QObject {
    Q_OBJECT
  private slots:
    void newButtonIsAPlainRaisedPanel() {
        TVorqBtn button;
        UseKnownColours(&button);
        QCOMPARE(button.size(), QSize(75, 25));
        QVERIFY(button.PictureImg().isNull());
        QCOMPARE(button.Alignment(), Align::Center);
        QCOMPARE(button.BevelOuter(), Cut::Raised);
        QCOMPARE(button.BevelInner(), Cut::None);
        QCOMPARE(button.BevelWidth(), 1);
        QCOMPARE(button.BorderWidth(), 0);
        QCOMPARE(button.Color(), QColor(kFace));
        COMPARE_IMAGES(Render(button), PanelImage({75, 25}, kLight, kDark, kFace));
    }

    void pictureFillsTheFaceUnderTheBevel_data() {
        QTest::addColumn<bool>("asIcon");
        QTest::addColumn<Cut>("outer");
        QTest::newRow("bitmap, raised bevel") << false << Cut::Raised;
        QTest::newRow("icon, raised bevel") << true << Cut::Raised;
        QTest::newRow("bitmap, no bevel") << false << Cut::None;
    }
    void pictureFillsTheFaceUnderTheBevel() {
        QFETCH(bool, asIcon);
        QFETCH(Cut, outer);
        TVorqBtn button;
        UseKnownColours(&button);
        button.SetBevelOuter(outer);
        if (asIcon) {
            button.Set_Picture(QIcon(Quarters()));
        } else {
            button.Set_Picture(Quarters());
        }
        const QImage image = Render(button);
        const int frame = outer == Cut::None ? 0 : 1;
        // Stretched in both directions, so each quarter of the face shows one
        // colour of the picture, out to the edges (apart from the seams).
        for (int y = frame; y < 25 - frame; ++y) {
            for (int x = frame; x < 75 - frame; ++x) {
                if ((x >= 36 && x <= 38) || (y >= 11 && y <= 13)) continue;
                const QRgb expected = y < 12 ? (x < 37 ? kTopLeft : kTopRight)
                                             : (x < 37 ? kBottomLeft : kBottomRight);
                QVERIFY2(image.pixel(x, y) == expected, qPrintable(QString("%1,%2").arg(x).arg(y)));
            }
        }
        if (frame) {
            // The bevel lies over the picture's outermost pixels.
            const QImage bevel = PanelImage({75, 25}, kLight, kDark, 0);
            for (int y = 0; y < 25; ++y) {
                for (int x : {0, 74}) QCOMPARE(image.pixel(x, y), bevel.pixel(x, y));
            }
            for (int x = 0; x < 75; ++x) {
                for (int y : {0, 24}) QCOMPARE(image.pixel(x, y), bevel.pixel(x, y));
            }
        }
    }

    void leftPressLowersTheOuterBevelUntilRelease() {
        Shown shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        TVorqBtn* button = shown.button;
        QSignalSpy pressed(button, &TVorqBtn::pressed);
        QSignalSpy released(button, &TVorqBtn::released);
        QSignalSpy clicked(button, &TVorqBtn::clicked);
        const QImage raised = PanelImage({75, 25}, kLight, kDark, kFace);
        const QImage lowered = PanelImage({75, 25}, kDark, kLight, kFace);

        // Through the window, as the window system delivers them: the press
        // grabs the mouse for the button.
        QWindow* window = shown.window.windowHandle();
        const QPoint inside = button->geometry().topLeft() + QPoint(30, 12);
        const QPoint outside(150, 80);
        QTest::mousePress(window, Qt::LeftButton, {}, inside);
        COMPARE_IMAGES(Render(*button), lowered);
        QCOMPARE(button->BevelOuter(), Cut::Lowered);
        QCOMPARE(pressed.count(), 1);

        // The pointer leaves the button with the button still held...
        QTest::mouseMove(window, outside);
        COMPARE_IMAGES(Render(*button), lowered);
        // ...and the release outside still reaches it, but is no click.
        QTest::mouseRelease(window, Qt::LeftButton, {}, outside);
        COMPARE_IMAGES(Render(*button), raised);
        QCOMPARE(released.count(), 1);
        QCOMPARE(clicked.count(), 0);

        QTest::mouseClick(window, Qt::LeftButton, {}, inside);
        COMPARE_IMAGES(Render(*button), raised);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(released.count(), 2);
        QCOMPARE(clicked.count(), 1);
    }

    void leftClickLeavesTheOuterBevelRaised_data() {
        QTest::addColumn<Cut>("before");
        QTest::newRow("none") << Cut::None;
        QTest::newRow("lowered") << Cut::Lowered;
        QTest::newRow("raised") << Cut::Raised;
        QTest::newRow("space") << Cut::Space;
    }
    void leftClickLeavesTheOuterBevelRaised() {
        QFETCH(Cut, before);
        Shown shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        shown.button->SetBevelOuter(before);
        QTest::mouseClick(shown.button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(shown.button->BevelOuter(), Cut::Raised);
        COMPARE_IMAGES(Render(*shown.button), PanelImage({75, 25}, kLight, kDark, kFace));
    }

    void otherButtonsChangeNothing_data() {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<Cut>("outer");
        QTest::newRow("right on a raised bevel") << Qt::RightButton << Cut::Raised;
        QTest::newRow("middle on a raised bevel") << Qt::MiddleButton << Cut::Raised;
        QTest::newRow("right on no bevel") << Qt::RightButton << Cut::None;
    }
    void otherButtonsChangeNothing() {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(Cut, outer);
        Shown shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        TVorqBtn* button = shown.button;
        button->SetBevelOuter(outer);
        QSignalSpy pressed(button, &TVorqBtn::pressed);
        QSignalSpy clicked(button, &TVorqBtn::clicked);
        const QImage before = Render(*button);

        QTest::mousePress(button, mouseButton, {}, QPoint(30, 12));
        QCOMPARE(button->BevelOuter(), outer);
        COMPARE_IMAGES(Render(*button), before);
        QTest::mouseRelease(button, mouseButton, {}, QPoint(30, 12));
        QCOMPARE(button->BevelOuter(), outer);
        COMPARE_IMAGES(Render(*button), before);
        QCOMPARE(pressed.count(), 0);
        QCOMPARE(clicked.count(), 0);
    }

    void shownButtonRepaintsWhenItsLookChanges() {
        Shown shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        TVorqBtn* button = shown.button;
        PaintCounter paints(button);
        QWindow* window = shown.window.windowHandle();
        const QPoint inside = button->geometry().topLeft() + QPoint(30, 12);
        const std::pair<const char*, std::function<void()>> changes[] = {
            {"picture set", [&] { button->Set_Picture(Quarters()); }},
            {"left press", [&] { QTest::mousePress(window, Qt::LeftButton, {}, inside); }},
            {"left release", [&] { QTest::mouseRelease(window, Qt::LeftButton, {}, inside); }},
            {"picture emptied", [&] { button->Set_Picture(QPixmap()); }},
        };
        for (const auto& [what, change] : changes) {
            QCoreApplication::processEvents();
            paints.count = 0;
            change();
            QTRY_VERIFY2(paints.count > 0, what);
        }
    }

    void captionSitsInTheBandInsideTheFrames_data() {
        QTest::addColumn<Align>("alignment");
        QTest::addColumn<int>("bevelWidth");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<Cut>("inner");
        QTest::newRow("left") << Align::LeftJustify << 1 << 0 << Cut::None;
        QTest::newRow("right") << Align::RightJustify << 1 << 0 << Cut::None;
        QTest::newRow("centre") << Align::Center << 1 << 0 << Cut::None;
        QTest::newRow("left, wide frames") << Align::LeftJustify << 2 << 3 << Cut::Lowered;
        QTest::newRow("right, wide frames") << Align::RightJustify << 2 << 3 << Cut::Lowered;
    }
    void captionSitsInTheBandInsideTheFrames() {
        QFETCH(Align, alignment);
        QFETCH(int, bevelWidth);
        QFETCH(int, borderWidth);
        QFETCH(Cut, inner);
        TVorqBtn button;
        UseKnownColours(&button);
        button.resize(90, 40);
        // A green picture under black text: every pixel of the face is green,
        // black or a blend of the two, so a background behind the caption shows.
        QPixmap green(4, 4);
        green.fill(QColor(0, 200, 0));
        button.Set_Picture(green);
        button.SetAlignment(alignment);
        button.SetBevelWidth(bevelWidth);
        button.SetBorderWidth(borderWidth);
        button.SetBevelInner(inner);
        button.SetCaption(QStringLiteral("WW"));
        const QImage image = Render(button);

        const int frames = bevelWidth + borderWidth + (inner == Cut::None ? 0 : bevelWidth);
        const QRect inside(frames, frames, 90 - 2 * frames, 40 - 2 * frames);
        const int h = QFontMetrics(button.font()).height();
        const int bandTop = (inside.top() + inside.bottom() + 1 - h) / 2;
        QRect ink;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                QVERIFY2(qRed(p) == 0 && qBlue(p) == 0, qPrintable(QString("%1,%2").arg(x).arg(y)));
                if (qGreen(p) < 150) ink |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.top() >= bandTop && ink.bottom() < bandTop + h,
                 qPrintable(QString("ink rows %1-%2, band %3+%4")
                                .arg(ink.top())
                                .arg(ink.bottom())
                                .arg(bandTop)
                                .arg(h)));
        switch (alignment) {
            case Align::LeftJustify:
                QVERIFY(ink.left() - inside.left() <= 2);
                break;
            case Align::RightJustify:
                QVERIFY(inside.right() - ink.right() <= 2);
                break;
            case Align::Center:
                QVERIFY(qAbs((ink.left() + ink.right()) - (inside.left() + inside.right())) <= 3);
                break;
        }
    }

    void emptyPictureBringsBackThePlainLook_data() {
        QTest::addColumn<bool>("throughProperty");
        QTest::newRow("Set_Picture") << false;
        QTest::newRow("PictureImg property") << true;
    }
    void emptyPictureBringsBackThePlainLook() {
        QFETCH(bool, throughProperty);
        TVorqBtn plain;
        UseKnownColours(&plain);
        plain.SetCaption(QStringLiteral("OK"));
        const QImage plainLook = Render(plain);

        TVorqBtn button;
        UseKnownColours(&button);
        button.SetCaption(QStringLiteral("OK"));
        button.Set_Picture(Quarters());
        QVERIFY(Render(button) != plainLook);
        if (throughProperty) {
            QVERIFY(button.setProperty("PictureImg", QPixmap()));
        } else {
            button.Set_Picture(QPixmap());
        }
        QVERIFY(button.PictureImg().isNull());
        COMPARE_IMAGES(Render(button), plainLook);
    }

    void callersPictureStaysTheCallers() {
        QPixmap mine = Quarters();
        const QImage original = mine.toImage();
        auto* button = new TVorqBtn;
        button->Set_Picture(mine);
        // The button holds a copy: what the caller does to its own is not shown.
        mine.fill(Qt::black);
        QCOMPARE(button->PictureImg().toImage(), original);
        delete button;
        QCOMPARE(mine.size(), QSize(2, 2));
        QCOMPARE(mine.toImage().pixel(1, 1), qRgb(0, 0, 0));
    }

    void registerOffersTheButtonOnSamples() {
        Vorqbtn::Register();
        const auto& entries = quorvel::RegisteredComponents();
        QVERIFY(std::any_of(entries.begin(), entries.end(), [](const quorvel::PaletteEntry& e) {
            return e.page == "Samples" && e.className == "TVorqBtn";
        }));
    }
};

QTEST_MAIN(VorqbtnTest)
#include "VorqbtnTest.moc"
