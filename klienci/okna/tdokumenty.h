// The client list window: the program's main window. It shows the current list file in
// the list box `lista`, the selected row in 13 edit fields, and the commands at the right.
// The open list and its file live in OtwartaLista; this class turns clicks into calls and
// shows their results. The layout is tdokumenty.ui.
#pragma once

#include "narzedzia_klienta.h"
#include "oknawymiany.h"
#include "otwartalista.h"
#include "wyborklientow.h"

#include <QKeySequence>
#include <QWidget>

#include <functional>
#include <memory>

class Dialogi;
class Kontekst;
class ObserwatorPliku;
class QLineEdit;
class QTimer;

namespace Ui {
class Tdokumenty;
}

// What the client list window asks of the envelope window, which belongs to another unit
// and is made when first needed: the program main wires it. Unset, "Koperta" and "Koperty
// dla wielu" do nothing.
struct OknoKoperty
{
    // "Koperta": the envelope window for one client, with the sender lines n1..n4 and the
    // recipient lines o2..o5.
    std::function<void(const std::array<QString, 4> &nadawca, const std::array<QString, 4> &odbiorca)> pokazDlaKlienta;
    // "Koperty dla wielu": one job of envelopes for the recipients (their o2..o5 lines), the
    // firm's sender lines where the envelope window holds none. True when printed.
    std::function<bool(QWidget *rodzic, const std::array<QString, 4> &nadawcaFirmy,
                       const QList<std::array<QString, 4>> &odbiorcy)>
        drukujDlaKlientow;
};

// What the client list window asks of the labels dialog, which belongs to another unit:
// the program main wires it. Unset, "Etykiety" does nothing.
struct OknoEtykietKlientow
{
    // Runs the chooser over `lista` with the rows `zaznaczone` checked: the rows chosen.
    using Wybor = std::function<QList<int>(QWidget *rodzic, const ListaKlientow &lista, const QList<int> &zaznaczone)>;
    // "Etykiety": the labels dialog for rows of `lista` (whose data root is
    // `katalogDanych`), chosen by `wybor`, which the dialog runs as it opens and whenever
    // the choice is changed.
    std::function<void(QWidget *rodzic, const QString &katalogDanych, const ListaKlientow &lista, Wybor wybor)> pokaz;
};

class Tdokumenty : public QWidget
{
    Q_OBJECT
public:
    // Every question, notice and standard dialog goes through `dialogi`; `kontekst` and
    // `dialogi` must outlive the window.
    Tdokumenty(Kontekst &kontekst, Dialogi &dialogi, QWidget *parent = nullptr);
    ~Tdokumenty() override;

    // The 36 lines of the help panel.
    static QStringList tekstPomocy();
    // The opacity settings of the fade-out: 255, 250, ... 10.
    static QList<int> krokiWygaszania();

    // The data root, resolved at creation.
    QString katalogDanych() const { return m_katalogDanych; }
    // The current list file: "klienci.dat" until a list is created or read.
    QString biezacaLista() const { return m_otwarta.biezacaLista(); }
    const ListaKlientow &listaKlientow() const { return m_otwarta.lista(); }

    // The envelope window, as "Koperta" and "Koperty dla wielu" reach it.
    void ustawKoperte(OknoKoperty okno) { m_koperta = std::move(okno); }
    // What "Koperty dla wielu" asks for the rows to print (none: nothing is printed);
    // the chooser unless a test puts a script here.
    std::function<QList<int>(QWidget *, const ListaKlientow &)> wybierzDoKopert = wybierzKlientow;
    // The labels dialog, as "Etykiety" reaches it.
    void ustawEtykiety(OknoEtykietKlientow okno) { m_etykiety = std::move(okno); }
    // The chooser of "Etykiety", with the rows chosen before checked; a test may put a
    // script here.
    OknoEtykietKlientow::Wybor wybierzDoEtykiet = ::wybierzDoEtykiet;
    // Where "O kliencie" and "Dokumenty" look their tools up: the folder beside which
    // they stand (the program's own folder unless changed) and then the search path
    // (empty: the system's PATH).
    void ustawMiejsceNarzedzi(const QString &katalogProgramu, const QStringList &sciezki)
    {
        m_katalogNarzedzi = katalogProgramu;
        m_sciezkiNarzedzi = sciezki;
    }

    // The texts of the 13 edit fields in column order (lp first).
    Klienci::TekstyWiersza tekstyPol() const;
    // Fills the list box again from the rows in memory.
    void odbuduj();
    // The last explanation given beside an edit field (a character refused), or empty.
    QString uwagaPol() const { return m_uwagaPol; }
    // How many changes made in this window "Cofnij" can still undo.
    int krokiDoCofniecia() const { return m_otwarta.krokiDoCofniecia(); }
    // The last step of quitting, after the fade-out. Ends the event loop unless a test
    // puts something else here.
    std::function<void()> zakonczProces;
    // The opacities set by the last fade-out, in order.
    QList<int> ostatnieWygaszanie;
    // The dialogs of "Eksport" and "Import"; a test may put scripted ones here.
    OknaWymiany oknaWymiany;

protected:
    void closeEvent(QCloseEvent *zdarzenie) override;
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    void wykonczWyglad();
    void utworzTekstPomocy();
    void polacz();
    void przyUtworzeniu();
    void odswiezZegar();
    bool pytajOKoniec();
    void wygaszaj();

