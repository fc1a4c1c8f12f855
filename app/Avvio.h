#pragma once
// Program start: process-wide settings, the windows, the message loop.
int AvviaProgramma(int argc, char *argv[]);
