#include "ui/Stile.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>

void ApplicaStile(QApplication &app)
{
    Stile::InstallaSostituzioniCaratteri();

    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);

    using namespace Stile::Colore;
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(Sfondo));
    pal.setColor(QPalette::WindowText, QColor(Testo));
    pal.setColor(QPalette::Base, QColor(Carta));
    pal.setColor(QPalette::AlternateBase, QColor(0xF5, 0xF8, 0xFB));
    pal.setColor(QPalette::Text, QColor(Testo));
    pal.setColor(QPalette::Button, QColor(0xF8, 0xFA, 0xFC));
    pal.setColor(QPalette::ButtonText, QColor(Testo));
    pal.setColor(QPalette::Highlight, QColor(Primario));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::ToolTipBase, QColor(Notte));
    pal.setColor(QPalette::ToolTipText, Qt::white);
    pal.setColor(QPalette::Link, QColor(Link));
    pal.setColor(QPalette::PlaceholderText, QColor(0x8A, 0x96, 0xA3));
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Midlight, QColor(0xE6, 0xEB, 0xF1));
    pal.setColor(QPalette::Mid, QColor(Bordo));
    pal.setColor(QPalette::Dark, QColor(0x9A, 0xA8, 0xB6));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x97, 0xA3, 0xAF));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(0x97, 0xA3, 0xAF));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xA3, 0xAE, 0xB9));
    pal.setColor(QPalette::Disabled, QPalette::Base, QColor(0xF4, 0xF6, 0xF8));
    app.setPalette(pal);

    QFont base(Stile::FamigliaInterfaccia(), 10);
    base.setStyleStrategy(QFont::PreferAntialias);
    app.setFont(base);

    app.setStyleSheet(QStringLiteral(R"(
QPushButton {
    background: #FFFFFF; color: #1E2A36;
    border: 1px solid #BFCAD6; border-radius: 6px;
    padding: 4px 16px; min-height: 20px;
}
QPushButton:hover { background: #F1F6FC; border-color: #1D5A9E; }
QPushButton:pressed { background: #DDE8F5; }
QPushButton:focus { border-color: #1D5A9E; }
QPushButton:disabled { color: #A3AEB9; background: #F4F6F8; border-color: #DCE2E8; }
QPushButton[principale="true"] {
    color: #FFFFFF; border: 1px solid #174C86;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2A6DB8, stop:1 #1D5A9E);
}
QPushButton[principale="true"]:hover { background: #2E76C6; }
QPushButton[principale="true"]:pressed { background: #174C86; }
QPushButton[principale="true"]:disabled { color: #EEF3F8; background: #AEC2D8; border-color: #AEC2D8; }
QLineEdit {
    background: #FFFFFF; border: 1px solid #BFCAD6; border-radius: 4px;
    padding: 1px 4px; selection-background-color: #1D5A9E;
}
QLineEdit:focus { border-color: #1D5A9E; }
QLineEdit:disabled { background: #F4F6F8; color: #8A96A3; }
QPlainTextEdit, QTextEdit, QListWidget {
    background: #FFFFFF; border: 1px solid #C9D3DE; border-radius: 4px;
}
QToolTip {
    color: #FFFFFF; background: #102A43; border: 1px solid #102A43;
    padding: 3px 6px;
}
)"));
}

namespace Stile {

QString FamigliaInterfaccia()
{
    return QStringLiteral("Segoe UI");
}

QFont Carattere(const QString &famiglia, qreal punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

QFont CarattereLink()
{
    QFont f = Carattere(QStringLiteral("Tahoma"), 14);
    f.setUnderline(true);
    return f;
}

void InstallaSostituzioniCaratteri()
{
    static bool fatto = false;
    if (fatto) return;
    fatto = true;
    // Each missing family with its stand-ins, best first.
    const struct {
        const char *manca;
        QStringList sostituti;
    } tabella[] = {
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Segoe UI", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Microsoft Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Verdana", {"DejaVu Sans", "Liberation Sans"}},
        {"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
        {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
    };
    for (const auto &riga : tabella) {
        const QString manca = QString::fromLatin1(riga.manca);
        if (!QFontDatabase::hasFamily(manca)) QFont::insertSubstitutions(manca, riga.sostituti);
    }
}

} // namespace Stile
