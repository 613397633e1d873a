#pragma once
// The best-time cipher: each unit is XORed with a password unit times its position.
// The same call deciphers what it enciphered.
#include <string>
#include <string_view>

#include "game/state/game.h"

std::u16string code(Game& g, std::u16string_view txt, std::u16string_view passwort);

// The best-time line as stored: the enciphered text of the time. The plain "%#.9g" text
// is kept whenever its stored bytes survive line reading (no byte 0, 10 or 13);
// otherwise another decimal text of the same float is enciphered, so every time reads
// back exactly.
std::u16string best_time_line(Game& g, float time);

// What the loader makes of a stored best-time line.
float read_best_time(Game& g, std::u16string_view line);
