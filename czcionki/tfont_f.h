// The print-font window "Fonty": never shown; it owns the font dialog, the print-font
// record in memory and the current print font used by the envelope print.
#pragma once

#include "dialogi.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QWidget>

class Tfont_f : public QWidget
{
    Q_OBJECT
public:
    explicit Tfont_f(QWidget *parent = nullptr);

    // The print-font file: "FONT\" + name, relative to the process's current directory.
    static QString sciezkaPliku(const QString &nazwa);

    // When the file exists, reads its first record into the print-font record and takes
    // the current print font's face and size from it. A missing file changes nothing.
    // False when an error was reported (short, unreadable or read-only file).
    bool CzytajFonty(const QString &nazwa);

    // Presets the font dialog from the file when it exists (else from its last font),
    // runs it and, on OK, writes the file and sets the record and the current print font.
    // The folder FONT is never created. Cancelling changes nothing and returns true;
    // false when an error was reported.
    bool ZapiszFonty(const QString &nazwa);

    // The print-font record in memory: printing takes the style and the colour from it.
    const QByteArray &rekord() const { return m_rekord; }
    quint8 styl() const;
    qint32 kolor() const;
    QColor kolorDruku() const; // the colour as drawn (system colours resolved)

    // The current print font: printing takes the face and the size from it.
    QString nazwaCzcionki() const { return m_nazwa; }
    qint32 wielkoscCzcionki() const { return m_wielkosc; }

    // The font dialog's font and colour (what it opens with next).
    const WyborCzcionki &FontDialog1() const { return m_dialog; }

public slots:
    void FormCreate() {}

private:
    QByteArray m_rekord;
    QString m_nazwa;
    qint32 m_wielkosc = 0;
    WyborCzcionki m_dialog;
};
