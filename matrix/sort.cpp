// The process-wide sort direction.
#include "matrix/sort.h"

unsigned short sortns::sort = sortns::ASC;
