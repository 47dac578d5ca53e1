// The yardstick of bench/startup.py: the least a Qt Widgets program does to put a window like
// Kelvo's on the screen (a caption, a menu bar and a text in a fixed-size client area), and
// nothing else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("BareQt"));
  window.menuBar()->addMenu(QStringLiteral("&File "));
  auto* text = new QLabel(QStringLiteral("0"), &window);
  text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  text->setFixedSize(272, 400);
  window.setCentralWidget(text);
  window.show();
  return app.exec();
}
