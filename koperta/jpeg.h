// The logo picture: JPEG files decoded with libjpeg-turbo (TurboJPEG API), other
// formats such as PNG read with Qt's image readers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

struct ObrazJpeg
{
    QImage obraz; // RGB, null on failure
    QString blad; // why the picture could not be loaded; empty on success
    bool ok() const { return blad.isEmpty(); }
};

// Decodes a whole JPEG file held in memory. Damaged, truncated, empty and non-JPEG
// data give an error text, never a crash. CMYK pictures (common for logos prepared for
// print) are converted to RGB, whether their values are stored inverted, as Adobe
// programs write them, or plain.
ObrazJpeg dekodujJpeg(QByteArrayView dane);

// Reads a logo file: JPEG through the decoder above, PNG and the other formats Qt reads
// through its readers (transparent parts become white). Every error text is Polish.
ObrazJpeg wczytajObrazek(const QString &sciezka);

// The logo file named in the envelope settings. The suite's Windows modules store it as
// "C:\Logo\firma.jpg" or "\\serwer\udzial\logo.jpg": it is mapped like the data paths
// and looked up without regard to letter case.
QString sciezkaObrazka(const QString &zapisana);
