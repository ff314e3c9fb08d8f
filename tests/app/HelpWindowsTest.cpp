#include <QTest>

class HelpWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
