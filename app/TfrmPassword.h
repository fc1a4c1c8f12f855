#pragma once
// The login window: the first window of the program.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdEsci = nullptr;
    QPushButton *btnCambiaPassword = nullptr;

public slots:
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    // Back from the change window: empty field, shown, focused.
    void RitornaDalCambio();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void AggiornaOK();
    bool terminando_ = false;
};
