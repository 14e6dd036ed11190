// The envelope window (its layout is tkoperta_f.ui): sender and recipient lines, size presets, the logo, the print
// font and the orientation, kept as defaults in ADMINI and as named profiles (".pro").
#pragma once

#include "druk_koperty.h"
#include "fontydruku.h"
#include "magazynkoperty.h"
#include "rozmiarkoperty.h"
#include "stankoperty.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <array>

#include <memory>

class QLineEdit;
class QRadioButton;
class QTimer;
class Dialogi;
class Kontekst;
class WspolnaDrukarka;

namespace Ui {
class Tkoperta_f;
}

class Tkoperta_f : public QWidget
{
    Q_OBJECT
public:
    // When the set-up (FormCreate) runs: as the window is built, or when it is first
    // shown or prints (the program makes the window only then, its files were checked
    // at start by MagazynKoperty::utworzBrakujace).
    enum class Ustawienia { Teraz, PrzyPierwszymUzyciu };

    // Builds the window hidden. The data root and the print-font file are found through
    // `kontekst`; every question, notice and standard dialog goes through `dialogi`; it
    // prints on `drukarka`. All three must outlive the window.
    Tkoperta_f(Kontekst &kontekst, Dialogi &dialogi, WspolnaDrukarka &drukarka, QWidget *parent = nullptr,
               Ustawienia kiedy = Ustawienia::Teraz);
    ~Tkoperta_f() override;

    // The logo picture at its own size, as the print routine draws it;
    // null when no picture is held.
    QImage obrazDruku() const { return m_obrazDruku; }
    // The preview picture (Image2).
    QImage obrazPodgladu() const { return m_obrazPodgladu; }
    // Whether the logo is to be printed: "drukuj obrazek" ticked and enabled (a
    // disabled box, whose picture file is missing or detached, counts as unticked).
    bool drukujLogo() const;
    // Number of the checked size preset, 1..4, or 0.
    int wybranyRozmiar() const;

    // Shows the window for one client: the sender lines n1..n4 and the recipient lines
    // o2..o5, then the set-up (defaults and form of address) and the window, not modal.
    // False when the set-up failed (reported); the window is then not shown.
    bool pokazDlaKlienta(const std::array<QString, 4> &nadawca, const std::array<QString, 4> &odbiorca);

    // The envelope data root resolved by the last set-up.
    QString katalogDanych() const { return m_magazyn.katalog(); }
    // The working copies of the record files.
    const BuforyKoperty &bufory() const { return m_magazyn.bufory(); }
    // The print font and the chooser that "Czcionka druku" opens.
    const FontyDruku &fonty() const { return m_fonty; }

    // The settings as the controls hold them.
    UstawieniaKoperty ustawienia() const;
    // The envelope size chosen ("Jak w drukarce": the print dialog's paper).
    RozmiarKoperty rozmiarKoperty() const;

    // Prints one envelope per recipient (their o2..o5 lines), in the given order, as one
    // job with the window's current settings; the sender lines are the window's n1..n4
    // when any holds text, else `nadawcaFirmy`. Runs the set-up first when it never ran.
    // The print dialog, then a preview offered, progress with "Anuluj" for a long job;
    // a failure or cancel aborts the whole job and says how many pages were sent.
    // Writes no data file. True when printed.
    bool drukujDlaKlientow(QWidget *rodzic, const std::array<QString, 4> &nadawcaFirmy,
                           const QList<std::array<QString, 4>> &odbiorcy);

public slots:
    // Set-up: resolves the envelope data root from the working directory, creates any
    // missing defaults file and loads the defaults and the form of address. Leaves
    // n1..n4 and o2..o5 alone. False when an error was reported (the rest not run).
    bool FormCreate();

    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void SpeedButton1Click();  // "Koniec"
    void SpeedButton2Click();  // "Zapisz ustalenia jako domyślne"
    void SpeedButton3Click();  // "Czcionka druku"
    void SpeedButton4Click();  // "Drukuj kopertę"
    void SpeedButton6Click();  // "Dołącz obrazek"
    void SpeedButton7Click();  // "Odłącz obrazek"
    void SpeedButton8Click();  // "Powrót"
    void SpeedButton9Click();  // "Pomoc"
    void SpeedButton10Click(); // "Czytaj profil"
    void SpeedButton11Click(); // "Zapisz profil"
    void SpeedButton12Click(); // "Czytaj ustalenia domyślne"
    void podgladClick();       // "Podgląd": a preview drawn by the print routine
    void Timer1Timer();

protected:
    // The window manager's close and Escape run "Koniec" (SpeedButton1Click).
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    // What the form cannot hold: the style's pictures, the stamp, the memo texts, the clock.
    void wykonczWyglad();
    void polacz();
    std::array<QString, 4> odbiorcaOkna() const;
    // One envelope's print data as the window stands, for these recipient lines (and
    // these sender lines instead of n1..n4 when given).
    DaneKoperty daneDruku(const std::array<QString, 4> &odbiorca,
                          const std::array<QString, 4> *nadawca = nullptr) const;
    void ustawRozmiarKoperty(RozmiarKoperty r);
    QRadioButton *przyciskRozmiaru(int numer) const;
    QLineEdit *poleOdLewej(int numer) const;
    QLineEdit *poleOdGory(int numer) const;
    void etykietaRozmiaru(int numer);
    // The settings as the controls hold them, with the preset label, the logo box and the
    // picture; and the controls made to show such settings.
    StanKoperty stan() const;
    void pokaz(const StanKoperty &s);
    // Shows a failed record operation; true when there was one.
    bool blad(const BladIO &b);
    // Reports what an operation on the settings could not do; true when it ran to its end.
    bool pokazBledy(const WynikUstawien &w);
    void przejdzDoKataloguDanych();

    std::unique_ptr<Ui::Tkoperta_f> m_ui;
    QTimer *m_zegar = nullptr;
    Kontekst &m_kontekst;
    Dialogi &m_dialogi;
    WspolnaDrukarka &m_drukarka;
    MagazynKoperty m_magazyn;
    FontyDruku m_fonty;
    QImage m_obrazDruku;
    QImage m_obrazPodgladu;
    QImage m_zastepczy;
    bool m_ustawione = false; // the set-up has run since start
};
