// The progress of a print job with "Anuluj", for the job's page callback.
#pragma once

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

class OknoPostepu
{
public:
    // Shown at once, window-modal over `rodzic`, when `pokaz`; otherwise nothing is shown
    // and the job is never cancelled.
    OknoPostepu(const QString &tekst, qsizetype strony, QWidget *rodzic, bool pokaz);
    ~OknoPostepu();

    // Pages sent so far; false once "Anuluj" was pressed.
    bool operator()(qsizetype wyslane);
    // Closes the window (before a message about the job).
    void zamknij();

private:
    std::unique_ptr<QProgressDialog> m_okno;
};
