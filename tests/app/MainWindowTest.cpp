// The main window and the settings window, driven through their real widgets
// on the offscreen platform, with scripted answers for the file dialogs.

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/Program.h"

using quorvel::SourceKind;
using quorvel::testing::Find;
using quorvel::testing::Program;
using quorvel::testing::ReadFile;

namespace {

const char kTxt[] =
    "head\r\nNo,Time,\x89\xB7\x93\x78,P2,P3\r\n,,\x81\x8E,,V\r\n1,t1,0.1,9,1.5\r\n2,t2,0.2,9,1."
    "6\r\n";

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startsAsDesigned() {
        Program p;
        QCOMPARE(p.open.windowTitle(),
                 QStringLiteral("実験計測データファイル変換　Quorvel Ver3.1"));
        QCOMPARE(p.Text("Label1"), QStringLiteral("実験計測データファイル変換　　Quorvel  Ver3.1"));
        QVERIFY(p.Main<QRadioButton>("RadioGroup1Item0")->isChecked());
        QCOMPARE(p.Main<QRadioButton>("RadioGroup1Item0")->text(),
                 QStringLiteral("東京測器　TXTファイル"));
        QCOMPARE(p.Main<QSpinBox>("UpDown1")->value(), 4);
        QCOMPARE(p.Main<QSpinBox>("UpDown2")->value(), 1);
        QCOMPARE(p.Main<QSpinBox>("UpDown1")->toolTip(), QStringLiteral("データ開始行"));
        QVERIFY(!p.Main<QPushButton>("Button5")->isEnabled());
        for (const char* hidden :
             {"BtnTXT", "BtnCSV", "BtnOTHER", "TxtToCsv", "CsvToCsv", "Button3"}) {
            QVERIFY2(!p.Main<QPushButton>(hidden)->isVisible(), hidden);
        }
        QCOMPARE(p.Main<QPushButton>("Button2")->geometry(), QRect(240, 56, 75, 25));
        QCOMPARE(p.Main<QTableView>("StringGrid1")->geometry(), QRect(16, 168, 830, 444));
        QAbstractItemModel* model = p.Model();
        QCOMPARE(model->columnCount(), 9);
        QCOMPARE(model->rowCount(), 199);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("     1"));
        QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QStringLiteral("     9"));
        QCOMPARE(model->headerData(19, Qt::Vertical).toString(), QStringLiteral("      20"));
        QCOMPARE(model->headerData(20, Qt::Vertical).toString(), QString());
        QCOMPARE(model->data(model->index(0, 0)).toString(), QString());
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(p.open.State().MaxRows, 50000);
        QVERIFY(!p.version.isVisible());
        QVERIFY(!p.howTo.isVisible());
        QVERIFY(!p.other.isVisible());
        // The designed place lies below the offscreen screen's edge: the window
        // is moved onto the screen instead.
        const QRect available = p.open.screen()->availableGeometry();
        QVERIFY(available.contains(p.open.frameGeometry().topLeft()));
    }

    void menuHasItsEntriesAndAccessLetters() {
        Program p;
        QStringList entries;
        for (QAction* menu : p.open.menuBar()->actions()) {
            entries << menu->text();
            for (QAction* entry : menu->menu()->actions()) entries << entry->text();
        }
        QCOMPARE(entries, (QStringList{"ファイル(&F)", "データファイルを開く(&O)",
                                       "変換データを保存する(&S)", "終了(&Q)", "ヘルプ(&H)",
                                       "使い方(&H)", "バージョン情報(&V)"}));
    }

    void loadsATxtFileThroughTheReadButton() {
        Program p;
        QAbstractItemModelTester tester(p.Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        p.Load("run01.txt", kTxt);
        QCOMPARE(p.dialogs.openedKinds, std::vector<SourceKind>{SourceKind::Txt});
        QCOMPARE(p.Text("Label4"), QStringLiteral("5 行/ 5 列"));
        QCOMPARE(p.Text("Label3"), QString::fromStdString(p.dir.Path("run01.txt")));
        QCOMPARE(p.Main<QSpinBox>("UpDown1")->value(), 4);
        QCOMPARE(p.Main<QSpinBox>("UpDown2")->value(), 5);
        QCOMPARE(p.Main<QSpinBox>("UpDown2")->maximum(), 5);
        QVERIFY(p.Main<QPushButton>("Button5")->isEnabled());
        QAbstractItemModel* model = p.Model();
        QCOMPARE(model->columnCount(), 5);
        QCOMPARE(model->rowCount(), 5);
        // Shift-JIS shows as Japanese; the stored bytes stay the file's.
        QCOMPARE(model->data(model->index(1, 2)).toString(), QStringLiteral("温度"));
        QCOMPARE(model->data(model->index(2, 2)).toString(), QStringLiteral("℃"));
        QCOMPARE(p.open.State().StringGrid1.Cell(3, 2), std::string_view("\x89\xB7\x93\x78"));
        QCOMPARE(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("       5"));
        QCOMPARE(p.dialogs.paintedLabel4.front(), std::string("データを読み込んでいます．．．"));
    }

    void readAndConvertGoByTheKindSelectedNow() {
        Program p;
        p.Load("run01.txt", kTxt);
        p.Select(1);
        p.dialogs.SetNextFileName(std::nullopt);
        p.Click("Button2");
        p.Select(2);
        p.dialogs.SetNextFileName(std::nullopt);
        p.Click("Button2");
        QCOMPARE(p.dialogs.openedKinds,
                 (std::vector<SourceKind>{SourceKind::Txt, SourceKind::Csv, SourceKind::Other}));

        // The TXT table converted as CSV: channels from column 2, names from row 1
        // (which holds only the heading), units kg, mm...
        p.Select(1);
        p.open.State().UpDown1.SetPosition(4);
        p.open.RefreshFromState();
        p.dialogs.SetNextSaveName(p.dir.Path("as_csv.csv"));
        p.Click("Button5");
        QCOMPARE(ReadFile(p.dir.Path("as_csv.csv")),
                 std::string("1CH,2CH,3CH,4CH\r\n,,,\r\n,,,\r\nkg,mm,mm,mm\r\n"
                             "t1,0.1,9,1.5\r\nt2,0.2,9,1.6\r\n"));
        QCOMPARE(p.Text("Label6"), QStringLiteral("変換・保存しました"));
        QCOMPARE(p.Text("Label12"), QStringLiteral("6 行/ 4列"));
        QCOMPARE(p.Text("Label8"), QString::fromStdString(p.dir.Path("as_csv.csv")));
        QCOMPARE(p.dialogs.proposedNames, std::vector<std::string>{"run01Basic.csv"});
    }

    void rangeTypedByTheUserIsWhatIsConverted() {
        Program p;
        p.Load("run01.txt", kTxt);
        p.Main<QSpinBox>("UpDown1")->setValue(5);
        p.dialogs.SetNextSaveName(p.dir.Path("out.csv"));
        p.open.S1Click();
        QCOMPARE(
            ReadFile(p.dir.Path("out.csv")),
            std::string(
                "1CH,2CH,3CH\r\n\x89\xB7\x93\x78,P2,P3\r\n,,\r\n\x81\x8E,NON,V\r\n0.2,0,1.6\r\n"));
    }

    void settingsWindowStartsAsDesigned() {
        Program p;
        QCOMPARE(p.other.windowTitle(), QStringLiteral("その他のファイル　データ形式設定"));
        QList<int> minimums, values;
        for (int n = 1; n <= 7; ++n) {
            auto* box = Find<QSpinBox>(&p.other, ("UpDown" + std::to_string(n)).c_str());
            minimums << box->minimum();
            values << box->value();
        }
        QCOMPARE(minimums, (QList<int>{1, 0, 0, 1, 0, 1, 1}));
        QCOMPARE(values, (QList<int>{1, 0, 1, 1, 0, 1, 1}));
        QCOMPARE(Find<QLabel>(&p.other, "Label5")->text(), QStringLiteral("なし　0行指定"));
        QCOMPARE(Find<QPushButton>(&p.other, "Button1")->geometry(), QRect(80, 240, 75, 25));
        // Nothing loaded: the conversion says so and asks for no file name.
        p.Select(2);
        p.open.S1Click();
        QVERIFY(p.other.isVisible());
        p.other.Button1Click();
        QCOMPARE(p.dialogs.warnings.size(), size_t(1));
        QVERIFY(p.dialogs.proposedNames.empty());
    }

    void otherKindOpensTheSettingsWindowWhichConvertsAndStaysOpen() {
        Program p;
        p.Select(2);
        p.Load("three.dat", "a,b\n1,2,3,4,5\nx,y,z\n");
        QVERIFY(!p.other.isVisible());
        p.Click("Button5");
        QVERIFY(p.other.isVisible());
        QVERIFY(!p.other.isModal());
        QCOMPARE(Find<QSpinBox>(&p.other, "UpDown1")->value(), 2);
        QCOMPARE(Find<QSpinBox>(&p.other, "UpDown5")->value(), 3);
        QCOMPARE(Find<QSpinBox>(&p.other, "UpDown7")->value(), 5);
        QCOMPARE(Find<QSpinBox>(&p.other, "UpDown7")->maximum(), 5);
        QCOMPARE(p.Text("Label6"), QString());
        QCOMPARE(p.Text("Label12"), QString());

        p.dialogs.SetNextSaveName(p.dir.Path("other.csv"));
        QTest::mouseClick(Find<QPushButton>(&p.other, "Button1"), Qt::LeftButton);
        QCOMPARE(ReadFile(p.dir.Path("other.csv")),
                 std::string("1CH,2CH,3CH,4CH,5CH\r\n1,2,3,4,5\r\n,,,,\r\nmm,mm,mm,mm,mm\r\n"
                             "a,b,,,\r\n1,2,3,4,5\r\nx,y,z,,\r\n"));
        QCOMPARE(p.Text("Label12"), QStringLiteral("7 行/ 5列"));
        QVERIFY(p.other.isVisible());

        // Settings typed by the user are used, and kept when the window is hidden.
        Find<QSpinBox>(&p.other, "UpDown6")->setValue(2);
        Find<QSpinBox>(&p.other, "UpDown7")->setValue(3);
        QTest::mouseClick(Find<QPushButton>(&p.other, "Button2"), Qt::LeftButton);
        QVERIFY(!p.other.isVisible());
        p.open.S1Click();
        QVERIFY(p.other.isVisible());
        QCOMPARE(Find<QSpinBox>(&p.other, "UpDown6")->value(), 2);
        p.dialogs.SetNextSaveName(p.dir.Path("narrow.csv"));
        p.other.Button1Click();
        QCOMPARE(ReadFile(p.dir.Path("narrow.csv")).substr(0, 9), std::string("1CH,2CH\r\n"));

        // A cancelled load keeps the settings.
        p.dialogs.SetNextFileName(std::nullopt);
        p.Click("Button2");
        QCOMPARE(Find<QSpinBox>(&p.other, "UpDown6")->value(), 2);
    }

    void closingTheMainWindowEndsTheProgramWithTheOthersOpen() {
        Program p;
        p.open.N1Click();
        p.open.V1Click();
        p.Select(2);
        p.open.Button5Click();
        // The event loop ends when the main window closes, the others still shown.
        QTimer::singleShot(0, &p.open, [&p] { p.open.Q1Click(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
