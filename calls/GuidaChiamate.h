#pragma once
// The help page of the app "Registro Chiamate".
#include "ui/Guida.h"

PaginaGuida GuidaChiamate();
