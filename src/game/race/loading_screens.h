#pragma once
// The screens around a race: the loading notice over the menu frame, the track-loaded
// screen with the controls, and the error screen when a track cannot be raced.
#include <string>

#include "game/state/game.h"

void draw_loading_notice(Game& g);
void draw_track_loaded_screen(Game& g);
// Shows the heading and the message until the player presses any key.
void show_error_screen(Game& g, const std::u16string& heading, const std::string& message);
