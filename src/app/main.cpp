// Program start: the application object, the one main window, the message loop.
#include <QApplication>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/version_info.h"

namespace {

// Any error that escapes an event handler reaches the error box; the program goes on.
class Application : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    bool result = false;
    skorlin::app::RunHandler([&] { result = QApplication::notify(receiver, event); });
    return result;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  Application app(argc, argv);
  skorlin::app::SetAppVersionInfo(skorlin::app::ReadFileVersionInfo(QCoreApplication::applicationFilePath()));
  QApplication::setApplicationName(QStringLiteral("Skorlin"));
  skorlin::app::TfmMain fmMain(skorlin::app::WindowEnvironment::FromProcess());
  fmMain.show();
  return QApplication::exec();
}
