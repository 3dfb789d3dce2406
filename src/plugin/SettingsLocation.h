#pragma once
// Where the plug-in's settings file lies: derived once at library load from
// the library's own path, read at every start.
#include "SettingsPath.h"

extern SettingsPathBuffer SettingsPath;
