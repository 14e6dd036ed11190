// "Etykiety": address labels for clients of the list on A4 sheets. The rows come from the
// chooser of "Koperty dla wielu"; the sheet (built in, the user's own, a template of the
// system's label database), the first free label of a used sheet (clicked on the drawn
// sheet), copies, a sheet of the firm's own address, the inner margin and each printer's
// offset are chosen here, and the labels that do not fit are listed before printing.
// The job is made by the same core calls as `lista_klientow etykiety`; the preview and
// the print draw it with the one renderer. The layout is oknoetykiet.ui.
#pragma once

#include "druk_etykiet.h"
#include "koperty_wsadowe.h"
#include "listaklientow.h"
#include "ustawienia_etykiet.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class Dialogi;
class QPrinter;

namespace Ui {
class OknoEtykiet;
}

class OknoEtykiet : public QDialog
{
    Q_OBJECT
public:
    // Runs the chooser over `lista` with the rows `zaznaczone` checked: the rows chosen
    // (`zaznaczone` when it was cancelled).
    using WyborWierszy =
        std::function<QList<int>(QWidget *rodzic, const ListaKlientow &lista, const QList<int> &zaznaczone)>;

    // The labels are made for rows of a copy of `lista`, as it is now. The envelope
    // settings are read from under `katalogDanych` with the print font at
    // `sciezkaCzcionki`; the label settings file is the one there. `dialogi` and
    // `drukarka` must outlive the dialog.
    OknoEtykiet(Dialogi &dialogi, QPrinter &drukarka, const QString &katalogDanych, const QString &sciezkaCzcionki,
                const ListaKlientow &lista, WyborWierszy wybor, QWidget *rodzic = nullptr);
    ~OknoEtykiet() override;

    // "Wybierz klientów…": the chooser, and the rows it gives.
    void wybierzKlientow();
    const QList<int> &wiersze() const { return m_wiersze; }
    // The job as the dialog stands (without a printer's offset), or why there is none.
    std::optional<ZadanieEtykiet> zadanie(QString *blad = nullptr) const;

private:
    void wypelnijArkusze();
    // The sheets of the kind chosen.
    const QList<Arkusz> &arkuszeRodzaju() const;
    void wybierzArkusz(const Arkusz &a);
    void pokazArkusz();
    void odswiez();
    void pokazDrukarke();
    Arkusz arkuszZPol() const;
    void zapiszArkusz();
    void usunArkusz();
    void zapiszKalibracje();
    void drukujProbe();
    void podglad();
    void drukuj();
    // Asks whether to print labels that do not fit, if there are any.
    bool mimoProblemow(const ZadanieEtykiet &z);
    // The job on the program's printer, chosen already, with progress and "Anuluj";
    // true when printed.
    bool wydrukuj(ZadanieEtykiet z);
    // The offset of the printer chosen: none for output to a file.
    QPointF przesuniecie() const;
    bool zapiszUstawienia();

    std::unique_ptr<Ui::OknoEtykiet> m_ui;
    Dialogi &m_dialogi;
    QPrinter &m_drukarka;
    QString m_plikUstawien;
    const ListaKlientow m_lista;
    WyborWierszy m_wybor;
    QList<int> m_wiersze;
    UstawieniaEtykiet m_ustawienia;
    UstawieniaWsadowe m_koperta;
    std::optional<QString> m_bladKoperty;
    QList<Arkusz> m_szablony;
    bool m_szablonyWczytane = false;
    Arkusz m_arkusz;
    bool m_wypelnianie = false;
};
