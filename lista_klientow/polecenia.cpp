#include "polecenia.h"

#include "aplikacja.h"
#include "polecenie.h"

#include <QGuiApplication>

#include <functional>
#include <map>

namespace Polecenia {
namespace {

const std::map<QString, std::function<int(const QStringList &)>> &polecenia()
{
    static const std::map<QString, std::function<int(const QStringList &)>> p{
        {QStringLiteral("koperty"), koperty},
        {QStringLiteral("etykiety"), etykiety},
        {QStringLiteral("eksport"), eksport},
        {QStringLiteral("import"), import},
    };
    return p;
}

QString pomocOgolna()
{
    return QStringLiteral("Użycie: lista_klientow [polecenie] [opcje]\n"
                          "\n"
                          "Bez polecenia program otwiera okno listy klientów.\n"
                          "\n"
                          "Polecenia (działają bez okna i bez ekranu):\n"
                          "  koperty   drukuje koperty dla klientów listy do pliku PDF albo na drukarkę\n"
                          "  etykiety  drukuje etykiety adresowe klientów listy na arkuszach A4\n"
                          "  eksport   zapisuje klientów listy do pliku CSV albo vCard\n"
                          "  import    dodaje klientów z pliku CSV albo vCard do wolnych wierszy listy\n"
                          "\n"
                          "Opcje każdego polecenia: lista_klientow <polecenie> --help\n"
                          "Katalog danych (ustalenia kopert, dane firmy, podpisy pól) wynika z bieżącego katalogu,\n"
                          "tak jak przy uruchomieniu programu.\n");
}

} // namespace

bool jestPolecenie(int argc)
{
    return argc > 1;
}

int uruchom(int argc, char **argv)
{
    // No window and no display: pictures and fonts work on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's note that it made a runtime folder of its own is no news to a command's user.
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst) {
        if (!tekst.startsWith(QLatin1String("QStandardPaths:")))
            pisz(stderr, qFormatLogMessage(typ, kontekst, tekst) + u'\n');
    });
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lista_klientow"));
    zaladujTlumaczenia(app);

    QStringList argumenty = QCoreApplication::arguments().mid(1);
    const QString nazwa = argumenty.takeFirst();
    if (nazwa == u"--help" || nazwa == u"-h" || nazwa == u"pomoc") {
        pisz(stdout, pomocOgolna());
        return 0;
    }
    const auto p = polecenia().find(nazwa);
    if (p == polecenia().end()) {
        pisz(stderr, QStringLiteral("lista_klientow: nieznane polecenie \"%1\"\n\n").arg(nazwa) + pomocOgolna());
        return ZlePolecenie;
    }
    return p->second(argumenty);
}

} // namespace Polecenia
