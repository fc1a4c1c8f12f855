#pragma once
// Program start: process-wide settings, the windows, the message loop.
int AvviaProgramma(int argc, char *argv[]);
// Fixes the formats every window relies on: dates "dd/mm/yyyy", decimal comma.
void ImpostaFormati();
