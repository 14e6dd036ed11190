// Test helpers for printed PDF files, read with poppler's tools: the words and their
// boxes (pdftotext -bbox), the fonts (pdffonts), the pictures (pdfimages -list) and a
// rendering of the page (pdftocairo).
#pragma once

#include <QImage>
#include <QList>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

struct Slowo
{
    QString tekst;
    double xMin, yMin, xMax, yMax; // points
};

struct StronaPdf
{
    double szerokosc = 0, wysokosc = 0; // points
    QList<Slowo> slowa;
    const Slowo *znajdz(const QString &t) const
    {
        for (const Slowo &s : slowa)
            if (s.tekst == t)
                return &s;
        return nullptr;
    }
};

// Standard output of a program that ended well; empty otherwise.
inline QString uruchom(const QString &program, const QStringList &argumenty)
{
    QProcess p;
    p.start(program, argumenty);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The size and the words of `-bbox` output: of its first page, or of every page.
inline StronaPdf stronaBbox(const QString &html)
{
    StronaPdf s;
    static const QRegularExpression strona(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression slowo(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    if (const auto m = strona.match(html); m.hasMatch()) {
        s.szerokosc = m.captured(1).toDouble();
        s.wysokosc = m.captured(2).toDouble();
    }
    for (auto it = slowo.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        s.slowa.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                        m.captured(4).toDouble()});
    }
    return s;
}

// The first page's size and the words (of all pages).
inline StronaPdf czytajStrone(const QString &pdf)
{
    return stronaBbox(uruchom(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
}

// Every page's size and words, in page order.
inline QList<StronaPdf> czytajStrony(const QString &pdf)
{
    QList<StronaPdf> strony;
    const QString html = uruchom(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (const QString &kawalek : html.split(QStringLiteral("</page>")))
        if (kawalek.contains(QLatin1String("<page ")))
            strony.append(stronaBbox(kawalek));
    return strony;
}

// Sends the printer's output to a PDF file on A4 at 600 dpi.
inline void doPdf(QPrinter &d, const QString &plik)
{
    d.setOutputFormat(QPrinter::PdfFormat);
    d.setOutputFileName(plik);
    d.setResolution(600);
    d.setPageSize(QPageSize(QPageSize::A4));
}

// Dots at 600 dpi to PDF points.
inline double pt(int kropki)
{
    return kropki * 72.0 / 600.0;
}

// The page holds exactly these words, each with its top-left corner at its point (dots
// at 600 dpi).
inline void sprawdzPolozenia(const StronaPdf &s, const QList<std::pair<QString, QPoint>> &oczekiwane)
{
    QCOMPARE(s.slowa.size(), oczekiwane.size());
    for (const auto &[tekst, punkt] : oczekiwane) {
        const Slowo *w = s.znajdz(tekst);
        QVERIFY2(w, qPrintable(tekst));
        QVERIFY2(qAbs(w->xMin - pt(punkt.x())) < 0.5, qPrintable(tekst));
        QVERIFY2(qAbs(w->yMin - pt(punkt.y())) < 1.0, qPrintable(tekst));
    }
}

// The fonts of a PDF, without the subset prefix ("ABCDEF+").
inline QStringList czcionkiPdf(const QString &pdf)
{
    QStringList nazwy;
    const QStringList wiersze = uruchom(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < wiersze.size(); ++i) { // two header lines
        QString nazwa = wiersze[i].section(u' ', 0, 0);
        nazwa = nazwa.mid(nazwa.indexOf(u'+') + 1);
        if (!nazwy.contains(nazwa))
            nazwy.append(nazwa);
    }
    return nazwy;
}

// Number of pictures in a PDF.
inline int liczbaObrazowPdf(const QString &pdf)
{
    const QString lista = uruchom(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    return int(lista.split(u'\n', Qt::SkipEmptyParts).size()) - 2; // two header lines
}

// The page's top-left corner, w x h dots at 600 dpi.
inline QImage renderuj(const QString &pdf, int w, int h)
{
    const QString png = pdf + QStringLiteral(".obraz");
    uruchom(QStringLiteral("pdftocairo"), {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-W"),
                                           QString::number(w), QStringLiteral("-H"), QString::number(h),
                                           QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, png});
    return QImage(png + QStringLiteral(".png"));
}

// Pictures are stored as JPEG: colours are compared with a tolerance.
inline bool czerwony(const QColor &c)
{
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
