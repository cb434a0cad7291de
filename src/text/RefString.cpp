#include "text/RefString.h"
