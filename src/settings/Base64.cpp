#include "settings/Base64.h"
