#include "VendraskStartup.h"

int main(int argc, char** argv) {
    return RunVendrask(argc, argv);
}
