// Kelvo: a desktop business calculator.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "instance_channel.h"
#include "main_window.h"
#include "quit_signals.h"
#include "shell_paths.h"

#if defined(__SANITIZE_ADDRESS__)
// In the sanitizer build: what system libraries keep until the end is theirs, not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\nleak:libfontconfig.so\n"; }
#endif

int main(int argc, char** argv) {
  // The face is drawn pixel for pixel from its skin: it is never scaled with the screen.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Kelvo"));
  app.setQuitOnLastWindowClosed(false);  // hidden in the tray is not closed
  QuitSignals quitSignals;  // from the start: a signal waits for the event loop, never kills
  kelvo::SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());

  try {
    // The first start holds the primary name; a later one runs as a child and brings a primary
    // that hides in the tray back into view.
    InstanceChannel channel;
    const bool primary = channel.ClaimPrimary();
    if (!primary) InstanceChannel::SendToPrimary(InstanceChannel::kShowMessage);

    TfrmMain window(primary, &channel);
    // Side windows and message boxes speak the main window's Japanese Gothic too.
    QApplication::setFont(window.font());
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &window, &TfrmMain::QuitRequested);
    QObject::connect(&channel, &InstanceChannel::showRequested, &window, &TfrmMain::ShowRequested);
    QObject::connect(&channel, &InstanceChannel::closeRequested, &window, &QWidget::close);
    window.show();

    const int result = app.exec();
    // From here on a new start becomes the primary instance, while this one cleans up.
    if (primary) channel.ReleasePrimary();
    window.Shutdown();
    return result;
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Kelvo"), QString::fromLocal8Bit(error.what()));
    return 1;
  }
}
