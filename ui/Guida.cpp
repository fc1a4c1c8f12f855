#include "ui/Guida.h"

#include "ui/TfrmGuida.h"

#include <QLabel>
#include <QPlainTextEdit>

QString TestoGuida(const QStringList &paragrafi)
{
    return paragrafi.join(QStringLiteral("\r\n\r\n"));
}

void MostraGuida(QWidget *owner, const PaginaGuida &pagina)
{
    auto *finestra = new TfrmGuida(owner);
    finestra->lblTitolo->setText(pagina.titolo);
    finestra->txtGuida->setPlainText(TestoGuida(pagina.paragrafi));
    finestra->exec();
    delete finestra;
}
