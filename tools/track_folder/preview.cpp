#include "track_folder/preview.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace track_folder {
namespace {

// The source pixels that one destination pixel covers, with the share of each.
struct Span {
  int first = 0;
  std::vector<float> weights;
};

// Squeezes `from` pixels into `to` (to <= from): each destination pixel averages the
// area it covers, so thin white lines fade instead of flickering in and out.
std::vector<Span> spans(int from, int to) {
  std::vector<Span> out(static_cast<std::size_t>(to));
  const double step = double(from) / double(to);
  for (int i = 0; i < to; ++i) {
    const double begin = i * step;
    const double end = (i + 1) * step;
    Span& span = out[std::size_t(i)];
    span.first = int(begin);
    const int last = std::min(from, int(std::ceil(end)));
    for (int j = span.first; j < last; ++j) {
      span.weights.push_back(float((std::min(end, j + 1.0) - std::max(begin, double(j))) / step));
    }
  }
  return out;
}

std::array<float, 3> average_colour(const platform::Pixels& pixels) {
  std::array<double, 3> sum{};
  for (std::size_t i = 0; i < pixels.rgba.size(); i += 4) {
    for (std::size_t c = 0; c < 3; ++c) sum[c] += pixels.rgba[i + c];
  }
  const double count = std::max<double>(1, double(pixels.rgba.size() / 4));
  return {float(sum[0] / count), float(sum[1] / count), float(sum[2] / count)};
}

}  // namespace

platform::Pixels make_preview(const platform::Pixels& circuit, const platform::Pixels& filler, int size) {
  const double scale = std::min({1.0, double(size) / circuit.width, double(size) / circuit.height});
  const int width = std::clamp(int(std::lround(circuit.width * scale)), 1, size);
  const int height = std::clamp(int(std::lround(circuit.height * scale)), 1, size);
  const std::vector<Span> columns = spans(circuit.width, width);
  const std::vector<Span> rows = spans(circuit.height, height);

  // Across first: every source row shrunk to `width` pixels of three channels.
  std::vector<float> narrow(std::size_t(circuit.height) * std::size_t(width) * 3);
  for (int y = 0; y < circuit.height; ++y) {
    float* out = &narrow[std::size_t(y) * std::size_t(width) * 3];
    for (int x = 0; x < width; ++x) {
      const Span& span = columns[std::size_t(x)];
      for (std::size_t k = 0; k < span.weights.size(); ++k) {
        const std::uint8_t* pixel = circuit.at(span.first + int(k), y);
        for (int c = 0; c < 3; ++c) out[x * 3 + c] += span.weights[k] * pixel[c];
      }
    }
  }

  platform::Pixels preview(size, size);
  const std::array<float, 3> background = average_colour(filler);
  for (std::size_t i = 0; i < preview.rgba.size(); i += 4) {
    for (std::size_t c = 0; c < 3; ++c) preview.rgba[i + c] = std::uint8_t(std::lround(background[c]));
    preview.rgba[i + 3] = 255;
  }
  const int left = (size - width) / 2;
  const int top = (size - height) / 2;
  for (int y = 0; y < height; ++y) {
    const Span& span = rows[std::size_t(y)];
    for (int x = 0; x < width; ++x) {
      float sum[3] = {0, 0, 0};
      for (std::size_t k = 0; k < span.weights.size(); ++k) {
        const float* in = &narrow[(std::size_t(span.first) + k) * std::size_t(width) * 3 + std::size_t(x) * 3];
        for (int c = 0; c < 3; ++c) sum[c] += span.weights[k] * in[c];
      }
      std::uint8_t* out = preview.at(left + x, top + y);
      for (int c = 0; c < 3; ++c) out[c] = std::uint8_t(std::clamp(std::lround(sum[c]), 0L, 255L));
    }
  }
  return preview;
}

}  // namespace track_folder
