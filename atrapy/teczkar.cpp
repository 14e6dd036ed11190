// Stand-in documents tool: a list of document files kept for one client, each opened
// with the desktop's default program.
// Usage: teczkar <nip>.kom "Dokumenty dla: <nazwa> "
// The list (one path a line) is kept in Dokumenty/<nip>.kom under the current directory.

#include "aplikacja.h"
#include "dialogi.h"
#include "magazyn.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("Użycie: teczkar <nip>.kom \"Dokumenty dla: <nazwa> \"\n", stderr);
        return 2;
    }
    // Taken before QApplication, which removes the options it knows from argv.
    const QString nazwaPliku = QString::fromLocal8Bit(argv[1]);
    const QString tytul = QString::fromLocal8Bit(argv[2]);

    QApplication app(argc, argv);
    PrawdziweDialogi dialogi;
    zaladujTlumaczenia(app);

    const std::optional<QString> sciezka = sciezkaMagazynu(QStringLiteral("Dokumenty"), nazwaPliku);
    if (!sciezka) {
        dialogi.blad(nullptr, QStringLiteral("Niepoprawna nazwa pliku: ") + nazwaPliku);
        return 2;
    }

    QWidget okno;
    okno.setObjectName(QStringLiteral("teczkar"));
    okno.setWindowTitle(tytul);
    okno.resize(560, 360);

    auto *lista = new QListWidget(&okno);
    lista->setObjectName(QStringLiteral("lista"));
    lista->setAccessibleName(QStringLiteral("Dokumenty"));
    const auto przycisk = [&](const char *nazwa, const QString &napis) {
        auto *b = new QPushButton(napis, &okno);
        b->setObjectName(QLatin1String(nazwa));
        return b;
    };
    QPushButton *dodaj = przycisk("dodaj", QStringLiteral("Dodaj dokument"));
    QPushButton *usun = przycisk("usun", QStringLiteral("Usuń z listy"));
    QPushButton *otworz = przycisk("otworz", QStringLiteral("Otwórz"));
    QPushButton *zamknij = przycisk("zamknij", QStringLiteral("Zamknij"));

    auto *przyciski = new QHBoxLayout;
    for (QPushButton *b : {dodaj, usun, otworz})
        przyciski->addWidget(b);
    przyciski->addStretch();
    przyciski->addWidget(zamknij);
    auto *uklad = new QVBoxLayout(&okno);
    uklad->addWidget(lista);
    uklad->addLayout(przyciski);

    QByteArray dane;
    if (const BladIO blad = czytajMagazyn(*sciezka, dane)) {
        pokazBlad(dialogi, &okno, blad);
        return 1; // do not risk overwriting a list that could not be read
    }
    for (const QString &wiersz : QString::fromUtf8(dane).split(u'\n', Qt::SkipEmptyParts))
        lista->addItem(wiersz);

    // Every change is saved at once.
    const auto zapiszListe = [&]() {
        QString tekst;
        for (int i = 0; i < lista->count(); ++i)
            tekst += lista->item(i)->text() + u'\n';
        if (const BladIO blad = zapiszMagazyn(*sciezka, tekst.toUtf8()))
            pokazBlad(dialogi, &okno, blad);
    };
    const auto otworzBiezacy = [&]() {
        const QListWidgetItem *w = lista->currentItem();
        if (w && !QDesktopServices::openUrl(QUrl::fromLocalFile(w->text())))
            dialogi.informacja(&okno, QStringLiteral("Nie można otworzyć dokumentu: ") + w->text());
    };

    QObject::connect(dodaj, &QPushButton::clicked, &okno, [&]() {
        UstawieniaPliku u;
        u.filtr = QStringLiteral("Wszystkie pliki (*)");
        const QString plik = dialogi.otworzPlik(&okno, u);
        if (plik.isEmpty())
            return;
        lista->addItem(plik);
        lista->setCurrentRow(lista->count() - 1);
        zapiszListe();
    });
    QObject::connect(usun, &QPushButton::clicked, &okno, [&]() {
        if (lista->currentRow() < 0)
            return;
        delete lista->takeItem(lista->currentRow());
        zapiszListe();
    });
    QObject::connect(otworz, &QPushButton::clicked, &okno, otworzBiezacy);
    QObject::connect(lista, &QListWidget::itemActivated, &okno, otworzBiezacy);
    QObject::connect(zamknij, &QPushButton::clicked, &okno, &QWidget::close);

    if (const auto srodek = srodekOknaWywolujacego()) {
        const QSize rozmiar = okno.testAttribute(Qt::WA_Resized) ? okno.size() : okno.sizeHint();
        okno.move(*srodek - QPoint(rozmiar.width() / 2, rozmiar.height() / 2));
    }
    okno.show();
    return app.exec();
}
