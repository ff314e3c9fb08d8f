// Start-up: the four windows in their order, the main window shown, and the
// event loop until it closes.

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/Uhowto.h"
#include "app/Uopen.h"
#include "app/Uversion.h"
#include "convert/Uother.h"

namespace {

// An error that escapes a handler is shown, and the program ends.
class Application : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            ShowAndQuit(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            ShowAndQuit(QString());
        }
        return false;
    }

  private:
    static void ShowAndQuit(const QString& message) {
        QMessageBox::critical(nullptr, applicationName(), message);
        exit(0);
    }
};

}  // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel V3.0"));

    TOpen Open;
    TVersion Version;
    THowTo HowTo;
    TOther Other(&Open);
    Open.Attach(&Version, &HowTo, &Other);
    Open.show();
    app.exec();
    return 0;
}
