<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sr">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBreakLabelsDlg</name>
    <message>
        <source>Labele prekidnih tacaka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CChipCommands</name>
    <message>
        <source>__CONFIG ukljucuje watchdog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pocinje skokom na reci 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>koristi SLEEP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>koristi CLRWDT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upisuje u PCL (skok preko tabele)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cip po katalogu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procesor radi kao PIC16C84 po katalogu: reset na reci 0, skokovi preko PCL, SLEEP, watchdog, EEPROM (Options &gt; Cip po katalogu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisan za pravi cip (%1): ukljucite Options &gt; Cip po katalogu (PIC16C84)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDataMemoryPane</name>
    <message>
        <source>Memorija podataka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banka 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banka 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heksa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binarno</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEventsPane</name>
    <message>
        <source>Svi dogadjaji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekidi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prihvaceni prekidi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RETFIE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poruke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekidne tacke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinovi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pocetak izvrsavanja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kraj izvrsavanja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ucitavanje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upisane vrednosti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ploca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogadjaji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ciklus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrukcija</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogadjaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekid prihvacen (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ulaz u prekid (%1), povratak na %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RETFIE, povratak na %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekidna tacka %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekidna tacka %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ucitan program %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upisano %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLanguageCommands</name>
    <message>
        <source>Jezik (Language)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLogicAnalyserPane</name>
    <message>
        <source>Logicki analizator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaustavi kad pinovi ispune uslov:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>npr. RB0:rise ili RB0=1,RB1=0 (prazno: bez uslova)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sada: ciklus %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A: ciklus %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B-A: %1 ciklusa (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: perioda %2 ciklusa (%3), %4 Hz, faktor ispune %5 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: nema cele periode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bez uslova na pinovima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uslov nije ispravan: pisite PIN=0, PIN=1, PIN:rise, PIN:fall ili PIN:edge, odvojene zarezima (PIN je RA0-RA4 ili RB0-RB7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Izvrsavanje staje kad pinovi ispune uslov</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLumoDoc</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nemam_ime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asemblers Files (*.asm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute Files (*.lst)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open document.

Could not read %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save document.

Line %1 holds a character that Windows-1250, the encoding of this file, cannot hold. %2 was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save document.

Could not write %1: %2.
The file on disk was left as it was; the text is still in the editor.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Spreman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst nije preveden: nijedan program nije ucitan (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Izmenjeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst je izmenjen posle poslednjeg cuvanja: F7 prevodi sacuvanu datoteku, ako cuvanje pre prevodjenja nije ukljuceno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMessagesPane</name>
    <message>
        <source>Poruke asemblera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgramMemoryPane</name>
    <message>
        <source>Adresa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrukcija</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programska memorija</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klik u prvoj koloni: prekidna tacka; dvoklik: red u izvornom tekstu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgramPanes</name>
    <message>
        <source>Rec 0x%1 nema red u izvornom tekstu u editoru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekidna tacka se postavlja na red izvornog teksta: rec 0x%1 nema red</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecoveryCopy</name>
    <message>
        <source>bez imena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prethodni rad simulatora nije zavrsen kako treba, a tekst %1 nije bio sacuvan (poslednja izmena %2).

Vratiti taj tekst u editor? (Ne: kopija se brise.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRegisterEditDlg</name>
    <message>
        <source>Nova vrednost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, sada %2 = %3.
Nova vrednost (0-255; 12, 0x0C ili 0b00001100):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrednost mora biti ceo broj od 0 do 255: dekadno (12), heksa (0x0C) ili binarno (0b00001100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (adresa %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRegisterEdits</name>
    <message>
        <source>Vrednosti se menjaju samo dok simulacija stoji (Prekid, Shift+F5)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScenarioReplay</name>
    <message>
        <source>Korak %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> nije prosao: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ispunjen, snimak zavrsen: PROSAO (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ispunjen, snimak zavrsen: PAO (%1/%2 poena)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ispunjen (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>). F5 ili Ctrl+F5 nastavlja, Shift+F5 prekida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pusti snimak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario (*.yaml *.yml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Svi fajlovi (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snimak prekinut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snimak nije pusten: program </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> se nije preveo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snimak nije pusten: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> se nije ucitao</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snimak nije pusten: prvo prevedite program (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snimak: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSessionCommands</name>
    <message>
        <source>%1 ciklusa, %2 s rada procesora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snima se</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesija se snima; Options &gt; Zavrsi snimanje je upisuje kao scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prvo prevedite program (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snimanje sesije...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavrsi snimanje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario (*.yaml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Izvezi talasne oblike (VCD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesija snimljena u </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: upis nije uspeo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talasni oblici upisani u </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSourceCommands</name>
    <message>
        <source>Prevodjenje je prekinuto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevodilac nije zavrsio za %1 s i prekinut je (Options, Vreme za prevodjenje).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Izmene u editoru nisu sacuvane: preveden je sacuvani fajl (Ctrl+S).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst jos nije sacuvan u fajl: sacuvajte ga (Ctrl+S), pa ga prevedite (F7).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevodjenje...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vreme za prevodjenje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevodilac se prekida posle (s):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSourceMarks</name>
    <message>
        <source>greska: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upozorenje: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpeedBox</name>
    <message>
        <source>realno vreme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/%1 realnog vremena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brzina kontinualne simulacije (pauza izmedju instrukcija)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brzina kontinualne simulacije</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpeedDlg</name>
    <message>
        <source>Promena brzine simulacije</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unesite brzinu izvrsavanja u ms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CStackPane</name>
    <message>
        <source>Stek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Povratak na</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mesto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dubina: %1 od %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sledeci RETURN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sledeci CALL upisuje ovde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sledeci CALL brise ovaj povratak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTimeCommands</name>
    <message>
        <source>Ciklusi: %1  Vreme: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takt oscilatora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ucestanost oscilatora (MHz):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWatchPane</name>
    <message>
        <source>Pracenje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>promenljiva, registar, PORTB,3 ili 0x0C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukloni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heksa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dekadno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binarno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dvoklik upisuje novu vrednost dok simulacija stoji</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Heksa vrednosti      Ctrl+H   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi heksa ili dekadne vrednosti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registri specijalne namene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi registre specijalne namene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registri opste namene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi registre opste namene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oznaci promene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crvenom bojom oznaci vrednosti koje je promenila poslednja instrukcija ili klik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Prevedi  (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevedi </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevedi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Korak po korak (Ctrl+F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korak po korak </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulacija korak po korak  (Ctrl+F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontinualna simulacija (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontinualna simulacija </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Prekid simulacije (Shift+F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekid simulacije </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekid (Shift+F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart (Ctrl+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brzina (Ctrl+B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brzina /nBrzina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Labele prekidnih tacaka (Ctrl+L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labele prekidnih tacaka (Ctrl+L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomoc </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sacuvaj pre prevodjenja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sacuvaj tekst pre svakog prevodjenja (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cip po katalogu (PIC16C84)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procesor radi kao PIC16C84 po katalogu: reset na 0, skokovi preko PCL, SLEEP, watchdog, EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vreme za prevodjenje...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posle koliko sekundi se prevodilac prekida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sledeca poruka asemblera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prethodna poruka asemblera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prekidna tacka na redu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korak &amp;unazad (Ctrl+Shift+F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrati procesor za jednu instrukciju unazad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korak unazad (Ctrl+Shift+F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unazad do prethodnog &amp;dogadjaja (Ctrl+Shift+D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vrati procesor do poslednjeg prekida, prekidne tacke ili klika na pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Takt oscilatora...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ucestanost oscilatora za stopericu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nuliraj stopericu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stoperica pocinje od nule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stoperica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi cikluse i proteklo vreme u status baru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dodaci na traci sa alatima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi izbor brzine i dugme Korak unazad na traci sa alatima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogadjaji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi dogadjaje izvrsavanja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pracenje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi promenljive programa koje pratite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi povratne adrese na steku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programska memorija</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi sve reci programa sa instrukcijama i labelama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorija podataka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi obe banke memorije podataka sa imenima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logicki analizator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prikazi nivoe pinova kroz vreme, merenja i uslov zaustavljanja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snimi sesiju</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restartuj program i pamti svaki klik na pin sa njegovim ciklusom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavrsi snimanje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upisi snimljenu sesiju kao scenario (*.yaml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pusti snimak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restartuj program i pusti scenario (*.yaml): klikovi u svojim ciklusima, pauza na svakoj proveri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Izvezi talasne oblike (VCD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upisi nivoe i smerove pinova od pocetka izvrsavanja u VCD fajl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Pomoc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunState</name>
    <message>
        <source>Radi, %1 ms po instrukciji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radi punom brzinom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radi u realnom vremenu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radi, 1/%1 realnog vremena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (ne stize: kasni %1 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceka prvu komandu (Ctrl+F5 korak, F5 kontinualno)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stala na prekidnoj tacki %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC je izasao iz programa: procesor je resetovan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nema programa: prevedite ga (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> | Poruka: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>na adresi </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
