// Image intake benchmarks with the Qt codec:
//  - add(imageData, sourceApp) of photo-like PNGs of 4000 x 3000 and 8000 x 5000 (the largest
//    accepted photo shape: 8000 x 6000 is 48 million pixels, over the 40 million limit, and
//    is refused from its header), against QImage decoding the same bytes alone (ratio,
//    reported). Counters: the input size, the peak memory one intake adds (measured in a
//    child process) and that peak in decoded copies of the source (target: about 2);
//  - refusing an 8000 x 6000 PNG and a PNG that claims 60000 x 60000 (target: under a
//    millisecond each: the header alone is read).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "desktop/qt/qt_image_codec.h"
#include "history/image_intake.h"

namespace {

using namespace oskel;

// A photo-like image: smooth light and colour gradients with a fine, low-contrast grain,
// which compresses about as well as a photo saved as PNG.
const std::string& photoPng(int width, int height) {
  static std::map<std::pair<int, int>, std::string> cache;
  auto& png = cache[{width, height}];
  if (!png.empty()) return png;
  QImage image(width, height, QImage::Format_RGB32);
  std::uint32_t seed = 99;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      if ((x & 7) == 0) seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>((seed >> 28) & 3);
      const int sky = 255 * y / height;
      line[x] = qRgb((sky + grain + x / 64) & 255, (128 + (x * 96 / width) - grain) & 255, (255 - sky / 2) & 255);
    }
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "png").write(image);
  png.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
  return png;
}

std::string pngClaiming(std::uint32_t width, std::uint32_t height) {
  QImage tiny(1, 1, QImage::Format_ARGB32);
  tiny.fill(0);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "png").write(tiny);
  std::string png(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
  // Rewrite the IHDR size; decoders read it before anything else (the CRC is not checked
  // before the size is known, and the refusal never gets further).
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<char>((width >> (24 - 8 * i)) & 0xFF);
    png[20 + i] = static_cast<char>((height >> (24 - 8 * i)) & 0xFF);
  }
  return png;
}

// QImage decoding the bytes, and nothing else. Qt 6.4 refuses images over 128 MB by
// default (QImageReader's allocation limit), which 8000 x 5000 is; the codec raises it too.
QImage decodeAlone(const std::string& bytes) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAllocationLimit(512);
  return reader.read();
}

std::filesystem::path tempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "oskel-bench-XXXXXX").string();
  return ::mkdtemp(pattern.data());
}

long residentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The most memory one operation adds, in bytes, measured in a fresh process (this program
// run as "--peak intake|decode FILE"): fork() alone would not do, since Qt converts images
// on its thread pool, whose threads a forked child lacks.
double peakBytesAdded(const char* operation, const std::string& bytes) {
  const auto dir = tempDir();
  const auto file = dir / "input";
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::string command = "/proc/" + std::to_string(getpid()) + "/exe --peak " + operation + " " + file.string();
  double added = -1;
  if (FILE* out = popen(command.c_str(), "r")) {
    if (std::fscanf(out, "%lf", &added) != 1) added = -1;
    pclose(out);
  }
  std::filesystem::remove_all(dir);
  return added;
}

// The child's side: performs the operation once and prints the bytes its peak added.
int measurePeak(const std::string& operation, const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto dir = tempDir();
  NotificationCenter center;
  MemoryStore store(MemoryStore::Options{DataPaths::in(dir), &center});
  QtImageCodec codec;
  ImageIntake intake(store, codec);
  const long before = residentKilobytes();
  if (operation == "intake") {
    intake.add(bytes, "Bench");
  } else {
    benchmark::DoNotOptimize(decodeAlone(bytes).constBits());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  store.waitUntilSaved();
  std::filesystem::remove_all(dir);
  std::printf("%.0f\n", static_cast<double>(usage.ru_maxrss - before) * 1024.0);  // ru_maxrss is in kilobytes
  return 0;
}

void BM_Intake(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const std::string& png = photoPng(w, h);
  const auto dir = tempDir();
  NotificationCenter center;
  MemoryStore store(MemoryStore::Options{DataPaths::in(dir), &center});
  QtImageCodec codec;
  ImageIntake intake(store, codec);
  bool stored = true;
  for (auto _ : state) stored = intake.add(png, "Bench") && stored;
  const double peak = peakBytesAdded("intake", png);
  state.counters["stored"] = stored;
  state.counters["inputMB"] = static_cast<double>(png.size()) / 1e6;
  state.counters["peakMB"] = peak / 1e6;
  state.counters["decodedCopies"] = peak / (4.0 * w * h);
  store.waitUntilSaved();
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Intake)->Args({4000, 3000})->Args({8000, 5000})->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QImageDecode(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const std::string& png = photoPng(w, h);
  bool decoded = true;
  for (auto _ : state) {
    const QImage image = decodeAlone(png);
    decoded = decoded && image.width() == w;
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["decoded"] = decoded;
  const double peak = peakBytesAdded("decode", png);
  state.counters["peakMB"] = peak / 1e6;
}
BENCHMARK(BM_QImageDecode)->Args({4000, 3000})->Args({8000, 5000})->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RefuseFromHeader(benchmark::State& state) {
  const std::uint32_t w = static_cast<std::uint32_t>(state.range(0)), h = static_cast<std::uint32_t>(state.range(1));
  const std::string png = pngClaiming(w, h);
  const auto dir = tempDir();
  NotificationCenter center;
  MemoryStore store(MemoryStore::Options{DataPaths::in(dir), &center});
  QtImageCodec codec;
  ImageIntake intake(store, codec);
  bool refused = true;
  for (auto _ : state) refused = !intake.add(png, "Bench") && refused;
  state.counters["refused"] = refused;
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RefuseFromHeader)->Args({60000, 60000})->Args({8000, 6000})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  if (argc == 4 && std::string(argv[1]) == "--peak") return measurePeak(argv[2], argv[3]);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