    std::array<QLineEdit *, Klienci::LiczbaKolumn> polaEdycji() const;
    void ustawPolaEdycji(const Klienci::TekstyWiersza &teksty);
    void pokazWiersz(int wiersz);
    // True when a list is open and the 12 texts of the edit fields differ from the row last shown.
    bool polaZmienione() const;
    // Before the fields are refilled by a move away from the row shown: asks whether to add
    // changes that were never added. False: the user cancelled, or the add failed; stay.
    bool zachowajZmiany();
    // Rebuilds the lines after another program saved the file; the fields stay as they are.
    void poZmianieNaDysku();
    void ustawKlawiature();
    void pokazUwagePola(QLineEdit *pole, const QString &tekst);
    void zaznacz(int wiersz);
    // Reads the current file again and shows the selected row.
    void czytajZaznaczonyWiersz();
    // Shows the error or the busy lock, or the list as the file now holds it with `wiersz`
    // selected; true when the change was saved.
    bool pokazPoZapisie(const WspolnaLista::Wynik &wynik, int wiersz);
    // Makes the window show the newly current list: title, lines, row 1, list commands.
    void pokazOtwartaListe();
    // Makes the window show no list, as at start: no lines, empty fields, the list
    // commands disabled.
    void pokazBezListy();
    void wlaczPoleceniaListy(bool wlaczone);
    // The target row named by `lp`, or -1 after telling the user that it names none.
    int wierszDocelowy();
    QString wybierzPlikListy(bool zapis, const QString &katalog);
    void sortuj(Klienci::Kierunek kierunek);

    // The row's texts as the user saw them: the row shown in the fields as it was put
    // there, any other as the list box shows it.
    Klienci::TekstyWiersza widzianyWiersz(int wiersz) const;
    enum class ZapisWiersza {
        Zapisany,
        Niezapisany, // nothing written: the list stayed locked, or the user kept another's change
        Blad,        // the read or save failed (reported)
    };
    // Writes the texts into the row while it holds what the user saw (`widziany`); when
    // someone else changed it meanwhile, asks, naming what it holds now and ending with
    // `pytanie`, and writes over that only on "Tak".
    ZapisWiersza zapiszWiersz(int wiersz, const Klienci::TekstyWiersza &teksty, Klienci::TekstyWiersza widziany,
                              const QString &pytanie);
    bool dodajDoListy();
    // Before "Dodaj do listy" stores a NIP that another row holds: the client tools key
    // their notes and documents by NIP, so the user is asked (default "Nie").
    bool potwierdzNip(int wiersz, const Klienci::TekstyWiersza &teksty);
    void usunWpis();
    void szukajMiejsca();
    void szukajDanych();
    void szukajDalej();
    void cofnijZmiane();
    void nowaLista();
    void czytajListe();
    void usunListe();
    void pokazKoperte();
    void eksportujKlientow();
    void importujKlientow();
    void kopertyDlaWielu();
    void drukujEtykiety();

    std::unique_ptr<Ui::Tdokumenty> m_ui;
    Kontekst &m_kontekst;
    Dialogi &m_dialogi;
    OtwartaLista m_otwarta;
    QTimer *m_zegar = nullptr;
    QString m_katalogDanych;
    QString m_formatCzasu;
    // The open dialog's folder ("Firmy" relative to the working directory until the
    // first "Czytaj listę"), and the last path chosen in each file dialog.
    QString m_katalogOtwierania;
    QString m_ostatniOtwarty;
    QString m_ostatniZapisany;
    KatalogWymiany m_katalogWymiany;
    bool m_zaznaczanie = false;
    ObserwatorPliku *m_obserwator = nullptr;
    // The row last put into the edit fields, and its texts as the fields showed them.
    int m_wierszPokazany = -1;
    Klienci::TekstyWiersza m_pokazane;
    bool m_listaOtwarta = false;
    QString m_szukany;
    QString m_uwagaPol;
    QList<QKeySequence> m_skroty;
    int m_wierszPrzedNacisnieciem = -1;
    KopiaFirmy m_firma;
    OknoKoperty m_koperta;
    OknoEtykietKlientow m_etykiety;
    QString m_katalogNarzedzi;
    QStringList m_sciezkiNarzedzi;
    // Lists already said to be unprotected (a mount without locks): once per list.
    QStringList m_bezOchrony;
};
