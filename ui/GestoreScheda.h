#pragma once
// The save and browse mechanism shared by the card windows: each user action
// opens the record file, reads or writes, closes it, and reports through the
// program's message boxes.
#include "storage/Sfoglia.h"

#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QWidget;

class GestoreScheda
{
public:
    struct Config {
        QString nomeFile;           // in the program folder
        int dimensione = 0;         // record size
        QWidget *finestra = nullptr; // parent of the message boxes
        QLabel *lblPosizione = nullptr;
        std::function<void(const char *record)> mostra; // record -> controls
        std::function<void(char *record)> componi;      // controls -> record
        QString msgInserita;  // reported after an append
        QString msgModificata; // reported after an overwrite
    };

    explicit GestoreScheda(Config c);

    // A window that keeps the position of the card on screen itself (0: a
    // new card) gives how to read it and how to change it (after mostra, or
    // after a save); otherwise lblPosizione's text is the position.
    void UsaPosizione(std::function<qint64()> leggi, std::function<void(qint64)> scrivi);

    // One of the four arrows.
    void Sfoglia(Freccia f);
    // Shows card k (browsing, and a card picked in a search). False on failure
    // (the access error has been shown).
    bool MostraScheda(qint64 k);
    // Saves the card on screen (required fields already checked): overwrites
    // the card in lblPosizione, or appends and sets lblPosizione. False on a
    // failure (the access error has been shown; lblPosizione unchanged).
    bool Salva();
    // Opens and closes the file only to learn whether it can be reached.
    bool Raggiungibile();

private:
    qint64 Posizione() const;
    void ImpostaPosizione(qint64 p);

    Config c_;
    std::function<qint64()> leggiPosizione_;
    std::function<void(qint64)> scriviPosizione_;
    std::vector<char> record_; // the window's record buffer
};

extern const QString MSG_SCHEDA_INSERITA;
extern const QString MSG_SCHEDA_MODIFICATA;
