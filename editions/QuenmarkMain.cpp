#include "QuenmarkEdition.h"
#include "Startup.h"

int main(int argc, char** argv)
{
    return RunEdition(QuenmarkEdition, argc, argv);
}
