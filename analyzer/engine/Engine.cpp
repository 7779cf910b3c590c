#include "CountingTables.h"
#include "ScanOptions.h"
