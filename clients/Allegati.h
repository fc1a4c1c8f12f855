#pragma once
// The files attached to client cards: they are copied into the folder
// "Documenti_Allegati" of the program folder and addressed by name only.
#include <QString>

// CartellaProgramma + "Documenti_Allegati" + separator.
QString CartellaAllegati();

// The bare file name of a stored attachment name: any folder part (either
// separator, a leading drive "C:") is dropped, so a damaged or hand-edited card can never
// point outside the attachment folder. "." and ".." give an empty name.
QString NomeNudo(const QString &nome);

// Full path of the attachment called `nome` (reduced to its bare name);
// empty when the bare name is empty.
QString PercorsoAllegato(const QString &nome);

// What the "Apri" button hands to the desktop: the path in double quotes;
// empty when there is nothing to open.
QString ComandoApriAllegato(const QString &nome);

// Creates the attachment folder (and any missing parent); true when it exists.
bool PreparaCartellaAllegati();

// The name a file chosen as `origine` is attached under: its bare name as
// the card can store it, characters the card's code page lacks written as
// their closest letter ("Łódź.pdf" as "Lódz.pdf"), '_' where nothing fits,
// a name too long for the card's field shortened before its extension.
QString NomeAllegato(const QString &origine);

// Copies `origine` into the attachment folder as NomeAllegato(origine),
// replacing a file of that name in one step: the copy goes to a temporary
// file of the folder, which is then renamed over the old one, so on any
// failure the old file stays as it was and nothing else is left behind.
// Copying the folder's own file onto itself keeps it. True when the file is
// in the folder afterwards.
bool CopiaAllegato(const QString &origine);
