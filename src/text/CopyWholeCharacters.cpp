#include "text/CodePage.h"
