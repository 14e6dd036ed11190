// Dialogs answered from a script, for tests.
#pragma once

#include "dialogi.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

// Answers dialogs from a script, for tests. Every call is recorded. A dialog that needs
// an answer and finds none (or one of another kind) gets the cancelling answer, and the
// call is listed in `niespodziewane`, so a test can fail on it instead of hanging.
class SkryptDialogi : public Dialogi
{
public:
    struct Wywolanie
    {
        QString rodzaj; // "pytanie" (all three kinds of question), "informacja", "blad", "otworz", "zapisz", "wpisz",
                        // "drukuj", "czcionka"
        QString tekst;  // the message, or the caption/prompt, or the dialog's folder
        UstawieniaPliku plik;   // for the file dialogs
        WyborCzcionki czcionka; // for the font dialog: its preset
    };

    SkryptDialogi &tak();                        // next question: Yes
    SkryptDialogi &nie();                        // next question: No
    SkryptDialogi &plik(const QString &sciezka); // next file dialog: this path
    SkryptDialogi &anuluj();                     // next file, input, print, font or three-way question: Cancel
    SkryptDialogi &tekst(const QString &t);      // next input box: OK with this text
    // next print dialog: OK, after `ustaw` has prepared the printer (e.g. PDF output)
    SkryptDialogi &drukarka(std::function<void(QPrinter *)> ustaw);
    SkryptDialogi &czcionka(const WyborCzcionki &w); // next font dialog: OK with this font

    QList<Wywolanie> wywolania;
    QStringList niespodziewane;
    int pozostaleOdpowiedzi() const { return int(m_odpowiedzi.size()); }
    // The texts of the recorded calls of one kind.
    QStringList teksty(const QString &rodzaj) const;
    void wyczysc();

    bool pytanie(QWidget *rodzic, const QString &tekst) override;
    bool pytanieDomyslnieNie(QWidget *rodzic, const QString &tekst) override;
    std::optional<bool> pytanieZAnuluj(QWidget *rodzic, const QString &tekst) override;
    void informacja(QWidget *rodzic, const QString &tekst) override;
    void blad(QWidget *rodzic, const QString &tekst) override;
    QString otworzPlik(QWidget *rodzic, const UstawieniaPliku &u) override;
    QString zapiszPlik(QWidget *rodzic, const UstawieniaPliku &u) override;
    std::optional<QString> wpisz(QWidget *rodzic, const QString &tytul, const QString &zacheta) override;
    bool drukuj(QWidget *rodzic, QPrinter *drukarka) override;
    std::optional<WyborCzcionki> czcionka(QWidget *rodzic, const WyborCzcionki &poczatkowa) override;

private:
    enum class Rodzaj { Tak, Nie, Plik, Anuluj, Tekst, Drukarka, Czcionka };
    struct Odpowiedz
    {
        Rodzaj rodzaj;
        QString tekst;
        std::function<void(QPrinter *)> ustaw;
        WyborCzcionki czcionka;
    };
    std::optional<Odpowiedz> wez(const QString &rodzaj, std::initializer_list<Rodzaj> pasujace);
    QList<Odpowiedz> m_odpowiedzi;
};
