#pragma once
// The general guide of the program, shown from the hub and written to Guida.pdf.
#include "ui/Guida.h"

PaginaGuida GuidaGenerale();
