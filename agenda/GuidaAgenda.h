#pragma once
// The help pages of the app "Agenda Appuntamenti": the agenda itself and the
// grids of its appointments (imminent, of a day, of a month).
#include "ui/Guida.h"

PaginaGuida GuidaAgenda();
PaginaGuida GuidaGriglieAgenda();
