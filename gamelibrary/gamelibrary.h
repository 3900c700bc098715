// The framework the game is built on: the application shell and its services, surfaces,
// picture files, sprite sheets, sound clips and the random generator.
#pragma once

#include "gamelibrary/game_app.h"
#include "gamelibrary/game_callbacks.h"
#include "gamelibrary/key_mapping.h"
#include "gamelibrary/picture_file.h"
#include "gamelibrary/picture_writer.h"
#include "gamelibrary/random_generator.h"
#include "gamelibrary/sound_clip.h"
#include "gamelibrary/sprite.h"
#include "gamelibrary/sprite_sheet.h"
#include "gamelibrary/surface.h"
