#pragma once
// The four kinds of card kept in the record files.
#include "storage/Record.h"

struct LayoutCliente {
    enum Campo {
        Cliente, DataNasc, ComuneNasc, ProvNasc, Sesso, Recapito, IndirizzoRes, ProvRes,
        ComuneRes, CapRes, Estremi, TelCasa, TelUff, TelCel, Fax, Email, CodFisc, Carta,
        ScadeCarta, PartitaIva, Iban, Documento, Occupazione, Civile, Titoli, Prodotti,
        Zona, Questioni, Note, Ricontatta, File01, File02, File03, Desc01, Desc02, Desc03
    };
    static constexpr std::array<int, 36> N = {
        50, 30, 50, 2, 1, 50, 50, 2, 50, 5, 250, 30, 30, 30, 30, 50, 16, 30,
        30, 11, 27, 120, 50, 50, 120, 120, 50, 250, 250, 2, 250, 250, 250, 250, 250, 250};
    static constexpr std::array<const char *, 36> Nomi = {
        "Cliente", "DataNasc", "ComuneNasc", "ProvNasc", "Sesso", "Recapito", "IndirizzoRes",
        "ProvRes", "ComuneRes", "CapRes", "Estremi", "TelCasa", "TelUff", "TelCel", "Fax",
        "Email", "CodFisc", "Carta", "ScadeCarta", "PartitaIva", "Iban", "Documento",
        "Occupazione", "Civile", "Titoli", "Prodotti", "Zona", "Questioni", "Note",
        "Ricontatta", "File01", "File02", "File03", "Desc01", "Desc02", "Desc03"};
    static constexpr const char *NomeFile = "Contatti.pro";
};

struct LayoutChiamata {
    enum Campo {
        GiornoRit, MeseRit, AnnoRit, DataRit, OreRit, MinutiRit, OraRit, Tipo, Oggetto, Esito,
        Grado, Durata, Cliente, CodFisc, Zona, Recapito, TelCel, Email, Note, Operatore
    };
    static constexpr std::array<int, 20> N = {
        2, 10, 4, 10, 2, 2, 5, 20, 250, 250, 50, 50, 50, 16, 50, 50, 30, 50, 250, 120};
    static constexpr std::array<const char *, 20> Nomi = {
        "GiornoRit", "MeseRit", "AnnoRit", "DataRit", "OreRit", "MinutiRit", "OraRit", "Tipo",
        "Oggetto", "Esito", "Grado", "Durata", "Cliente", "CodFisc", "Zona", "Recapito",
        "TelCel", "Email", "Note", "Operatore"};
    static constexpr const char *NomeFile = "Registro_Chiamate.pro";
};

struct LayoutAppuntamento {
    enum Campo {
        Data, OreApp, MinutiApp, Ora, Avviso, Tipologia, Causale, Dettagli, Contatto, Tel,
        Cel, Email, Luogo, Importo, Note, Ottemperata
    };
    static constexpr std::array<int, 16> N = {
        10, 2, 2, 5, 3, 50, 250, 250, 50, 30, 30, 50, 250, 15, 250, 2};
    static constexpr std::array<const char *, 16> Nomi = {
        "Data", "OreApp", "MinutiApp", "Ora", "Avviso", "Tipologia", "Causale", "Dettagli",
        "Contatto", "Tel", "Cel", "Email", "Luogo", "Importo", "Note", "Ottemperata"};
    static constexpr const char *NomeFile = "Archivio_Appuntamenti.pro";
};

struct LayoutServizio {
    enum Campo { Data, Ora, Servizi, Agente, Importo };
    static constexpr std::array<int, 5> N = {10, 5, 54, 28, 15};
    static constexpr std::array<const char *, 5> Nomi = {"Data", "Ora", "Servizi", "Agente", "Importo"};
};

using TSchedaCliente = TRecord<LayoutCliente>;
using TSchedaChiamata = TRecord<LayoutChiamata>;
using TSchedaAppuntamento = TRecord<LayoutAppuntamento>;
using TSchedaServizio = TRecord<LayoutServizio>;

static_assert(TSchedaCliente::Dimensione == 3372);
static_assert(TSchedaChiamata::Dimensione == 1291);
static_assert(TSchedaAppuntamento::Dimensione == 1265);
static_assert(TSchedaServizio::Dimensione == 117);

// Name of the services file of the client stored at `posizione`.
QString NomeFileServizi(const QString &posizione);

// Italian month names as the call card stores them, "Gennaio" .. "Dicembre".
const QStringList &NomiMesi();
// The choices of the day, hour and minute boxes: "01" .. "31", "00" .. "23",
// "00" .. "59".
const QStringList &GiorniDelMese();
const QStringList &OreDelGiorno();
const QStringList &MinutiDellOra();
