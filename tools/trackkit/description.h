#pragma once
// The description a player writes beside a track picture, one `key value...` entry a
// line, all positions in pixels of the picture:
//   start X Y HEADING       the car's centre; heading in degrees, 0 down, 90 left, 180 up, 270 right
//   square X Y              top-left corner of a 150 x 150 checkpoint square; three, in driving
//                           order, the start/finish square first
//   barrier X Y             top-left corner of a tyre barrier; as many as wanted (up to 993)
//   filler-colour R G B     the ground around the picture (default: the average of its edge)
//   filler-picture FILE     or a 200 x 200 picture of that ground, repeated
//   barrier-picture FILE    the barrier's picture; its size is the collision box (default: a tyre stack)
// Blank lines are skipped and "#" starts a comment. FILE is the rest of the line, relative to
// the description's folder.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "track_folder/track_folder.h"

namespace trackkit {

struct Description {
  track_folder::TrackLayout layout;
  std::optional<std::array<std::uint8_t, 3>> filler_colour;
  std::string filler_picture;   // a path; empty: none
  std::string barrier_picture;  // a path; empty: the default tyre stack
};

// Throws platform::FileError naming the line and what is wrong with it.
Description read_description(const std::string& path);

}  // namespace trackkit
