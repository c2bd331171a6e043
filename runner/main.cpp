#include "helpermessages.h"
#include "helperprogram.h"

int main(int argc, char *argv[])
{
    return HelperProgram::run(argc, argv, &HelperMessages::install);
}
