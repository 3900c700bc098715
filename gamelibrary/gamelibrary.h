// The framework the game is built on: the application shell and its services.
#pragma once

#include "gamelibrary/game_app.h"
#include "gamelibrary/game_callbacks.h"
#include "gamelibrary/key_mapping.h"
