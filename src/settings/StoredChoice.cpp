#include "settings/StoredChoice.h"

int ParseStoredChoice(const char* stored, int count) {
    if (stored != nullptr && stored[0] >= '0' && stored[0] < '0' + count && stored[1] == '\0') {
        return stored[0] - '0';
    }
    return 0;
}
