#pragma once
// Changing the access password.
#include <QDialog>

class QLineEdit;
class QPushButton;

class TfrmCambiaPassword : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

    QLineEdit *txtPasswordOld = nullptr;
    QLineEdit *txtPasswordNew = nullptr;
    QLineEdit *txtConferma = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdEsci = nullptr;

public slots:
    void cmdOKClick();
    // Every way of closing the window (Chiudi, after a change, Esc, the
    // system) ends here and takes the user back to the login window.
    void done(int r) override;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void AggiornaOK();
};
