# The typical road through the real program, driven through the accessibility bus:
# "Nowa lista" in Firmy (the real file dialog), three clients with Polish names, a search,
# sorting A to Z, a click on a client, a pass with the keyboard alone (search, add, undo,
# help), "Koperta", a size preset, a logo attached through
# the real open dialog and ticked for printing, "Drukuj kopertę" through
# the real print dialog to the private print queue (portrait, then landscape), "Koniec",
# "Koperty dla wielu" for two clients in one job, and "Zamknij moduł" with "Tak". Then the list file is checked byte for byte and the
# printed pages word by word.
#
# Environment: what run-atspi.sh gives, plus LK_DANE (the data root the program runs in),
# LK_KOLEJKA_WYJSCIE (the queue's PDF folder) and LK_KOPERTA=0 to stop after the list
# part (a program without the envelope print).
import os
import subprocess
import sys
import time

import pyatspi

NAZWA = os.environ["LK_PROGRAM_NAZWA"]
PID = int(os.environ["LK_PROGRAM_PID"])
ARTEFAKTY = os.environ["LK_ARTEFAKTY"]
DANE = os.environ["LK_DANE"]
WYJSCIE = os.environ.get("LK_KOLEJKA_WYJSCIE", "")
KOPERTA = os.environ.get("LK_KOPERTA", "1") != "0"
PLIK_LISTY = "lista_e2e.dat"
LOGO = os.path.join(DANE, "logo.jpg")

KLIENCI = [
    {"nazwa1": "Żabiński Łukasz", "nazwa2": "Usługi Ślusarskie", "ulica": "ul. Źródlana 7",
     "miejscowosc": "90-001 Łódź", "nip": "725.100.20.30", "opis": "stały klient"},
    {"nazwa1": "Kowalczyk Anna", "nazwa2": "Biuro Rachunkowe", "ulica": "ul. Krótka 2",
     "miejscowosc": "30-001 Kraków", "nip": "5260250274", "opis": ""},
    {"nazwa1": "Ąbecki Marian", "nazwa2": "Sklep Spożywczy", "ulica": "ul. Wąska 15",
     "miejscowosc": "80-001 Gdańsk", "nip": "", "opis": "dostawa we wtorki"},
]
NADAWCA = ["Firma Testowa Sp. z o.o.", "ul. Prosta 1", "00-001 Warszawa"]
KOLUMNY = ["lp", "nazwa1", "nazwa2", "ulica", "miejscowosc", "nip", "opis",
           "info1", "info2", "info3", "info4", "info5", "info6"]
POJEMNOSCI = [5, 80, 80, 80, 80, 20, 100, 40, 40, 40, 40, 40, 40]


def nie(tekst):
    print("FAIL:", tekst)
    zrzut("blad.png")
    sys.exit(1)


def czekaj(warunek, opis, limit=20.0):
    koniec = time.time() + limit
    while time.time() < koniec:
        try:
            wynik = warunek()
        except Exception:  # an object went away while it was looked at
            wynik = None
        if wynik:
            return wynik
        time.sleep(0.1)
    nie("timed out waiting for " + opis)


def zrzut(nazwa):
    subprocess.run(["import", "-window", "root", os.path.join(ARTEFAKTY, nazwa)],
                   check=False, timeout=30)


def aplikacja():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == NAZWA:
            return a
    return None


def drzewo(obiekt):
    yield obiekt
    for dziecko in obiekt:
        if dziecko is not None:
            yield from drzewo(dziecko)


def znajdz(korzen, rola, nazwa=None, opis=None, widoczny=True):
    for o in drzewo(korzen):
        if o.getRoleName() != rola or (nazwa is not None and o.name != nazwa):
            continue
        if opis is not None and opis not in o.description:
            continue
        if widoczny and not o.getState().contains(pyatspi.STATE_SHOWING):
            continue
        return o
    return None


def okno_dialogowe(app, rola, nazwa=None):
    for o in app:
        if o is not None and o.getRoleName() == rola and (nazwa is None or o.name == nazwa):
            if o.getState().contains(pyatspi.STATE_SHOWING):
                return o
    return None


