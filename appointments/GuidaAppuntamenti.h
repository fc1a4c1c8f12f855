#pragma once
// The help page of the app "Schedario Appuntamenti".
#include "ui/Guida.h"

PaginaGuida GuidaAppuntamenti();
