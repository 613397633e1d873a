// A small open-wheel racing car, 18 x 36 pixels, nose pointing down the picture.
#include <algorithm>
#include <cmath>

#include "drawings.h"
#include "shapes.h"

namespace art {

namespace {

constexpr int kWidth = 18;
constexpr int kLength = 36;
constexpr float kAxis = kWidth / 2.0f;  // the car is symmetric about this vertical line

const Color kPaint = rgb(226, 28, 30);
const Color kStripe = rgb(250, 250, 246);
const Color kRubber = rgb(30, 30, 33);
const Color kCarbon = rgb(46, 46, 52);

// Rounds the body off towards its sides, so it reads as a curved shell and not a flat cut-out.
Paint shaded(const Color& base, float half_width) {
  return [=](Vec2 p) {
    const float side = std::min(std::abs(p.x - kAxis) / half_width, 1.0f);
    return scaled(base, 1.08f - 0.42f * side * side);
  };
}

void fill_pair(Canvas& canvas, const Shape& left_one, const Color& color) {
  fill(canvas, left_one, color);
  fill(canvas, mirrored(left_one, kAxis), color);
}

void draw_tyres(Canvas& canvas) {
  // Suspension arms first, so the tyres cover their outer ends.
  fill_pair(canvas, segment({4.0f, 9.5f}, {6.0f, 9.0f}, 0.8f), kCarbon);
  fill_pair(canvas, segment({4.0f, 27.0f}, {6.5f, 25.5f}, 0.8f), kCarbon);
  fill_pair(canvas, rounded_box(0.4f, 5.5f, 4.6f, 13.5f, 1.3f), kRubber);
  fill_pair(canvas, rounded_box(0.8f, 23.5f, 4.6f, 30.0f, 1.2f), kRubber);
}

void draw_wings(Canvas& canvas) {
  fill(canvas, rounded_box(7.6f, 2.5f, 10.4f, 5.5f, 0.5f), kCarbon);  // pylon holding the rear wing
  fill(canvas, rounded_box(1.2f, 0.5f, 16.8f, 3.8f, 0.9f), shaded(kPaint, 8.0f));
  fill_pair(canvas, rounded_box(1.2f, 0.5f, 2.6f, 3.8f, 0.6f), kCarbon);
  fill(canvas, rounded_box(1.0f, 31.6f, 17.0f, 34.4f, 0.9f), shaded(kPaint, 8.0f));
  fill_pair(canvas, rounded_box(1.0f, 31.4f, 2.4f, 34.6f, 0.6f), kCarbon);
}

void draw_body(Canvas& canvas) {
  // Narrow engine cover at the back, wide sidepods, then a long tapering nose.
  const Shape body = grown(polygon({{6.0f, 4.0f},
                                    {12.0f, 4.0f},
                                    {13.4f, 8.0f},
                                    {13.6f, 18.0f},
                                    {11.4f, 22.0f},
                                    {10.8f, 25.0f},
                                    {10.4f, 33.0f},
                                    {9.6f, 34.8f},
                                    {8.4f, 34.8f},
                                    {7.6f, 33.0f},
                                    {7.2f, 25.0f},
                                    {6.6f, 22.0f},
                                    {4.4f, 18.0f},
                                    {4.6f, 8.0f}}),
                           0.6f);
  fill(canvas, body, shaded(kPaint, 5.0f));
  fill(canvas, rounded_box(8.0f, 3.8f, 10.0f, 35.0f, 0.4f), kStripe);
}

void draw_cockpit(Canvas& canvas) {
  fill(canvas, ellipse({kAxis, 19.5f}, 2.3f, 4.0f), rgb(22, 22, 30));
  fill(canvas, circle({kAxis, 18.8f}, 1.4f), rgb(250, 204, 36));          // driver's helmet
  fill(canvas, ellipse({kAxis, 23.4f}, 2.2f, 0.9f), rgb(120, 150, 185, 0.9f));  // windscreen
}

}  // namespace

platform::Pixels draw_car() {
  Canvas canvas(kWidth, kLength);
  draw_tyres(canvas);
  draw_wings(canvas);
  draw_body(canvas);
  draw_cockpit(canvas);
  return canvas.to_pixels(true);
}

}  // namespace art
