#pragma once
#include "game/state/game.h"

// The main menu: one frame per tick until Escape is held or the window is asked to close.
void menu_loop(Game& g);

// The drawing of one menu frame, in the order the player sees it stacked.
void draw_menu_frame(Game& g);
