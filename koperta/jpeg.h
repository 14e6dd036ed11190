// The logo picture: JPEG files decoded with libjpeg-turbo (TurboJPEG API).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

struct ObrazJpeg
{
    QImage obraz;  // RGB, null on failure
    QString blad;  // why the picture could not be loaded; empty on success
    bool ok() const { return blad.isEmpty(); }
};

// Decodes a whole JPEG file held in memory. Damaged, truncated, empty and non-JPEG
// data give an error text, never a crash. CMYK pictures (common for logos prepared for
// print) are converted to RGB, whether their values are stored inverted, as Adobe
// programs write them, or plain.
ObrazJpeg dekodujJpeg(QByteArrayView dane);

// Reads the file and decodes it.
ObrazJpeg wczytajJpeg(const QString &sciezka);
