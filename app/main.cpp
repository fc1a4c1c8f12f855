// Pratovia: program start.
#include "app/Avvio.h"

int main(int argc, char *argv[])
{
    return AvviaProgramma(argc, argv);
}
