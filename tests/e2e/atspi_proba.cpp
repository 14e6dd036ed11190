// A window with one edit field "pole" and one tool button "Zapisz", for checking the
// accessibility set-up: the button writes the field's text, UTF-8, to the file named
// by the first argument.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString wynik = app.arguments().value(1);

    QWidget okno;
    okno.setObjectName(QStringLiteral("proba"));
    okno.setWindowTitle(QStringLiteral("Próba"));
    auto *pole = new QLineEdit(&okno);
    pole->setObjectName(QStringLiteral("pole"));
    pole->setAccessibleName(QStringLiteral("pole"));
    auto *przycisk = new QToolButton(&okno);
    przycisk->setObjectName(QStringLiteral("SpeedButton1"));
    przycisk->setText(QStringLiteral("Zapisz"));
    auto *uklad = new QVBoxLayout(&okno);
    uklad->addWidget(pole);
    uklad->addWidget(przycisk);

    QObject::connect(przycisk, &QToolButton::clicked, [&] {
        QFile f(wynik);
        if (f.open(QIODevice::WriteOnly))
            f.write(pole->text().toUtf8());
    });
    okno.resize(300, 100);
    okno.show();
    return app.exec();
}
