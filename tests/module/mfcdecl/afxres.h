// Command IDs that resource scripts of the shared library's users name.
#pragma once

#define ID_HELP 0xE146
#define ID_DEFAULT_HELP 0xE147
