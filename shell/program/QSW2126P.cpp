// The module's program file. The host starts it once per managed switch with the switch's address and
// credentials on the command line.
#include "Program.h"

int main(int argc, char** argv) { return RunModule(argc, argv); }
