// Build-time tool: writes one size of the program's .ico as a PNG for the
// desktop's icon theme. Of the images of that size it takes the deepest
// (the 256-colour one over the 16-colour one), as the .ico's directory says.
//   morvana_icon_png <icon.ico> <size> <out.png>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>

namespace {

// Index of the deepest image of size x size in an .ico, or -1. The file is a
// 6-byte header then 16-byte entries: width, height (0 for 256), colours,
// reserved, planes (2 bytes), bits per pixel (2 bytes), ...
int DeepestImage(const QByteArray& ico, int size) {
  auto byte = [&ico](qsizetype at) { return static_cast<int>(static_cast<unsigned char>(ico.at(at))); };
  if (ico.size() < 6) return -1;
  const int count = byte(4) | byte(5) << 8;
  int best = -1;
  int best_bits = 0;
  for (int i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
    const qsizetype entry = 6 + qsizetype{16} * i;
    const int bits = byte(entry + 6) | byte(entry + 7) << 8;
    if (byte(entry) == size % 256 && byte(entry + 1) == size % 256 && bits > best_bits) {
      best = i;
      best_bits = bits;
    }
  }
  return best;
}

}  // namespace

int main(int argc, char* argv[]) {
  const QCoreApplication app(argc, argv);  // lets Qt find its image plugins
  const QStringList args = QCoreApplication::arguments();
  bool size_ok = false;
  const int size = args.size() == 4 ? args.at(2).toInt(&size_ok) : 0;
  if (!size_ok) {
    std::fputs("usage: morvana_icon_png <icon.ico> <size> <out.png>\n", stderr);
    return EXIT_FAILURE;
  }
  QFile file(args.at(1));
  const int index = file.open(QIODevice::ReadOnly) ? DeepestImage(file.readAll(), size) : -1;
  QImageReader reader(args.at(1));
  const QImage image = index >= 0 && reader.jumpToImage(index) ? reader.read() : QImage();
  if (image.isNull() || image.size() != QSize(size, size) || !image.save(args.at(3), "PNG")) {
    std::fprintf(stderr, "morvana_icon_png: no %dx%d image read from %s, or %s not written\n", size, size,
                 qPrintable(args.at(1)), qPrintable(args.at(3)));
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