def kliknij(obiekt):
    # A synthetic mouse click at the centre: an accessible action would wait for the
    # modal dialogs the handler opens.
    e = obiekt.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(e.x + e.width // 2, e.y + e.height // 2, pyatspi.MOUSE_B1C)


def wpisz(pole, tekst):
    pole.queryEditableText().setTextContents(tekst)
    czekaj(lambda: tekst_pola(pole) == tekst, f"{tekst!r} in the field {pole.name!r}")


def tekst_pola(pole):
    return pole.queryText().getText(0, -1)


def wlaczony(o):
    return o.getState().contains(pyatspi.STATE_ENABLED)


def zyje():
    try:
        os.kill(PID, 0)
        with open(f"/proc/{PID}/stat") as f:
            return f.read().split()[2] != "Z"
    except OSError:
        return False


def odpowiedz(app, pytanie, przycisk):
    alert = czekaj(lambda: okno_dialogowe(app, "alert"), f"the question {pytanie!r}")
    teksty = [o.name for o in drzewo(alert)]
    if not any(pytanie in t for t in teksty):
        nie(f"question {teksty}, expected {pytanie!r}")
    kliknij(czekaj(lambda: znajdz(alert, "push button", przycisk), f"the button {przycisk!r}"))
    # A question that ends the program closes with it; the gone program's tree can no
    # longer be asked.
    czekaj(lambda: not zyje() or okno_dialogowe(app, "alert") is None, "the question to close")


def odpowiedz_tak(app, pytanie):
    odpowiedz(app, pytanie, "Tak")


def cp1250(t):
    return t.encode("cp1250")


ALFABET = "aąbcćdeęfghijklłmnńoóp qrsśtuvwxyzźż".replace(" ", "")


def klucz_polski(t):
    """The Polish alphabetical order of the names used here (letters only, case ignored)."""
    return [ALFABET.index(z) if z in ALFABET else 100 + ord(z) for z in t.lower()]


def oczekiwana_lista(wiersze):
    """The list file: column after column, 501 entries each, texts zero-padded."""
    dane = bytearray()
    for k, pojemnosc in enumerate(POJEMNOSCI):
        for w in range(501):
            if k == 0:
                b = (f"0{w + 1}" if w < 9 else str(w + 1)).encode("ascii")
            else:
                b = cp1250(wiersze[w].get(KOLUMNY[k], "")) if w < len(wiersze) else b""
            b = b[:pojemnosc]
            dane += bytes([len(b)]) + b + bytes(pojemnosc - len(b))
    return bytes(dane)


def koperty_dla_wielu(app, wybrani, zadanie):
    """"Koperty dla wielu" for the clients `wybrani`: each found by the chooser's filter
    and ticked with "Zaznacz wszystkie", then "Drukuj" and the print dialog's "Wydrukuj"
    on the private queue, "Nie" to the preview. Dialogs answered: the chooser, the print
    dialog and the preview question. The queue's
    PDF must have one page per client, in list order, each with its recipient."""
    polecenie = znajdz(app, "push button", "Koperty dla wielu")
    czekaj(lambda: wlaczony(polecenie), "'Koperty dla wielu' to be enabled")
    kliknij(polecenie)
    wybor = czekaj(lambda: okno_dialogowe(app, "dialog", "Koperty dla wielu"), "the chooser")
    filtr = czekaj(lambda: znajdz(wybor, "text", "Filtr:"), "the chooser's filter")
    for n, k in enumerate(wybrani, 1):
        wpisz(filtr, k["nazwa1"])
        kliknij(znajdz(wybor, "push button", "Zaznacz wszystkie"))
        licznik = f"Wybrano: {n} z {len(KLIENCI)}"
        czekaj(lambda: znajdz(wybor, "label", licznik), f"the count {licznik!r}")
    wpisz(filtr, "")
    zrzut("10_koperty_dla_wielu.png")
    kliknij(znajdz(wybor, "push button", "Drukuj"))
    czekaj(lambda: okno_dialogowe(app, "dialog", "Koperty dla wielu") is None, "the chooser to close")
    druk = czekaj(lambda: okno_dialogowe(app, "dialog"), "the print dialog")
    kliknij(czekaj(lambda: znajdz(druk, "push button", "Wydrukuj"), "the print dialog's 'Wydrukuj'"))
    czekaj(lambda: okno_dialogowe(app, "dialog") is None, "the print dialog to close")
    odpowiedz(app, "Pokazać podgląd przed drukowaniem?", "Nie")
    pdf = czekaj(lambda: [os.path.join(WYJSCIE, p) for p in os.listdir(WYJSCIE)
                          if p.endswith(f"job_{zadanie}.pdf")], f"the PDF of job {zadanie}", 60)[0]
    czekaj(lambda: os.path.getsize(pdf) > 0, "the PDF to be written")
    time.sleep(0.5)
    kopia = os.path.join(ARTEFAKTY, "koperty_dla_wielu.pdf")
    with open(kopia, "wb") as f:
        f.write(open(pdf, "rb").read())
    # Only ASCII words: Polish letters may not come out of the queue's PDF as text.
    strony = subprocess.run(["pdftotext", kopia, "-"], capture_output=True, text=True,
                            check=True, timeout=60).stdout.split("\f")[:-1]
    if len(strony) != len(wybrani):
        nie(f"job {zadanie}: {len(strony)} pages, expected {len(wybrani)}")
    for strona, k in zip(strony, wybrani):
        kod = k["miejscowosc"].split()[0]
        if NADAWCA[0].split()[0] not in strona or kod not in strona:
            nie(f"job {zadanie}: a page without the sender or {kod!r}: {strona!r}")
    print(f"job {zadanie}: {len(strony)} envelopes for {[k['nazwa1'] for k in wybrani]}")


# ---- the client list window
app = czekaj(aplikacja, "the program on the accessibility bus")
czekaj(lambda: znajdz(app, "push button", "Nowa lista"), "the client list window")
zrzut("01_okno_listy.png")
# The envelope window is made only when first asked for, but the start still creates its
# missing defaults files.
for plik in ("dane_kop_1.dat", "dane_kop_log_1.dat", "dane_kop_for.dat", "dane_kop_ori_1.dat"):
    czekaj(lambda: os.path.getsize(os.path.join(DANE, "Admini", plik)) > 0, f"{plik} made at start")

kliknij(znajdz(app, "push button", "Nowa lista"))
dialog = czekaj(lambda: okno_dialogowe(app, "dialog"), "the save dialog of 'Nowa lista'")
pole_nazwy = czekaj(lambda: znajdz(dialog, "text", "Nazwa pliku:"), "the file-name field")
wpisz(pole_nazwy, PLIK_LISTY)
zrzut("02_nowa_lista.png")
kliknij(czekaj(lambda: znajdz(dialog, "push button", "Zachowaj"), "the button 'Zachowaj'"))
sciezka_listy = os.path.join(DANE, "Firmy", PLIK_LISTY)
czekaj(lambda: os.path.exists(sciezka_listy) and os.path.getsize(sciezka_listy) == 349698,
       "the new list file in Firmy")
lista = czekaj(lambda: znajdz(app, "list", "lista"), "the list box")
czekaj(lambda: lista.childCount == 501, "501 lines in the list box")

pola = {k: czekaj(lambda: znajdz(app, "text", k), f"the field {k}") for k in KOLUMNY}
dodaj = znajdz(app, "push button", "Dodaj do listy")
for numer, klient in enumerate(KLIENCI, 1):
    wpisz(pola["lp"], str(numer))
    for k in KOLUMNY[1:]:
        wpisz(pola[k], klient.get(k, ""))
    kliknij(dodaj)
    oczekiwana = f"0{numer} {klient['nazwa1']} {klient['nazwa2']}"
    czekaj(lambda: lista[numer - 1].name == oczekiwana, f"the line {oczekiwana!r}")
zrzut("03_trzej_klienci.png")

# Search for the street of the third client.
kliknij(znajdz(app, "push button", "Szukaj danych"))
szukaj = czekaj(lambda: okno_dialogowe(app, "dialog", "Szukaj danych"), "the input box 'Szukaj danych'")
wpisz(czekaj(lambda: znajdz(szukaj, "text"), "its text field"), "Wąska")
kliknij(czekaj(lambda: znajdz(szukaj, "push button", "OK"), "the button 'OK'"))
czekaj(lambda: tekst_pola(pola["nazwa1"]) == KLIENCI[2]["nazwa1"], "the found client in the fields")
if tekst_pola(pola["lp"]) != "03":
    nie(f"search showed row {tekst_pola(pola['lp'])!r}, expected '03'")
zrzut("04_szukaj.png")

# Sort A to Z in the Polish alphabet: "Ą" < "K" < "Ż".
kliknij(znajdz(app, "push button", "Sortowanie", opis="od A do Z"))
odpowiedz_tak(app, "Sortować listę")
posortowani = sorted(KLIENCI, key=lambda k: klucz_polski(k["nazwa1"]))
for numer, klient in enumerate(posortowani, 1):
    oczekiwana = f"0{numer} {klient['nazwa1']} {klient['nazwa2']}"
    czekaj(lambda: lista[numer - 1].name == oczekiwana, f"the sorted line {oczekiwana!r}")
zrzut("05_posortowana.png")

with open(sciezka_listy, "rb") as f:
    zapisana = f.read()
oczekiwana = oczekiwana_lista(posortowani)
if zapisana != oczekiwana:
    rozne = next(i for i in range(min(len(zapisana), len(oczekiwana))) if zapisana[i] != oczekiwana[i]) \
        if len(zapisana) == len(oczekiwana) else -1
    nie(f"the list file differs (size {len(zapisana)}, first difference at byte {rozne})")
print("list file: 349,698 bytes as expected")

# A click on the second line shows that client.
klient = posortowani[1]
wiersz = lista[1]
kliknij(wiersz)
czekaj(lambda: tekst_pola(pola["nazwa1"]) == klient["nazwa1"], "the clicked client in the fields")

# ---- the keyboard alone: Ctrl+F, Tab, typing, Ctrl+S, Ctrl+Z, F1, Escape
CONTROL, SHIFT = 37, 50  # keycodes of Control_L and Shift_L on the X server's default map


def klawisz(keysym, modyfikator=None, tekst=None):
    if modyfikator:
        pyatspi.Registry.generateKeyboardEvent(modyfikator, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(keysym, tekst, pyatspi.KEY_STRING if tekst else pyatspi.KEY_SYM)
    if modyfikator:
        pyatspi.Registry.generateKeyboardEvent(modyfikator, None, pyatspi.KEY_RELEASE)
    time.sleep(0.2)


def skupiony(o):
    return o.getState().contains(pyatspi.STATE_FOCUSED)


klawisz(ord("f"), CONTROL)
czekaj(lambda: okno_dialogowe(app, "dialog", "Szukaj danych"), "'Szukaj danych' from Ctrl+F")
klawisz(0, tekst="Rachunkowe")
klawisz(0xff0d)  # Return
czekaj(lambda: tekst_pola(pola["nazwa1"]) == "Kowalczyk Anna", "the client found from the keyboard")
# Without a window manager the main window is not active again after the box: a click on
# the line shown brings it back.
kliknij(lista[1])
czekaj(lambda: skupiony(lista), "the focus in the list box")
for _ in range(KOLUMNY.index("opis") + 1):  # Tab: lp, nazwa1, ... opis
    klawisz(0xff09)
czekaj(lambda: skupiony(pola["opis"]), "the focus in 'opis' after Tab")
klawisz(0, tekst="pilne")
klawisz(ord("s"), CONTROL)
czekaj(lambda: open(sciezka_listy, "rb").read() != zapisana, "Ctrl+S to save the list")
klawisz(ord("z"), CONTROL)  # the save refilled the field: this is the list's undo
czekaj(lambda: open(sciezka_listy, "rb").read() == zapisana, "Ctrl+Z to give the list back byte for byte")
klawisz(0xffbe)  # F1
czekaj(lambda: znajdz(app, "push button", "Koniec pomocy"), "the help panel from F1")
klawisz(0xff1b)  # Escape
czekaj(lambda: znajdz(app, "push button", "Koniec pomocy") is None, "Escape to close the help")

if KOPERTA:
    koperta = znajdz(app, "push button", "Koperta")
    czekaj(lambda: wlaczony(koperta), "'Koperta' to be enabled")
    kliknij(koperta)
    drukuj = czekaj(lambda: znajdz(app, "push button", "Drukuj kopertę"), "the envelope window")
    o2 = czekaj(lambda: znajdz(app, "text", "o2"), "the field o2")
    czekaj(lambda: tekst_pola(o2) == klient["nazwa1"], "the client's name in o2")
    n1 = znajdz(app, "text", "n1")
    czekaj(lambda: tekst_pola(n1) == NADAWCA[0], "the firm's name in n1")
    kliknij(czekaj(lambda: znajdz(app, "radio button", "rozmiar 2"), "the preset 'rozmiar 2'"))
    czekaj(lambda: znajdz(app, "radio button", "rozmiar 2").getState().contains(pyatspi.STATE_CHECKED),
           "'rozmiar 2' to be checked")

    # The logo: "Dołącz obrazek" through the real open dialog, placed at 400/400 pixels.
    kliknij(znajdz(app, "push button", "Dołącz obrazek"))
    otworz = czekaj(lambda: okno_dialogowe(app, "dialog"), "the open dialog of 'Dołącz obrazek'")
    wpisz(czekaj(lambda: znajdz(otworz, "text", "Nazwa pliku:"), "its file-name field"), LOGO)
    kliknij(czekaj(lambda: znajdz(otworz, "push button", "Otwórz"), "the button 'Otwórz'"))
    czekaj(lambda: okno_dialogowe(app, "dialog") is None, "the open dialog to close")
    czekaj(lambda: tekst_pola(znajdz(app, "text", "nazwa")) == LOGO, "the picture's path in 'nazwa'")
    for nazwa_pola in ("l_log", "g_log"):
        wpisz(znajdz(app, "text", nazwa_pola), "400")
    drukuj_logo = czekaj(lambda: znajdz(app, "check box", "drukuj obrazek"), "the box 'drukuj obrazek'")
    czekaj(lambda: wlaczony(drukuj_logo), "'drukuj obrazek' to be enabled")
    kliknij(drukuj_logo)
    czekaj(lambda: drukuj_logo.getState().contains(pyatspi.STATE_CHECKED), "'drukuj obrazek' ticked")
    zrzut("06_okno_koperty.png")

    for zadanie, poziomo in ((1, False), (2, True)):
        if poziomo:
            pole_wyboru = znajdz(app, "check box", "drukuj poziomo")
            kliknij(pole_wyboru)
            czekaj(lambda: pole_wyboru.getState().contains(pyatspi.STATE_CHECKED), "'drukuj poziomo' ticked")
        kliknij(drukuj)
        druk = czekaj(lambda: okno_dialogowe(app, "dialog"), "the print dialog")
        zrzut(f"0{6 + zadanie}_dialog_druku.png")
        # The queue is the default printer, so the dialog opens on it.
        kolejka = os.environ.get("LK_KOLEJKA", "")
        czekaj(lambda: znajdz(druk, "combo box", kolejka), f"the queue {kolejka!r} chosen in the print dialog")
        kliknij(czekaj(lambda: znajdz(druk, "push button", "Wydrukuj"), "the print dialog's 'Wydrukuj'"))
        czekaj(lambda: okno_dialogowe(app, "dialog") is None, "the print dialog to close")
        pdf = czekaj(lambda: [os.path.join(WYJSCIE, p) for p in os.listdir(WYJSCIE)
                              if p.endswith(f"job_{zadanie}.pdf")], f"the PDF of job {zadanie}", 60)[0]
        czekaj(lambda: os.path.getsize(pdf) > 0, "the PDF to be written")
        time.sleep(0.5)
        with open(os.path.join(ARTEFAKTY, f"koperta_{zadanie}.pdf"), "wb") as f:
            f.write(open(pdf, "rb").read())
        print(f"job {zadanie}: {pdf}")

    kliknij(znajdz(app, "push button", "Koniec"))
    odpowiedz_tak(app, "")
    czekaj(lambda: znajdz(app, "push button", "Drukuj kopertę") is None, "the envelope window to close")

    # Two clients, the first and the last in list order, in one job.
    koperty_dla_wielu(app, [posortowani[0], posortowani[2]], 3)

# "Zamknij moduł" from the keyboard: Shift+Tab from the list box wraps to the last command.
kliknij(lista[1])
czekaj(lambda: skupiony(lista), "the focus in the list box")
klawisz(0xfe20, SHIFT)  # ISO_Left_Tab
czekaj(lambda: skupiony(znajdz(app, "push button", "Zamknij moduł")), "the focus on 'Zamknij moduł'")
klawisz(0x20)  # Space
odpowiedz_tak(app, "Koniec pracy")


czekaj(lambda: not zyje(), "the program to end", 20)
print("the program ended")
