// Notices when a file was replaced or changed on disk by another program.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// What identifies one version of a file on disk: a safe save renames a new file over the
// old one, so the inode changes with every save, and size and time catch an in-place
// write.
struct StanPliku
{
    bool istnieje = false;
    quint64 inode = 0;
    qint64 rozmiar = 0;
    qint64 czasNs = 0;       // modification time
    qint64 czasZmianyNs = 0; // inode change time

    static StanPliku z(const QString &sciezka);
    bool operator==(const StanPliku &) const = default;
};

// Watches one file. Change notification covers local disks; on network folders, where it
// may never come, the owner's clock tick calls sprawdz(), which costs one stat().
// The owner reports its own saves and reads with przyjmij(), so they raise no signal.
class ObserwatorPliku : public QObject
{
    Q_OBJECT
public:
    explicit ObserwatorPliku(QObject *rodzic = nullptr);

    // Starts watching `sciezka` (an empty path stops), taking its present state as known.
    void obserwuj(const QString &sciezka);
    QString sciezka() const { return m_sciezka; }

    // The file as the owner last saved or read it. Take the state before reading the
    // file, so that a save that slips in between is noticed on the next check.
    void przyjmij(const StanPliku &stan) { m_znany = stan; }
    // Compares the file with the known state; on a difference emits zmienionaNaDysku()
    // once and takes the new state as known.
    void sprawdz();

signals:
    void zmienionaNaDysku();

private:
    void odnowObserwacje();

    QFileSystemWatcher m_obserwator;
    QString m_sciezka;
    StanPliku m_znany;
};
