#include "chronione.h"

#include "sciezki.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

struct Tozsamosc
{
    dev_t urzadzenie;
    ino_t inode;
    bool operator==(const Tozsamosc &) const = default;
};

std::optional<Tozsamosc> tozsamosc(const QString &sciezka)
{
    struct stat st;
    if (sciezka.isEmpty() || ::stat(QFile::encodeName(sciezka).constData(), &st) != 0)
        return std::nullopt;
    return Tozsamosc{st.st_dev, st.st_ino};
}

// The record files of a data root, each folder found without regard to letter case.
QStringList plikiDanych(const QString &katalog)
{
    const std::pair<const char *, QStringList> foldery[] = {
        {"\\Admini", {}},
        {"\\Firmy", {QStringLiteral("*.dat")}},
        {"\\Koperty", {QStringLiteral("*.pro"), QStringLiteral("*.rozmiar")}},
        {"\\FONT", {QStringLiteral("*.dat")}},
    };
    QStringList pliki;
    for (const auto &[folder, wzory] : foldery) {
        const QDir d(sciezkaDanych(katalog, QString::fromLatin1(folder)));
        for (const QString &nazwa : d.entryList(wzory, QDir::Files | QDir::Hidden | QDir::System))
            pliki << d.filePath(nazwa);
    }
    return pliki;
}

} // namespace

bool tenSamPlik(const QString &a, const QString &b)
{
    const auto ta = tozsamosc(a);
    return ta && ta == tozsamosc(b);
}

std::optional<QString> wyjscieZastapiloby(const QString &wyjscie, const QStringList &wejscia,
                                          const QStringList &katalogiDanych)
{
    const auto cel = tozsamosc(wyjscie);
    if (!cel)
        return std::nullopt;
    QStringList chronione = wejscia;
    for (const QString &k : katalogiDanych)
        chronione += plikiDanych(k);
    for (const QString &p : chronione)
        if (tozsamosc(p) == cel)
            return QStringLiteral("nie można zapisać do %1: to ten sam plik co %2, z którego program czyta dane; "
                                  "nic nie zapisano")
                .arg(QDir::toNativeSeparators(wyjscie), QDir::toNativeSeparators(p));
    return std::nullopt;
}
