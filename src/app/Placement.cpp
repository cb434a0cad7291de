#include "app/Placement.h"
