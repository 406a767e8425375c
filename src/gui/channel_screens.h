// The channel screens, one file each: Available CH Group, the marine grids
// with their add/edit panel, the weather screen, the RG/LMR/EXP grids and
// the single-channel editor.
#pragma once

#include "gui/channel_editor_screen.h"
#include "gui/channel_list_screen.h"
#include "gui/marine_grid_screen.h"
#include "gui/usable_screen.h"
#include "gui/weather_screen.h"
