// Helpers for the desktop tests: waiting on Qt's loop with a deadline, real clipboard owners
// in other processes (xclip, oskel_clip_source), and image bytes made by hand.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace oskel::testing {

inline bool haveDisplay() {
  const char* d = std::getenv("DISPLAY");
  return d != nullptr && *d != '\0';
}

// Runs Qt's events until `done` holds or `seconds` of real time pass.
inline bool waitUntil(const std::function<bool()>& done, int seconds = 5) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > seconds * 1000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Another X client that owns the clipboard while this object lives.
class ClipboardOwner {
 public:
  // xclip offering one type with the file's bytes ("-quiet" keeps it in the foreground).
  static std::unique_ptr<ClipboardOwner> xclip(const std::string& type, const std::string& file) {
    auto owner = std::make_unique<ClipboardOwner>();
    owner->process.start("xclip", {"-quiet", "-selection", "clipboard", "-t", QString::fromStdString(type), "-i",
                                   QString::fromStdString(file)});
    owner->process.waitForStarted(5000);
    return owner;
  }
  // oskel_clip_source offering every TYPE=FILE pair; returns once it owns the clipboard.
  static std::unique_ptr<ClipboardOwner> source(const std::vector<std::string>& typeFilePairs) {
    auto owner = std::make_unique<ClipboardOwner>();
    QStringList args;
    for (const auto& pair : typeFilePairs) args << QString::fromStdString(pair);
    owner->process.start(OSKEL_CLIP_SOURCE_PATH, args);
    owner->process.waitForStarted(5000);
    waitUntil([&] { return owner->process.canReadLine() || owner->process.state() == QProcess::NotRunning; });
    return owner;
  }
  ~ClipboardOwner() {
    process.closeWriteChannel();
    if (!process.waitForFinished(200)) {
      process.kill();
      process.waitForFinished(2000);
    }
  }
  QProcess process;
};

// What another client reads from the clipboard in `type` (through xclip -o).
inline std::string readClipboardAs(const std::string& type) {
  QProcess xclip;
  xclip.start("xclip", {"-o", "-selection", "clipboard", "-t", QString::fromStdString(type)});
  // Our own process serves the request: keep Qt's loop running while xclip waits for it.
  waitUntil([&] { return xclip.state() == QProcess::NotRunning; }, 10);
  const QByteArray out = xclip.readAllStandardOutput();
  return std::string(out.constData(), static_cast<std::size_t>(out.size()));
}

// A photo-like test image: smooth gradients with noise, and a varying alpha when asked.
inline QImage testImage(int width, int height, bool alpha) {
  QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  std::uint32_t seed = 12345;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      seed = seed * 1103515245u + 12345u;
      const int noise = static_cast<int>((seed >> 16) & 15);
      line[x] = qRgba((x * 255 / std::max(1, width - 1) + noise) & 255, (y * 255 / std::max(1, height - 1)) & 255,
                      ((x + y) & 127) + noise, alpha ? (x * 7 + y) & 255 : 255);
    }
  }
  return image;
}

inline std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline void appendBigEndian(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// A tiny PNG whose header claims `width` x `height` (its pixel data is not there).
inline std::string pngClaiming(std::uint32_t width, std::uint32_t height) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  auto chunk = [&](const std::string& type, const std::string& data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    std::string body = type + data;
    png += body;
    appendBigEndian(png, crc32(body));
  };
  std::string ihdr;
  appendBigEndian(ihdr, width);
  appendBigEndian(ihdr, height);
  ihdr += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, no interlace
  chunk("IHDR", ihdr);
  chunk("IDAT", std::string("\x78\x9c\x03\x00\x00\x00\x00\x01", 8));
  chunk("IEND", "");
  return png;
}

// An uncompressed little-endian TIFF with one 8-bit RGB page per size, in order.
inline std::string multiPageTiff(const std::vector<std::pair<int, int>>& pages) {
  std::string out("II*\0\0\0\0\0", 8);
  auto put16 = [](std::string& s, std::size_t at, std::uint16_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
  };
  auto put32 = [](std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  std::size_t linkAt = 4;  // where the offset of the next IFD goes
  for (auto [w, h] : pages) {
    const std::size_t pixels = out.size();
    for (int i = 0; i < w * h; ++i) out += std::string{static_cast<char>(i * 3), static_cast<char>(w), static_cast<char>(h)};
    const std::size_t bits = out.size();
    out += std::string("\x08\x00\x08\x00\x08\x00", 6);
    if (out.size() % 2) out.push_back('\0');
    const std::size_t ifd = out.size();
    put32(out, linkAt, static_cast<std::uint32_t>(ifd));
    struct Tag { std::uint16_t tag, type; std::uint32_t count, value; };
    const std::vector<Tag> tags = {
        {256, 4, 1, static_cast<std::uint32_t>(w)}, {257, 4, 1, static_cast<std::uint32_t>(h)},
        {258, 3, 3, static_cast<std::uint32_t>(bits)}, {259, 3, 1, 1}, {262, 3, 1, 2},
        {273, 4, 1, static_cast<std::uint32_t>(pixels)}, {277, 3, 1, 3}, {278, 4, 1, static_cast<std::uint32_t>(h)},
        {279, 4, 1, static_cast<std::uint32_t>(w * h * 3)}, {284, 3, 1, 1}};
    out.resize(ifd + 2 + tags.size() * 12 + 4, '\0');
    put16(out, ifd, static_cast<std::uint16_t>(tags.size()));
    for (std::size_t i = 0; i < tags.size(); ++i) {
      const std::size_t at = ifd + 2 + i * 12;
      put16(out, at, tags[i].tag);
      put16(out, at + 2, tags[i].type);
      put32(out, at + 4, tags[i].count);
      if (tags[i].type == 3 && tags[i].count == 1) put16(out, at + 8, static_cast<std::uint16_t>(tags[i].value));
      else put32(out, at + 8, tags[i].value);
    }
    linkAt = ifd + 2 + tags.size() * 12;
  }
  return out;
}

}  // namespace oskel::testing
