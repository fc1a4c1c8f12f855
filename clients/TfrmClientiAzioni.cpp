// The client card's buttons that open other windows.
#include "clients/TfrmClienti.h"

void TfrmClienti::cmdFileClick() {}
void TfrmClienti::cmdTrovaClick() {}
void TfrmClienti::cmdAnteprimaClick() {}
void TfrmClienti::cmdStampaClick() {}
void TfrmClienti::cmdPDFClick() {}
void TfrmClienti::cmdRicontattaClick() {}
void TfrmClienti::cmdEsportaClick() {}
void TfrmClienti::btnCodFiscClick() {}
void TfrmClienti::btnCartaClick() {}
void TfrmClienti::btnPartitaIvaClick() {}
void TfrmClienti::btnIbanClick() {}
void TfrmClienti::ApriStoricoChiamate() {}
void TfrmClienti::ApriServizi() {}
