// Prints one page with the word "Proba" whose text cell has its top-left corner at
// (1200, 1800) dots at 600 dpi, i.e. 2 by 3 inches (144 by 216 pt) from the paper's
// corner, on the named printer or, with "-o FILE", to a PDF file.
//   druk_proba PRINTER | druk_proba -o FILE.pdf
// Prints the printers Qt sees and the position it drew at; exit code 0 when the job
// was handed over.
#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 2;

    QPrinter drukarka(QPrinter::HighResolution);
    if (args[1] == QLatin1String("-o") && args.size() > 2) {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(args[2]);
    } else {
        bool jest = false;
        for (const QPrinterInfo &p : QPrinterInfo::availablePrinters()) {
            std::printf("printer: %s\n", qPrintable(p.printerName()));
            jest = jest || p.printerName() == args[1];
        }
        if (!jest) {
            std::printf("printer %s not listed\n", qPrintable(args[1]));
            return 1;
        }
        drukarka.setPrinterName(args[1]);
    }
    drukarka.setResolution(600);
    drukarka.setFullPage(true);
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    drukarka.setDocName(QStringLiteral("proba"));

    QPainter p;
    if (!p.begin(&drukarka)) {
        std::printf("cannot begin the job\n");
        return 1;
    }
    const int dpi = drukarka.logicalDpiX();
    QFont czcionka(QStringLiteral("DejaVu Sans"));
    czcionka.setPixelSize(12 * dpi / 72); // 12 pt
    p.setFont(czcionka);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    const QRect komorka(1200, 1800, 4000, 1000);
    p.drawText(komorka, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Proba"));
    p.end();
    std::printf("dpi %d, text cell at (%d, %d) dots\n", dpi, komorka.x(), komorka.y());
    return 0;
}
