#include "narzedzia_klienta.h"

#include "sciezki.h"
#include "tekst.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString programNarzedzia(Narzedzie n)
{
    return n == Narzedzie::Komentarze ? QStringLiteral("notar") : QStringLiteral("teczkar");
}

QStringList argumentyNarzedzia(Narzedzie n, const QString &nip, const QString &nazwa1)
{
    const QString tytul =
        n == Narzedzie::Komentarze ? QStringLiteral("Komentarze dla: ") : QStringLiteral("Dokumenty dla: ");
    return {nip + QStringLiteral(".kom"), tytul + nazwa1 + QLatin1Char(' ')};
}

QString znajdzNarzedzie(const QString &program, const QString &katalogProgramu, const QStringList &sciezki)
{
    if (!katalogProgramu.isEmpty()) {
        const QFileInfo obok(QDir(katalogProgramu).filePath(program));
        if (obok.isFile() && obok.isExecutable())
            return obok.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(program, sciezki);
}

bool uruchomNarzedzie(Narzedzie n, const QString &nip, const QString &nazwa1)
{
    return uruchomNarzedzie(n, nip, nazwa1, QCoreApplication::applicationDirPath(), {});
}

bool uruchomNarzedzie(Narzedzie n, const QString &nip, const QString &nazwa1, const QString &katalogProgramu,
                      const QStringList &sciezki, std::optional<QPoint> srodekOkna)
{
    const QString sciezka = znajdzNarzedzie(programNarzedzia(n), katalogProgramu, sciezki);
    if (sciezka.isEmpty())
        return false;
    QProcess proces;
    proces.setProgram(sciezka);
    proces.setArguments(argumentyNarzedzia(n, nip, nazwa1));
    if (srodekOkna) {
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.insert(QStringLiteral("LK_SRODEK_OKNA"),
                          QStringLiteral("%1,%2").arg(srodekOkna->x()).arg(srodekOkna->y()));
        proces.setProcessEnvironment(srodowisko);
    }
    return proces.startDetached();
}

BladIO KopiaFirmy::czytaj(const QString &katalogDanych, Otwarcie otwarcie)
{
    const QString sciezka = sciezkaDanych(katalogDanych, QStringLiteral("\\ADMINI\\firma.dat"));
    if (!plikIstnieje(sciezka))
        return {};
    // czytajRekord replaces the record only when it was read whole.
    return czytajRekord(sciezka, m_rekord, RekordFirmy::Rozmiar, otwarcie);
}

QString KopiaFirmy::nadawca(int i) const
{
    return czytajTekst(m_rekord, RekordFirmy::Nadawca.at(i), RekordFirmy::PojemnoscNadawcy);
}

WierszeKopertyKlienta wierszeKopertyKlienta(const KopiaFirmy &firma, const QString &nazwa1, const QString &nazwa2,
                                            const QString &ulica, const QString &miejscowosc)
{
    WierszeKopertyKlienta w;
    for (int i = 0; i < 3; ++i)
        w.nadawca[i] = firma.nadawca(i);
    w.odbiorca = {nazwa1, nazwa2, ulica, miejscowosc};
    return w;
}
