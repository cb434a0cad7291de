#include "app/IndicatorText.h"
