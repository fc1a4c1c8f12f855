#pragma once
// The hub's pictures. App n (1 to 4): its tile (badge, name and a line about
// it) and its button picture ("Apri", or "Disponibile a breve" when disabled);
// a tool picture (badge and caption) for the hub's bottom bar.
#include "ui/Kit.h"

#include <QRectF>
#include <QString>

class QPainter;

namespace Stile {

QString NomeApp(int n);
Simbolo SimboloApp(int n);
void DisegnaTesseraApp(QPainter &p, const QRectF &r, int n, Stato stato);
void DisegnaPulsanteApp(QPainter &p, const QRectF &r, int n, Stato stato);
void DisegnaStrumento(QPainter &p, const QRectF &r, Simbolo s, const QString &didascalia, Stato stato);

} // namespace Stile
