// The client list window: the program's main window. It shows the current list file in
// the list box `lista`, the selected row in 13 edit fields, and the commands at the right.
// The list itself and its file live in ListaKlientow; this class turns clicks into calls.
#pragma once

#include "listaklientow.h"
#include "narzedzia_klienta.h"

#include <QWidget>

#include <functional>

class PoleNip;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class Tkoperta_f;

class Tdokumenty : public QWidget
{
    Q_OBJECT
public:
    explicit Tdokumenty(QWidget *parent = nullptr);

    // The 36 lines of the help panel.
    static QStringList tekstPomocy();
    // The opacity settings of the fade-out: 255, 250, ... 10.
    static QList<int> krokiWygaszania();

    // The data root, resolved at creation.
    QString katalogDanych() const { return m_katalogDanych; }
    // The current list file: "klienci.dat" until a list is created or read.
    QString biezacaLista() const { return m_biezacaLista; }
    ListaKlientow &listaKlientow() { return m_lista; }
    const ListaKlientow &listaKlientow() const { return m_lista; }

    // The envelope window that "Koperta" fills and shows (created after this window).
    void ustawKoperte(Tkoperta_f *koperta_f) { m_koperta_f = koperta_f; }
    Tkoperta_f *koperta_f() const { return m_koperta_f; }
    // The copy of the firm record, kept for the whole run.
    const KopiaFirmy &kopiaFirmy() const { return m_firma; }
    // Where "O kliencie" and "Dokumenty" look their tools up: the folder beside which
    // they stand (the program's own folder unless changed) and then the search path
    // (empty: the system's PATH).
    void ustawMiejsceNarzedzi(const QString &katalogProgramu, const QStringList &sciezki)
    {
        m_katalogNarzedzi = katalogProgramu;
        m_sciezkiNarzedzi = sciezki;
    }

    // The edit fields in column order (lp first).
    std::array<QLineEdit *, Klienci::LiczbaKolumn> polaEdycji() const;
    Klienci::TekstyWiersza tekstyPol() const;

    // The list operations on the window.
    void odbuduj();             // clears `lista` and adds the 501 lines
    void pokazWiersz(int wiersz); // fills the edit fields from the row, selects its line

    // The last step of quitting, after the fade-out. Ends the event loop unless a test
    // puts something else here.
    std::function<void()> zakonczProces;
    // The opacities set by the last fade-out, in order.
    QList<int> ostatnieWygaszanie;

    // Controls under their design names.
    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QWidget *Panel3 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Image1 = nullptr;
    QListWidget *lista = nullptr;
    QLineEdit *lp = nullptr;
    QLineEdit *nazwa1 = nullptr;
    QLineEdit *nazwa2 = nullptr;
    QLineEdit *ulica = nullptr;
    QLineEdit *miejscowosc = nullptr;
    PoleNip *nip = nullptr;
    QLineEdit *opis = nullptr;
    QLineEdit *info1 = nullptr;
    QLineEdit *info2 = nullptr;
    QLineEdit *info3 = nullptr;
    QLineEdit *info4 = nullptr;
    QLineEdit *info5 = nullptr;
    QLineEdit *info6 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;  // "Zamknij moduł"
    QToolButton *SpeedButton2 = nullptr;  // "Sortowanie" Z to A
    QToolButton *SpeedButton3 = nullptr;  // "Sortowanie" A to Z
    QToolButton *SpeedButton4 = nullptr;  // "Usuń wpis"
    QToolButton *SpeedButton5 = nullptr;  // "Pomoc"
    QToolButton *SpeedButton6 = nullptr;  // "Dodaj do listy"
    QToolButton *SpeedButton7 = nullptr;  // "Koniec pomocy"
    QToolButton *SpeedButton8 = nullptr;  // "Szukaj miejsca"
    QToolButton *SpeedButton9 = nullptr;  // "Szukaj danych"
    QToolButton *SpeedButton10 = nullptr; // "Nowa lista"
    QToolButton *SpeedButton11 = nullptr; // "Czytaj listę"
    QToolButton *SpeedButton12 = nullptr; // "Usuń listę"
    QToolButton *SpeedButton13 = nullptr; // "O kliencie"
    QToolButton *SpeedButton14 = nullptr; // "Koperta"
    QToolButton *SpeedButton15 = nullptr; // "Dokumenty"
    QTimer *Timer1 = nullptr;

public slots:
    void FormCreate();
    void Timer1Timer();
    void Wygaszaj();
    void listaClick();
    void SpeedButton1Click();  // quit
    void SpeedButton2Click();  // sort Z to A
    void SpeedButton3Click();  // sort A to Z
    void SpeedButton4Click();  // delete entry
    void SpeedButton5Click();  // help
    void SpeedButton6Click();  // add or correct entry
    void SpeedButton7Click();  // end of help
    void SpeedButton8Click();  // first free row
    void SpeedButton9Click();  // search
    void SpeedButton10Click(); // new list
    void SpeedButton11Click(); // read a list
    void SpeedButton12Click(); // delete a list file
    // The client tools.
    void SpeedButton13Click();
    void SpeedButton14Click();
    void SpeedButton15Click();

protected:
    void closeEvent(QCloseEvent *zdarzenie) override;
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    void zbuduj();
    bool FormCloseQuery();
    void zakoncz();
    void ustawPolaEdycji(const Klienci::TekstyWiersza &teksty);
    void zaznacz(int wiersz);
    void zmianaWiersza(int wiersz);
    // Makes the file the current list and shows it: title, lines, row 1, list commands.
    void pokazOtwartaListe(const QString &sciezka);
    void ustawKatalogBiezacy();
    // The target row named by `lp`, or -1 after telling the user that it names none.
    int wierszDocelowy();
    QString wybierzPlikListy(bool zapis, const QString &katalog);
    void zapiszIOdswiez(const ListaKlientow &doZapisu, int wiersz);
    void zapiszWiersz(int wiersz);
    void sortuj(Klienci::Kierunek kierunek);
    void uruchomNarzedzieKlienta(Narzedzie narzedzie);

    ListaKlientow m_lista;
    QString m_biezacaLista;
    QString m_katalogDanych;
    QString m_formatCzasu;
    // The open dialog's folder ("Firmy" relative to the current directory until the
    // first "Czytaj listę"), and the last path chosen in each file dialog.
    QString m_katalogOtwierania;
    QString m_ostatniOtwarty;
    QString m_ostatniZapisany;
    bool m_zaznaczanie = false;
    int m_wierszPrzedNacisnieciem = -1;
    KopiaFirmy m_firma;
    Tkoperta_f *m_koperta_f = nullptr;
    QString m_katalogNarzedzi;
    QStringList m_sciezkiNarzedzi;
};
