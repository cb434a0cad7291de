#include "settings/SettingsFile.h"
