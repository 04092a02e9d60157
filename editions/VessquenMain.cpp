#include "Startup.h"
#include "VessquenEdition.h"

int main(int argc, char** argv)
{
    return RunEdition(VessquenEdition, argc, argv);
}
