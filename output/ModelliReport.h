#pragma once
// The report templates the program ships with: JSON descriptions (format in
// reports/Modelli.h) and their pictures, kept as resources under ":/reports/"
// (reports/reports.qrc). A template is found by its name: "repScheda" is
// ":/reports/repScheda.json".
#include <QByteArray>
#include <QString>

// The description of the template `nome`; throws std::invalid_argument when
// the program has no such template.
QByteArray ModelloReport(const QString &nome);
