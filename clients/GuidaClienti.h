#pragma once
#include "app/Guida.h"

// The help page of the app "Clienti e Servizi".
PaginaGuida GuidaClienti();
