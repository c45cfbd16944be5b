// Takes the X11 CLIPBOARD and offers the given types, each with the bytes of a file:
//   oskel_clip_source TYPE=FILE...
// Prints "ready" once it owns the clipboard, and serves requests until its standard
// input closes or it loses the clipboard.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  auto* mime = new QMimeData;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    const auto eq = arg.indexOf('=');
    if (eq <= 0) return 2;
    QFile file(arg.mid(eq + 1));
    if (!file.open(QIODevice::ReadOnly)) return 2;
    mime->setData(arg.left(eq), file.readAll());
  }
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(mime, QClipboard::Clipboard);
  QObject::connect(clipboard, &QClipboard::changed, [&](QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) app.quit();
  });
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char buffer[64];
    if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) app.quit();
  });
  std::puts("ready");
  std::fflush(stdout);
  return app.exec();
}
