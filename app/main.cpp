#include "VendraskControlClient.h"
#include "VendraskStartup.h"

int main(int argc, char** argv) {
    // A verb talks to the running launcher and ends.
    const int verbResult = CVendraskControlClient::Run(argc, argv);
    if (verbResult >= 0)
        return verbResult;
    return RunVendrask(argc, argv);
}
