#pragma once
#include "ui/Guida.h"

// The help page of the app "Clienti e Servizi".
PaginaGuida GuidaClienti();
