#include "settings/Transparency.h"
