#pragma once
// The help page of the app "Riepiloghi Incassi".
#include "ui/Guida.h"

PaginaGuida GuidaIncassi();
