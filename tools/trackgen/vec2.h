#pragma once
// Plane geometry for the centre line, in picture pixels (x right, y down).
#include <cmath>

namespace trackgen {

struct Vec2 {
  double x = 0;
  double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, double k) { return {a.x * k, a.y * k}; }
inline double dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline double cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
inline double length(Vec2 a) { return std::sqrt(dot(a, a)); }
inline Vec2 normalized(Vec2 a) { return a * (1.0 / length(a)); }
// A quarter turn towards positive angles; for a bend turning that way it points at the
// bend's centre.
inline Vec2 perp(Vec2 a) { return {-a.y, a.x}; }

}  // namespace trackgen
