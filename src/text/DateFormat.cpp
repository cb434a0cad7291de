#include "text/DateFormat.h"
