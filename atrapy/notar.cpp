// Stand-in comments tool: plain-text notes about one client.
// Usage: notar <nip>.kom "Komentarze dla: <nazwa> "
// The notes are kept in Komentarze/<nip>.kom under the current directory.

#include "aplikacja.h"
#include "dialogi.h"
#include "magazyn.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("Użycie: notar <nip>.kom \"Komentarze dla: <nazwa> \"\n", stderr);
        return 2;
    }
    // Taken before QApplication, which removes the options it knows from argv.
    const QString nazwaPliku = QString::fromLocal8Bit(argv[1]);
    const QString tytul = QString::fromLocal8Bit(argv[2]);

    QApplication app(argc, argv);
    PrawdziweDialogi dialogi;
    zaladujTlumaczenia(app);

    const std::optional<QString> sciezka = sciezkaMagazynu(QStringLiteral("Komentarze"), nazwaPliku);
    if (!sciezka) {
        dialogi.blad(nullptr, QStringLiteral("Niepoprawna nazwa pliku: ") + nazwaPliku);
        return 2;
    }

    QWidget okno;
    okno.setObjectName(QStringLiteral("notar"));
    okno.setWindowTitle(tytul);
    okno.resize(520, 380);

    auto *notatki = new QPlainTextEdit(&okno);
    notatki->setObjectName(QStringLiteral("notatki"));
    notatki->setAccessibleName(QStringLiteral("Notatki"));
    auto *zapisz = new QPushButton(QStringLiteral("Zapisz"), &okno);
    zapisz->setObjectName(QStringLiteral("zapisz"));
    auto *zamknij = new QPushButton(QStringLiteral("Zamknij"), &okno);
    zamknij->setObjectName(QStringLiteral("zamknij"));

    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(zamknij);
    auto *uklad = new QVBoxLayout(&okno);
    uklad->addWidget(notatki);
    uklad->addLayout(przyciski);

    QByteArray dane;
    if (const BladIO blad = czytajMagazyn(*sciezka, dane)) {
        pokazBlad(dialogi, &okno, blad);
        return 1; // do not risk overwriting notes that could not be read
    }
    notatki->setPlainText(QString::fromUtf8(dane));
    notatki->document()->setModified(false);

    const auto zapiszNotatki = [&]() {
        if (const BladIO blad = zapiszMagazyn(*sciezka, notatki->toPlainText().toUtf8())) {
            pokazBlad(dialogi, &okno, blad);
            return;
        }
        notatki->document()->setModified(false);
    };
    QObject::connect(zapisz, &QPushButton::clicked, &okno, zapiszNotatki);
    QObject::connect(zamknij, &QPushButton::clicked, &okno, &QWidget::close);
    // Closing keeps what was typed.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&]() {
        if (notatki->document()->isModified())
            zapiszNotatki();
    });

    if (const auto srodek = srodekOknaWywolujacego()) {
        const QSize rozmiar = okno.testAttribute(Qt::WA_Resized) ? okno.size() : okno.sizeHint();
        okno.move(*srodek - QPoint(rozmiar.width() / 2, rozmiar.height() / 2));
    }
    okno.show();
    return app.exec();
}
