#pragma once
// Help pages: a title and paragraphs, shown in the help window.
#include <QString>
#include <QStringList>

class QWidget;

struct PaginaGuida {
    QString titolo;
    QStringList paragrafi;
};

// The body of a page: the paragraphs joined by CR LF CR LF, none at the end.
QString TestoGuida(const QStringList &paragrafi);
// Creates a help window owned by `owner`, fills it, shows it modally, destroys it.
void MostraGuida(QWidget *owner, const PaginaGuida &pagina);

