// Paths of the data files.
//
// The suite stores and builds paths the Windows way: the data root followed by a
// relative path that begins with a backslash ("\ADMINI\info.dat"), and a network
// setting may hold a Windows path. This program maps them onto the platform:
//
//  - every backslash is a separator; runs of separators count as one, so a root with a
//    trailing separator ("/" + "\Admini\siec.dat") names the same file;
//  - a drive letter is dropped: "C:\Dane\Firma" is "/Dane/Firma" and "C:" alone is "/";
//  - a shared network folder "\\serwer\udzial\Dane" is "/net/serwer/udzial/Dane", where
//    an automounter or a mount made by the administrator puts such shares;
//  - a path that is already a platform path ("/home/biuro/dane") is taken as it is;
//  - each part of the path matches an existing file or folder without regard to letter
//    case ("Admini", "ADMINI" and "admini" name one folder); a part that exists in no
//    spelling keeps the spelling given, so a new file is created under that name.
#pragma once

#include <QString>

// A path held in the suite's Windows form, mapped to a platform path (not looked up).
QString sciezkaZWindows(const QString &sciezka);

// The data root followed by a relative path such as "\ADMINI\info.dat", mapped and
// looked up without regard to letter case.
QString sciezkaDanych(const QString &katalog, const QString &wzgledna);

// Looks each part of a platform path up without regard to letter case.
QString dopasujWielkoscLiter(const QString &sciezka);
