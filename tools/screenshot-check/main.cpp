// screenshot-check PNG WIDTH HEIGHT: checks a picture of the main window: its size, and that
// it shows something: more than one colour, several in the band of the search fields (the top
// third below the menu bar) and in the band of the results and the grid (the rest above the
// status bar). Prints what it found; exit 0 when it holds, 1 when not, 3 for bad arguments.

#include <QImage>
#include <QSet>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kMenuBarHeight = 20;
constexpr int kStatusBarHeight = 24;

int ColoursIn(const QImage& image, int top, int bottom) {
  QSet<QRgb> colours;
  for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  return colours.size();
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: screenshot-check PNG WIDTH HEIGHT\n");
    return 3;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  if (image.isNull()) {
    std::fprintf(stderr, "screenshot-check: cannot read %s\n", argv[1]);
    return 1;
  }
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  const int fieldsBottom = height / 3;
  const int all = ColoursIn(image, 0, image.height());
  const int fields = ColoursIn(image, kMenuBarHeight, fieldsBottom);
  const int grids = ColoursIn(image, fieldsBottom, image.height() - kStatusBarHeight);
  std::printf("size %dx%d, colours %d, in the fields %d, in the results and grid %d\n",
              image.width(), image.height(), all, fields, grids);
  const bool sound =
      image.width() == width && image.height() == height && all > 1 && fields >= 3 && grids >= 2;
  return sound ? 0 : 1;
}
