#pragma once
// SDL key codes to the Windows virtual key codes the game uses (0: a key it ignores).
namespace platform {
int virtual_key(int sdl_keycode);
}
