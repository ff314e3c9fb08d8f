// The usage and version windows, opened from the main window's menu and driven
// through their real widgets on the offscreen platform.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "app/Program.h"

using quorvel::testing::Find;
using quorvel::testing::Program;
using quorvel::testing::ReadFile;
using quorvel::testing::WriteFile;

namespace {

// The window that a menu entry shows, and the entry's name.
QWidget* WindowFor(Program& p, const QString& which) {
    return which == QLatin1String("usage") ? static_cast<QWidget*>(&p.howTo) : &p.version;
}
const char* EntryFor(const QString& which) { return which == QLatin1String("usage") ? "N1" : "V1"; }

QPlainTextEdit* Memo(THowTo& howTo) { return Find<QPlainTextEdit>(&howTo, "Memo1"); }

// The controls that Tab visits, in order.
QStringList TabOrder(QWidget* window) {
    QStringList names;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) names << w->objectName();
    }
    return names;
}

int CountTopLevel(const char* className) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += w->inherits(className) ? 1 : 0;
    return count;
}

// Width in full-width characters: an ASCII character takes half of one.
double Width(const QString& line) {
    double width = 0;
    for (QChar c : line) width += c.unicode() < 0x80 ? 0.5 : 1.0;
    return width;
}

const char kTxt[] = "head\r\nNo,Time,A,B\r\n,,V,mm\r\n1,t1,0.1,9\r\n2,t2,0.2,8\r\n";

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void windowsAreAsDesigned() {
        Program p;
        QCOMPARE(p.version.objectName(), QStringLiteral("Version"));
        QCOMPARE(p.version.windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(p.version.size(), QSize(369, 263));
        QCOMPARE(p.howTo.objectName(), QStringLiteral("HowTo"));
        QCOMPARE(p.howTo.windowTitle(), QStringLiteral("使い方"));
        QCOMPARE(p.howTo.size(), QSize(452, 454));

        struct Control {
            QWidget* window;
            const char* name;
            QPoint topLeft;
            QString text;
            int pixelSize;
        };
        const Control controls[] = {
            {&p.version, "Label1", {40, 16}, "実験計測データファイル変換", 21},
            {&p.version, "Label2", {83, 48}, "Quorvel Ver3.1", 19},
            {&p.version, "Label3", {132, 80}, "2009/11/27", 13},
            {&p.version, "Label4", {135, 120}, {}, 13},
            {&p.version, "Label5", {105, 152}, {}, 13},
            {&p.version, "Button1", {144, 192}, "閉じる", 13},
            {&p.howTo, "Label1", {48, 16}, "実験計測データファイル変換", 19},
            {&p.howTo, "Button1", {168, 392}, "閉じる", 13},
        };
        for (const Control& c : controls) {
            QWidget* widget = Find<QWidget>(c.window, c.name);
            const QString where = c.window->objectName() + "." + c.name;
            QVERIFY2(widget->pos() == c.topLeft, qPrintable(where));
            QVERIFY2(widget->font().bold(), qPrintable(where));
            QVERIFY2(widget->font().pixelSize() == c.pixelSize, qPrintable(where));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QVERIFY2(!label->text().trimmed().isEmpty(), qPrintable(where));
                if (!c.text.isEmpty()) QCOMPARE(label->text(), c.text);
                // The whole text shows, whatever face stands in for the designed one.
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(where));
            } else {
                QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), c.text);
                QCOMPARE(widget->size(), QSize(75, 25));
            }
        }

        QPlainTextEdit* memo = Memo(p.howTo);
        QCOMPARE(memo->geometry(), QRect(16, 48, 417, 337));
        QVERIFY(!memo->isReadOnly());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(TabOrder(&p.howTo), (QStringList{"Button1", "Memo1"}));
        QCOMPARE(TabOrder(&p.version), QStringList{"Button1"});
    }

    void usageTextIsLaidOutAsDesigned() {
        THowTo howTo;
        const QStringList lines = Memo(howTo)->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 66);
        QCOMPARE(Memo(howTo)->document()->blockCount(), 66);

        const std::pair<int, QString> exact[] = {
            {1, ""},
            {2, "　実験計測データファイル変換"},
            {5, " "},
            {6, "１.概要"},
            {22, "　   "},
            {23, "２．使い方"},
            {24, "２．１　オリジナルデータファイルの形式"},
            {32, ""},
            {33, "２．２　オりジナルデータファイル読み込み"},
            {39, ""},
            {40, "２．３　変換・保存"},
            {51, "２．４　その他のファイル形式の場合"},
            {63, QString(13, QLatin1Char(' '))},
            {64, "　お気づきの点は下記までお知らせください．"},
            {65, ""},
        };
        for (const auto& [number, text] : exact) {
            QVERIFY2(lines[number - 1] == text, qPrintable(QString("line %1").arg(number)));
        }
        const std::pair<int, QString> patterns[] = {
            {3, "^　Quorvel Ver3\\.1 {2,}\\S.*$"},
            {4, "^  2009/11/26 {2,}\\S.*$"},
            {34, "^　.*オりジナル.*$"},
            {66, "^ {10}[^ @]+@[^ @]+\\.[a-z]+$"},
        };
        for (const auto& [number, pattern] : patterns) {
            QVERIFY2(QRegularExpression(pattern).match(lines[number - 1]).hasMatch(),
                     qPrintable(QString("line %1: %2").arg(number).arg(lines[number - 1])));
        }

        // The prose between the headings: paragraphs open with one ideographic
        // space, steps with "　・", and a step goes on with two ideographic
        // spaces; every line is broken by hand to fit the box.
        const QString space = QStringLiteral("　");
        QString previous;
        int steps = 0;
        for (int number = 7; number <= 62; ++number) {
            const QString& line = lines[number - 1];
            const QString at = QString("line %1: %2").arg(number).arg(line);
            QVERIFY2(Width(line) <= 30, qPrintable(at));
            if (line.startsWith(space + space)) {
                QVERIFY2(previous.startsWith(space + "・") || previous.startsWith(space + space),
                         qPrintable(at));
            }
            if (line.startsWith(space + "・")) ++steps;
            if (!line.trimmed().isEmpty()) previous = line;
        }
        QCOMPARE(steps, 3 + 3 + 4);
    }

    void showingTwiceKeepsOneWindowBroughtToTheFront_data() {
        QTest::addColumn<QString>("which");
        QTest::newRow("使い方") << "usage";
        QTest::newRow("バージョン情報") << "version";
    }
    void showingTwiceKeepsOneWindowBroughtToTheFront() {
        QFETCH(QString, which);
        Program p;
        QWidget* window = WindowFor(p, which);
        QVERIFY(!window->isVisible());
        p.Menu(EntryFor(which));
        QVERIFY(window->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(window));

        p.open.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.open));
        p.Menu(EntryFor(which));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(CountTopLevel("THowTo"), 1);
        QCOMPARE(CountTopLevel("TVersion"), 1);
        QVERIFY(!window->isModal());
    }

    void typedTextAndScrollPositionLastUntilTheProgramEnds() {
        QString designed;
        {
            Program p;
            p.Menu("N1");
            QPlainTextEdit* memo = Memo(p.howTo);
            designed = memo->toPlainText();
            memo->moveCursor(QTextCursor::Start);
            QTest::keyClicks(memo, "my note ");
            memo->verticalScrollBar()->setValue(20);
            QCOMPARE(memo->verticalScrollBar()->value(), 20);

            QTest::mouseClick(Find<QPushButton>(&p.howTo, "Button1"), Qt::LeftButton);
            QVERIFY(!p.howTo.isVisible());
            p.Menu("N1");
            QVERIFY(p.howTo.isVisible());
            QCOMPARE(memo->toPlainText(), "my note " + designed);
            QCOMPARE(memo->verticalScrollBar()->value(), 20);
        }
        // The next run starts with the designed text again.
        Program next;
        QCOMPARE(Memo(next.howTo)->toPlainText(), designed);
    }

    void closeButtonAndTitleBarCloseDoTheSame_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("使い方, 閉じる") << "usage" << false;
        QTest::newRow("使い方, title bar") << "usage" << true;
        QTest::newRow("バージョン情報, 閉じる") << "version" << false;
        QTest::newRow("バージョン情報, title bar") << "version" << true;
    }
    void closeButtonAndTitleBarCloseDoTheSame() {
        QFETCH(QString, which);
        QFETCH(bool, titleBar);
        Program p;
        QWidget* window = WindowFor(p, which);
        QPointer<QWidget> alive(window);
        p.Menu(EntryFor(which));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (titleBar) {
            // What the window system sends when its close box is pressed.
            QVERIFY(window->windowHandle()->close());
        } else {
            QTest::mouseClick(Find<QPushButton>(window, "Button1"), Qt::LeftButton);
        }
        QVERIFY(alive);
        QVERIFY(!window->isVisible());
        QVERIFY(p.open.isVisible());
        p.Menu(EntryFor(which));
        QVERIFY(window->isVisible());
    }

    void mainWindowLoadsAndConvertsWhileBothAreOpen() {
        Program p;
        p.Menu("N1");
        p.Menu("V1");
        QVERIFY(p.howTo.isVisible() && p.version.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        WriteFile(p.dir.Path("run01.txt"), kTxt);
        p.dialogs.SetNextFileName(p.dir.Path("run01.txt"));
        QTest::mouseClick(Find<QPushButton>(&p.open, "Button2"), Qt::LeftButton);
        QCOMPARE(Find<QLabel>(&p.open, "Label4")->text(), QStringLiteral("5 行/ 4 列"));

        p.dialogs.SetNextSaveName(p.dir.Path("out.csv"));
        QTest::mouseClick(Find<QPushButton>(&p.open, "Button5"), Qt::LeftButton);
        QCOMPARE(ReadFile(p.dir.Path("out.csv")),
                 std::string("1CH,2CH\r\nA,B\r\n,\r\nV,mm\r\n0.1,9\r\n0.2,8\r\n"));
        QCOMPARE(Find<QLabel>(&p.open, "Label6")->text(), QStringLiteral("変換・保存しました"));
        QVERIFY(p.howTo.isVisible() && p.version.isVisible());
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
