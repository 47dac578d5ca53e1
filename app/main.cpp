// Kelvo: a desktop business calculator.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "after_first_paint.h"
#include "command_line.h"
#include "data_folder.h"
#include "desktop_look.h"
#include "instance_channel.h"
#include "main_window.h"
#include "quit_signals.h"
#include "screen_scaling.h"
#include "shell_paths.h"
#include "version.h"

#if defined(__SANITIZE_ADDRESS__)
// In the sanitizer build: what system libraries keep until the end is theirs, not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\nleak:libfontconfig.so\n"; }
#endif

int main(int argc, char** argv) {
  // --help and --version answer before anything needs a display.
  const command_line::Outcome options = command_line::Read({argv + 1, argv + argc}, kVersionText);
  if (!options.run) {
    std::fputs(options.out.c_str(), stdout);
    std::fputs(options.err.c_str(), stderr);
    return options.exitCode;
  }
  UseWholeNumberScaling();
  QApplication app(argc, argv);
  UseDesktopFontSize();  // the desktop's font size, in the program's Japanese font
  QCoreApplication::setApplicationName(QStringLiteral("Kelvo"));
  // Desktops that match windows to their menu entry by it (Wayland) find icon and name.
  QGuiApplication::setDesktopFileName(QStringLiteral(KELVO_APP_ID));
  app.setQuitOnLastWindowClosed(false);  // hidden in the tray is not closed
  QuitSignals quitSignals;  // from the start: a signal waits for the event loop, never kills

  // Before anything reads a path: beside the executable, or the user's own copy of an installed
  // template when the program lies where it may not write.
  const kelvo::DataFolderChoice data = kelvo::ChooseDataFolder(
      QCoreApplication::applicationDirPath().toStdString(),
      kelvo::UserDataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
  if (data.folder.empty()) {
    QMessageBox::critical(nullptr, QStringLiteral("Kelvo"), QString::fromStdString(data.error));
    return 1;
  }
  kelvo::SetProgramFolder(data.folder);

  try {
    // The first start holds the primary name; a later one runs as a child and brings a primary
    // that hides in the tray back into view.
    InstanceChannel channel;
    const bool primary = channel.ClaimPrimary();
    // A primary kept minimised for want of a tray comes back, and then no child is needed.
    if (!primary && InstanceChannel::AskPrimaryToComeBack()) return 0;

    TfrmMain window(primary, &channel);
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &window, &TfrmMain::QuitRequested);
    QObject::connect(&channel, &InstanceChannel::showRequested, &window, &TfrmMain::ShowRequested);
    channel.answerComeBack = [&window] { return window.ComeBackRequested(); };
    QObject::connect(&channel, &InstanceChannel::closeRequested, &window, &QWidget::close);
    window.show();
    // Qt's own buttons and messages in the program's language: nothing on the first window needs
    // them, so they are read once it is on the screen.
    RunAfterFirstPaint(window.centralWidget(), [&app] { LoadQtTranslation(app); });

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
