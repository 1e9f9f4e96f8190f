// The editor's dialogue: menu, act on the reply, repeat.
#ifndef CFGEDIT_EDITOR_H
#define CFGEDIT_EDITOR_H

#include <cstdio>

#include "cfgedit/qeldcfg.h"

enum class editor_end { save, quit };

// Changes the settings by the replies read from `in` until the player saves
// or quits; the end of the input quits. With gen_defaults there is no
// dialogue: the settings are saved as they are.
editor_end edit_settings(std::FILE* in, qeldcfg& settings, bool gen_defaults);

#endif
