// Kurvenjagd: the game in a window. Takes no arguments; finds data/ and maps/ beside itself.
#include "game/shell/startup.h"
#include "platform/file_error.h"
#include "platform/window_platform.h"

int main(int, char**) {
  try {
    platform::enter_program_folder();
    platform::WindowPlatform window;
    Game game(window);
    run_game(game);
  } catch (const platform::FileError& error) {
    platform::WindowPlatform::show_error(error.what());
    return 1;
  }
  return 0;
}
