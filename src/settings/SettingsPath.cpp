#include "settings/SettingsPath.h"
