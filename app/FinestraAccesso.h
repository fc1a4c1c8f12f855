#pragma once
// The shape shared by the login and change-password windows: a banner at the
// top, a white body, the buttons on a light band along the bottom.
#include <QList>
#include <QString>

class QLayout;
class QWidget;

// Lays out `finestra`: banner `imgLogo` (`altezza` units high), `corpo`, and a
// band with `sinistra` on the left and `destra` on the right.
void ComponiFinestraAccesso(QWidget *finestra, const QString &titolo, const QString &sottotitolo, int altezza,
                            QLayout *corpo, const QList<QWidget *> &sinistra, const QList<QWidget *> &destra);
