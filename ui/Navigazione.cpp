#include "ui/Navigazione.h"

#include <QCoreApplication>

namespace {
TNavigazione g_navigazione;
}

void ImpostaNavigazione(TNavigazione navigazione)
{
    g_navigazione = std::move(navigazione);
}

void MostraHub()
{
    if (g_navigazione.mostraHub) g_navigazione.mostraHub();
}

void MostraAccesso()
{
    if (g_navigazione.mostraAccesso) g_navigazione.mostraAccesso();
}

void ApriCambioPassword()
{
    if (g_navigazione.cambiaPassword) g_navigazione.cambiaPassword();
}

bool ApriFinestra(const QString &nome, QWidget *owner, const QString &memoria)
{
    return g_navigazione.apri && g_navigazione.apri(nome, owner, memoria);
}

void TerminaProgramma()
{
    QCoreApplication::quit();
}
