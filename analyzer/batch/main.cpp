// trickscan-batch: the analyzer's run without a window, for scripts (built so where there are
// no windows; it draws no graphs).
#include "BatchRun.h"

int main(int argc, char** argv) {
    return lott::BatchMain(argc, argv);
}
