<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sr">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CBoardCommands</name>
    <message>
        <source>Ploca ceka da se prevodjenje zavrsi</source>
        <translation>The board waits for the assembler to finish</translation>
    </message>
    <message>
        <source>Ploca nije postavljena: </source>
        <translation>Board not attached: </translation>
    </message>
    <message>
        <source>Ploca postavljena: </source>
        <translation>Board attached: </translation>
    </message>
    <message>
        <source>Ploca</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Ploca (*.board.yaml *.yaml)</source>
        <translation>Board (*.board.yaml *.yaml)</translation>
    </message>
    <message>
        <source>Svi fajlovi (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Nova ploca</source>
        <translation>New board</translation>
    </message>
    <message>
        <source>Ploca (*.board.yaml)</source>
        <translation>Board (*.board.yaml)</translation>
    </message>
    <message>
        <source>RESET (MCLR) radi samo na cipu po katalogu (Options)</source>
        <translation>RESET (MCLR) works on the data-sheet chip only (Options)</translation>
    </message>
</context>
<context>
    <name>CBoardEditorDlg</name>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>7-segmentni displej</source>
        <translation>7-segment display</translation>
    </message>
    <message>
        <source>tastatura</source>
        <translation>keypad</translation>
    </message>
    <message>
        <source>taster</source>
        <translation>button</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>prekidac</source>
        <translation>switch</translation>
    </message>
    <message>
        <source>serijski terminal</source>
        <translation>serial terminal</translation>
    </message>
    <message>
        <source>ime</source>
        <translation>name</translation>
    </message>
    <message>
        <source>velicina</source>
        <translation>size</translation>
    </message>
    <message>
        <source>podaci (D4-D7, ili D0-D7 za 8 bita)</source>
        <translation>data (D4-D7, or D0-D7 for 8 bits)</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>R/W</source>
        <translation>R/W</translation>
    </message>
    <message>
        <source>segmenti a-g, tacka</source>
        <translation>segments a-g, point</translation>
    </message>
    <message>
        <source>cifre (zajednicki)</source>
        <translation>digits (commons)</translation>
    </message>
    <message>
        <source>zajednicka</source>
        <translation>common</translation>
    </message>
    <message>
        <source>redovi</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>kolone</source>
        <translation>columns</translation>
    </message>
    <message>
        <source>pin</source>
        <translation>pin</translation>
    </message>
    <message>
        <source>nivo pritisnutog</source>
        <translation>level when pressed</translation>
    </message>
    <message>
        <source>svetli na nivou</source>
        <translation>lit at level</translation>
    </message>
    <message>
        <source>pocetni nivo</source>
        <translation>initial level</translation>
    </message>
    <message>
        <source>TX (cip salje)</source>
        <translation>TX (chip sends)</translation>
    </message>
    <message>
        <source>RX (cip prima)</source>
        <translation>RX (chip receives)</translation>
    </message>
    <message>
        <source>brzina (baud)</source>
        <translation>speed (baud)</translation>
    </message>
    <message>
        <source>invertovana linija</source>
        <translation>inverted line</translation>
    </message>
    <message>
        <source>Uredi plocu - %1</source>
        <translation>Edit board - %1</translation>
    </message>
    <message>
        <source>Fajl ploce se ne cita, pocinje se od prazne ploce: </source>
        <translation>The board file does not read, starting from an empty board: </translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ukloni</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Delovi ploce:</source>
        <translation>Parts of the board:</translation>
    </message>
    <message>
        <source>Sacuvaj</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Otkazi</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ploca nije sacuvana: </source>
        <translation>Board not saved: </translation>
    </message>
    <message>
        <source>: upis nije uspeo</source>
        <translation>: writing failed</translation>
    </message>
</context>
<context>
    <name>CBoardPane</name>
    <message>
        <source>kucajte: svaki taster ide terminalu</source>
        <translation>type: every key goes to the terminal</translation>
    </message>
    <message>
        <source>Ploca</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Nije poslato: nalepljeno %1 znakova, terminal prima jos %2</source>
        <translation>Not sent: %1 characters pasted, the terminal takes %2 more</translation>
    </message>
</context>
<context>
    <name>CBreakLabelsDlg</name>
    <message>
        <source>Labele prekidnih tacaka</source>
        <translation>Breakpoint labels</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCheckCommands</name>
    <message>
        <source>Pogresna banka (bank)</source>
        <translation>Wrong bank (bank)</translation>
    </message>
    <message>
        <source>Skok preko PCL van stranice (pcl_page)</source>
        <translation>Jump through PCL off its page (pcl_page)</translation>
    </message>
    <message>
        <source>Stek pun ili prazan (stack)</source>
        <translation>Stack full or empty (stack)</translation>
    </message>
    <message>
        <source>Zastavica prekida nije obrisana (isr_flag)</source>
        <translation>Interrupt flag not cleared (isr_flag)</translation>
    </message>
    <message>
        <source>RBIF bez citanja porta B (rbif_read)</source>
        <translation>RBIF without reading port B (rbif_read)</translation>
    </message>
    <message>
        <source>W i STATUS nisu sacuvani u prekidu (isr_context)</source>
        <translation>W and STATUS not saved by the handler (isr_context)</translation>
    </message>
    <message>
        <source>Citanje neupisanog registra (uninitialised)</source>
        <translation>Register read before written (uninitialised)</translation>
    </message>
    <message>
        <source>Upis u EEPROM bez WREN i niza (eeprom_sequence)</source>
        <translation>EEPROM write without WREN and sequence (eeprom_sequence)</translation>
    </message>
    <message>
        <source>Reset od watchdoga (wdt_reset)</source>
        <translation>Watchdog reset (wdt_reset)</translation>
    </message>
    <message>
        <source>Citanje-izmena-upis porta (rmw_port)</source>
        <translation>Read-modify-write of a port (rmw_port)</translation>
    </message>
    <message>
        <source>Provere</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Proveravaj tokom rada</source>
        <translation>Check while running</translation>
    </message>
    <message>
        <source>Objasnjava tipicne greske programa dok radi, jednom po liniji</source>
        <translation>Explains the program&apos;s classic mistakes as it runs, once per line</translation>
    </message>
    <message>
        <source>provera %1: %2</source>
        <translation>check %1: %2</translation>
    </message>
    <message>
        <source>%1:%2: provera %3: %4</source>
        <translation>%1:%2: check %3: %4</translation>
    </message>
</context>
<context>
    <name>CChipCommands</name>
    <message>
        <source>__CONFIG ukljucuje watchdog</source>
        <translation>__CONFIG enables the watchdog</translation>
    </message>
    <message>
        <source>pocinje skokom na reci 0</source>
        <translation>starts with a jump at word 0</translation>
    </message>
    <message>
        <source>koristi SLEEP</source>
        <translation>uses SLEEP</translation>
    </message>
    <message>
        <source>koristi CLRWDT</source>
        <translation>uses CLRWDT</translation>
    </message>
    <message>
        <source>upisuje u PCL (skok preko tabele)</source>
        <translation>writes PCL (a jump through a table)</translation>
    </message>
    <message>
        <source>Cip po katalogu</source>
        <translation>Data-sheet chip</translation>
    </message>
    <message>
        <source>Procesor radi kao PIC16C84 po katalogu: reset na reci 0, skokovi preko PCL, SLEEP, watchdog, EEPROM (Options &gt; Cip po katalogu)</source>
        <translation>The processor works as the data sheet&apos;s PIC16C84: reset at word 0, jumps through PCL, SLEEP, watchdog, EEPROM (Options &gt; Data-sheet chip)</translation>
    </message>
    <message>
        <source>Pisan za pravi cip (%1): ukljucite Options &gt; Cip po katalogu (PIC16C84)</source>
        <translation>Written for the real chip (%1): turn on Options &gt; Data-sheet chip (PIC16C84)</translation>
    </message>
    <message>
        <source>Watchdog je resetovao cip (TO = 0, program ponovo od reci 0)</source>
        <translation>The watchdog reset the chip (TO = 0, the program starts again at word 0)</translation>
    </message>
    <message>
        <source>Watchdog je resetovao cip %1 puta (TO = 0, program ponovo od reci 0)</source>
        <translation>The watchdog reset the chip %1 times (TO = 0, the program starts again at word 0)</translation>
    </message>
</context>
<context>
    <name>CCompareCommands</name>
    <message>
        <source>Poredjenje sa resenjem je vec u toku</source>
        <translation>A comparison with a model solution is already under way</translation>
    </message>
    <message>
        <source>Prevedite program (F7) pre poredjenja sa resenjem</source>
        <translation>Assemble the program (F7) before comparing it with a model solution</translation>
    </message>
    <message>
        <source>Resenje za poredjenje</source>
        <translation>Model solution to compare with</translation>
    </message>
    <message>
        <source>Programi (*.asm *.obj *.hex)</source>
        <translation>Programs (*.asm *.obj *.hex)</translation>
    </message>
    <message>
        <source>Uporediti na ulazima ovog rada (klikovi i izmene od poslednjeg restarta, do ciklusa na kome je sada)?
Ne: izaberite scenario (*.yaml).</source>
        <translation>Compare on the inputs of this run (the clicks and edits since the last restart, up to the cycle it stands at)?
No: choose a scenario (*.yaml).</translation>
    </message>
    <message>
        <source>Scenario za poredjenje</source>
        <translation>Scenario to compare on</translation>
    </message>
    <message>
        <source>Scenario (*.yaml)</source>
        <translation>Scenario (*.yaml)</translation>
    </message>
    <message>
        <source>Pokrenite program (F5) pa ga uporedite na ulazima tog rada</source>
        <translation>Run the program (F5), then compare it on the inputs of that run</translation>
    </message>
    <message>
        <source>: upis nije uspeo</source>
        <translation>: writing failed</translation>
    </message>
    <message>
        <source>Poredjenje sa resenjem %1...</source>
        <translation>Comparing with the model solution %1...</translation>
    </message>
    <message>
        <source>Poredjenje sa resenjem nije zavrseno</source>
        <translation>The comparison with the model solution did not finish</translation>
    </message>
    <message>
        <source>Scenario nije ispravan: %1</source>
        <translation>The scenario is malformed: %1</translation>
    </message>
    <message>
        <source>Resenje se ne moze prevesti ni ucitati: %1</source>
        <translation>The model solution cannot be assembled or loaded: %1</translation>
    </message>
    <message>
        <source>Program se ne moze ucitati: %1</source>
        <translation>The program cannot be loaded: %1</translation>
    </message>
    <message>
        <source>Pinovi programa se ne razlikuju od resenja (u toleranciji scenarija)</source>
        <translation>The program&apos;s pins do not differ from the model solution&apos;s (within the scenario&apos;s tolerance)</translation>
    </message>
    <message>
        <source>Prvo odstupanje od resenja: ciklus %1 (%2), %3 je %4, u resenju %5</source>
        <translation>First difference from the model solution: cycle %1 (%2), %3 is %4, in the model %5</translation>
    </message>
</context>
<context>
    <name>CDataMemoryPane</name>
    <message>
        <source>Memorija podataka</source>
        <translation>Data memory</translation>
    </message>
    <message>
        <source>Banka 0</source>
        <translation>Bank 0</translation>
    </message>
    <message>
        <source>Banka 1</source>
        <translation>Bank 1</translation>
    </message>
    <message>
        <source>Ime</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Heksa</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Binarno</source>
        <translation>Binary</translation>
    </message>
</context>
<context>
    <name>CEepromPane</name>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>EEPROM podataka ima samo cip po katalogu: ukljucite Options &gt; Cip po katalogu (PIC16C84)</source>
        <translation>Only the data-sheet chip has a data EEPROM: turn on Options &gt; Data-sheet chip (PIC16C84)</translation>
    </message>
    <message>
        <source>Znakovi</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>Dvoklik na bajt upisuje novu vrednost dok simulacija stoji</source>
        <translation>A double-click on a byte writes a new value while the simulation is stopped</translation>
    </message>
</context>
<context>
    <name>CEventsPane</name>
    <message>
        <source>Svi dogadjaji</source>
        <translation>All events</translation>
    </message>
    <message>
        <source>Prekidi</source>
        <translation>Interrupts</translation>
    </message>
    <message>
        <source>Prihvaceni prekidi</source>
        <translation>Accepted interrupts</translation>
    </message>
    <message>
        <source>RETFIE</source>
        <translation>RETFIE</translation>
    </message>
    <message>
        <source>Poruke</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Prekidne tacke</source>
        <translation>Breakpoints</translation>
    </message>
    <message>
        <source>Pinovi</source>
        <translation>Pins</translation>
    </message>
    <message>
        <source>Pocetak izvrsavanja</source>
        <translation>Run start</translation>
    </message>
    <message>
        <source>Kraj izvrsavanja</source>
        <translation>Run end</translation>
    </message>
    <message>
        <source>Ucitavanje</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Upisane vrednosti</source>
        <translation>Written values</translation>
    </message>
    <message>
        <source>Ploca</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Dogadjaji</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Ciklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Instrukcija</source>
        <translation>Instruction</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Dogadjaj</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Prekid prihvacen (%1)</source>
        <translation>Interrupt accepted (%1)</translation>
    </message>
    <message>
        <source>Ulaz u prekid (%1), povratak na %2</source>
        <translation>Interrupt entered (%1), return to %2</translation>
    </message>
    <message>
        <source>RETFIE, povratak na %1</source>
        <translation>RETFIE, return to %1</translation>
    </message>
    <message>
        <source>Prekidna tacka %1</source>
        <translation>Breakpoint %1</translation>
    </message>
    <message>
        <source>Prekidna tacka %1 (%2)</source>
        <translation>Breakpoint %1 (%2)</translation>
    </message>
    <message>
        <source>Pin %1 = %2</source>
        <translation>Pin %1 = %2</translation>
    </message>
    <message>
        <source>Ucitan program %1</source>
        <translation>Program %1 loaded</translation>
    </message>
    <message>
        <source>Upisano %1 = %2</source>
        <translation>Written %1 = %2</translation>
    </message>
    <message>
        <source>MCLR reset</source>
        <translation>MCLR reset</translation>
    </message>
    <message>
        <source>Provere</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Provera %1, linija %2: %3</source>
        <translation>Check %1, line %2: %3</translation>
    </message>
</context>
<context>
    <name>CLanguageCommands</name>
    <message>
        <source>Jezik (Language)</source>
        <translation>Language (Jezik)</translation>
    </message>
</context>
<context>
    <name>CLogicAnalyserPane</name>
    <message>
        <source>Logicki analizator</source>
        <translation>Logic analyser</translation>
    </message>
    <message>
        <source>Zaustavi kad pinovi ispune uslov:</source>
        <translation>Stop when the pins meet the condition:</translation>
    </message>
    <message>
        <source>npr. RB0:rise ili RB0=1,RB1=0 (prazno: bez uslova)</source>
        <translation>e.g. RB0:rise or RB0=1,RB1=0 (empty: no condition)</translation>
    </message>
    <message>
        <source>Sada: ciklus %1 (%2)</source>
        <translation>Now: cycle %1 (%2)</translation>
    </message>
    <message>
        <source>A: ciklus %1 (%2)</source>
        <translation>A: cycle %1 (%2)</translation>
    </message>
    <message>
        <source>B-A: %1 ciklusa (%2)</source>
        <translation>B-A: %1 cycles (%2)</translation>
    </message>
    <message>
        <source>%1: perioda %2 ciklusa (%3), %4 Hz, faktor ispune %5 %</source>
        <translation>%1: period %2 cycles (%3), %4 Hz, duty cycle %5 %</translation>
    </message>
    <message>
        <source>: nema cele periode</source>
        <translation>: no whole period</translation>
    </message>
    <message>
        <source>Bez uslova na pinovima</source>
        <translation>No condition on the pins</translation>
    </message>
    <message>
        <source>Uslov nije ispravan: pisite PIN=0, PIN=1, PIN:rise, PIN:fall ili PIN:edge, odvojene zarezima (PIN je RA0-RA4 ili RB0-RB7)</source>
        <translation>The condition is not valid: write PIN=0, PIN=1, PIN:rise, PIN:fall or PIN:edge, separated by commas (PIN is RA0-RA4 or RB0-RB7)</translation>
    </message>
    <message>
        <source>Izvrsavanje staje kad pinovi ispune uslov</source>
        <translation>The run stops when the pins meet the condition</translation>
    </message>
</context>
<context>
    <name>CLumoDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Nemam_ime</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Asemblers Files (*.asm)</source>
        <translation>Assembler Files (*.asm)</translation>
    </message>
    <message>
        <source>Execute Files (*.lst)</source>
        <translation>Listing Files (*.lst)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>The file is too large to open.</translation>
    </message>
    <message>
        <source>Failed to open document.

Could not read %1: %2.</source>
        <translation>Failed to open document.

Could not read %1: %2.</translation>
    </message>
    <message>
        <source>Failed to save document.

Line %1 holds a character that Windows-1250, the encoding of this file, cannot hold. %2 was left as it was.</source>
        <translation>Failed to save document.

Line %1 holds a character that Windows-1250, the encoding of this file, cannot hold. %2 was left as it was.</translation>
    </message>
    <message>
        <source>Failed to save document.

Could not write %1: %2.
The file on disk was left as it was; the text is still in the editor.</source>
        <translation>Failed to save document.

Could not write %1: %2.
The file on disk was left as it was; the text is still in the editor.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Spreman</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Tekst nije preveden: nijedan program nije ucitan (F7)</source>
        <translation>The text is not assembled: no program is loaded (F7)</translation>
    </message>
    <message>
        <source>Izmenjeno</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Tekst je izmenjen posle poslednjeg cuvanja: F7 prevodi sacuvanu datoteku, ako cuvanje pre prevodjenja nije ukljuceno</source>
        <translation>The text changed after it was last saved: F7 assembles the saved file unless saving before assembling is on</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>CMessagesPane</name>
    <message>
        <source>Poruke asemblera</source>
        <translation>Assembler messages</translation>
    </message>
</context>
<context>
    <name>CProfilePane</name>
    <message>
        <source>(glavni program)</source>
        <translation>(main program)</translation>
    </message>
    <message>
        <source>(prekid)</source>
        <translation>(interrupt)</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Potprogram</source>
        <translation>Subroutine</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Poziva</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Ciklusa</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Udeo</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Ciklusi instrukcija samog potprograma, bez potprograma koje poziva</source>
        <translation>The cycles of the subroutine&apos;s own instructions, without the subroutines it calls</translation>
    </message>
    <message>
        <source>Ukupno ciklusa od pocetka: %1</source>
        <translation>Cycles since the start: %1</translation>
    </message>
</context>
<context>
    <name>CProgramMemoryPane</name>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Instrukcija</source>
        <translation>Instruction</translation>
    </message>
    <message>
        <source>Labela</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Programska memorija</source>
        <translation>Program memory</translation>
    </message>
    <message>
        <source>Klik u prvoj koloni: prekidna tacka; dvoklik: red u izvornom tekstu</source>
        <translation>Click in the first column: breakpoint; double-click: the line in the source</translation>
    </message>
    <message>
        <source>Puta / ciklusa</source>
        <translation>Times / cycles</translation>
    </message>
</context>
<context>
    <name>CProgramPanes</name>
    <message>
        <source>Rec 0x%1 nema red u izvornom tekstu u editoru</source>
        <translation>Word 0x%1 has no line in the source in the editor</translation>
    </message>
    <message>
        <source>Prekidna tacka se postavlja na red izvornog teksta: rec 0x%1 nema red</source>
        <translation>A breakpoint is set on a line of the source: word 0x%1 has no line</translation>
    </message>
</context>
<context>
    <name>CRecoveryCopy</name>
    <message>
        <source>bez imena</source>
        <translation>without a name</translation>
    </message>
    <message>
        <source>Prethodni rad simulatora nije zavrsen kako treba, a tekst %1 nije bio sacuvan (poslednja izmena %2).

Vratiti taj tekst u editor? (Ne: kopija se brise.)</source>
        <translation>The simulator did not end properly last time, and the text %1 had not been saved (last change %2).

Bring that text back into the editor? (No: the copy is deleted.)</translation>
    </message>
</context>
<context>
    <name>CRegisterEditDlg</name>
    <message>
        <source>Nova vrednost</source>
        <translation>New value</translation>
    </message>
    <message>
        <source>%1, sada %2 = %3.
Nova vrednost (0-255; 12, 0x0C ili 0b00001100):</source>
        <translation>%1, now %2 = %3.
New value (0-255; 12, 0x0C or 0b00001100):</translation>
    </message>
    <message>
        <source>Vrednost mora biti ceo broj od 0 do 255: dekadno (12), heksa (0x0C) ili binarno (0b00001100)</source>
        <translation>The value must be a whole number from 0 to 255: decimal (12), hex (0x0C) or binary (0b00001100)</translation>
    </message>
    <message>
        <source> (adresa %1)</source>
        <translation> (address %1)</translation>
    </message>
</context>
<context>
    <name>CRegisterEdits</name>
    <message>
        <source>Vrednosti se menjaju samo dok simulacija stoji (Prekid, Shift+F5)</source>
        <translation>Values can be changed only while the simulation is stopped (Stop, Shift+F5)</translation>
    </message>
    <message>
        <source>EEPROM[%1] (adresa %2)</source>
        <translation>EEPROM[%1] (address %2)</translation>
    </message>
    <message>
        <source>EEPROM ima samo cip po katalogu (Options &gt; Cip po katalogu)</source>
        <translation>Only the data-sheet chip has an EEPROM (Options &gt; Data-sheet chip)</translation>
    </message>
</context>
<context>
    <name>CRegisterLayout</name>
    <message>
        <source>Izvrsila se: </source>
        <translation>Executed: </translation>
    </message>
</context>
<context>
    <name>CScenarioReplay</name>
    <message>
        <source>Korak %1/%2</source>
        <translation>Step %1/%2</translation>
    </message>
    <message>
        <source> nije prosao: </source>
        <translation> failed: </translation>
    </message>
    <message>
        <source> ispunjen, snimak zavrsen: PROSAO (</source>
        <translation> met, recording over: PASSED (</translation>
    </message>
    <message>
        <source> ispunjen, snimak zavrsen: PAO (%1/%2 poena)</source>
        <translation> met, recording over: FAILED (%1/%2 points)</translation>
    </message>
    <message>
        <source> ispunjen (</source>
        <translation> met (</translation>
    </message>
    <message>
        <source>). F5 ili Ctrl+F5 nastavlja, Shift+F5 prekida.</source>
        <translation>). F5 or Ctrl+F5 goes on, Shift+F5 stops.</translation>
    </message>
    <message>
        <source>Pusti snimak</source>
        <translation>Play recording</translation>
    </message>
    <message>
        <source>Scenario (*.yaml *.yml)</source>
        <translation>Scenario (*.yaml *.yml)</translation>
    </message>
    <message>
        <source>Svi fajlovi (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Snimak prekinut</source>
        <translation>Recording stopped</translation>
    </message>
    <message>
        <source>Snimak nije pusten: program </source>
        <translation>Recording not played: the program </translation>
    </message>
    <message>
        <source> se nije preveo</source>
        <translation> did not assemble</translation>
    </message>
    <message>
        <source>Snimak nije pusten: </source>
        <translation>Recording not played: </translation>
    </message>
    <message>
        <source> se nije ucitao</source>
        <translation> did not load</translation>
    </message>
    <message>
        <source>Snimak nije pusten: prvo prevedite program (F7)</source>
        <translation>Recording not played: assemble the program first (F7)</translation>
    </message>
    <message>
        <source>Snimak: </source>
        <translation>Recording: </translation>
    </message>
    <message>
        <source> ciklusa)</source>
        <translation> cycles)</translation>
    </message>
    <message>
        <source>Snimak nije pusten: ploca %1 se ne cita</source>
        <translation>Recording not played: board %1 does not read</translation>
    </message>
</context>
<context>
    <name>CSessionCommands</name>
    <message>
        <source>%1 ciklusa, %2 s rada procesora</source>
        <translation>%1 cycles, %2 s of processor time</translation>
    </message>
    <message>
        <source>Snima se</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Sesija se snima; Options &gt; Zavrsi snimanje je upisuje kao scenario</source>
        <translation>The session is being recorded; Options &gt; End recording writes it as a scenario</translation>
    </message>
    <message>
        <source>Prvo prevedite program (F7)</source>
        <translation>Assemble the program first (F7)</translation>
    </message>
    <message>
        <source>Snimanje sesije...</source>
        <translation>Recording the session...</translation>
    </message>
    <message>
        <source>Zavrsi snimanje</source>
        <translation>End recording</translation>
    </message>
    <message>
        <source>Scenario (*.yaml)</source>
        <translation>Scenario (*.yaml)</translation>
    </message>
    <message>
        <source>Izvezi talasne oblike (VCD)</source>
        <translation>Export waveforms (VCD)</translation>
    </message>
    <message>
        <source>Sesija snimljena u </source>
        <translation>Session recorded in </translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>: upis nije uspeo</source>
        <translation>: writing failed</translation>
    </message>
    <message>
        <source>Talasni oblici upisani u </source>
        <translation>Waveforms written to </translation>
    </message>
    <message>
        <source>Izvoz talasnih oblika u </source>
        <translation>Exporting waveforms to </translation>
    </message>
</context>
<context>
    <name>CSourceCommands</name>
    <message>
        <source>Prevodjenje je prekinuto.</source>
        <translation>Assembling was cancelled.</translation>
    </message>
    <message>
        <source>Prevodilac nije zavrsio za %1 s i prekinut je (Options, Vreme za prevodjenje).</source>
        <translation>The assembler did not finish within %1 s and was stopped (Options, Assembler time limit).</translation>
    </message>
    <message>
        <source>Izmene u editoru nisu sacuvane: preveden je sacuvani fajl (Ctrl+S).</source>
        <translation>The changes in the editor are not saved: the saved file was assembled (Ctrl+S).</translation>
    </message>
    <message>
        <source>Tekst jos nije sacuvan u fajl: sacuvajte ga (Ctrl+S), pa ga prevedite (F7).</source>
        <translation>The text has not been saved to a file yet: save it (Ctrl+S), then assemble it (F7).</translation>
    </message>
    <message>
        <source>Prevodjenje...</source>
        <translation>Assembling...</translation>
    </message>
    <message>
        <source>Prekini</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vreme za prevodjenje</source>
        <translation>Assembler time limit</translation>
    </message>
    <message>
        <source>Prevodilac se prekida posle (s):</source>
        <translation>The assembler is stopped after (s):</translation>
    </message>
</context>
<context>
    <name>CSourceMarks</name>
    <message>
        <source>greska: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>upozorenje: </source>
        <translation>warning: </translation>
    </message>
</context>
<context>
    <name>CSpeedBox</name>
    <message>
        <source>realno vreme</source>
        <translation>real time</translation>
    </message>
    <message>
        <source>1/%1 realnog vremena</source>
        <translation>1/%1 of real time</translation>
    </message>
    <message>
        <source>Brzina kontinualne simulacije (pauza izmedju instrukcija)</source>
        <translation>Speed of the continuous simulation (pause between instructions)</translation>
    </message>
    <message>
        <source>Brzina kontinualne simulacije</source>
        <translation>Speed of the continuous simulation</translation>
    </message>
</context>
<context>
    <name>CSpeedDlg</name>
    <message>
        <source>Promena brzine simulacije</source>
        <translation>Change the simulation speed</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Unesite brzinu izvrsavanja u ms:</source>
        <translation>Enter the run speed in ms:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CStackPane</name>
    <message>
        <source>Stek</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>Nivo</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Povratak na</source>
        <translation>Returns to</translation>
    </message>
    <message>
        <source>Mesto</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Dubina: %1 od %2</source>
        <translation>Depth: %1 of %2</translation>
    </message>
    <message>
        <source>sledeci RETURN</source>
        <translation>next RETURN</translation>
    </message>
    <message>
        <source>sledeci CALL upisuje ovde</source>
        <translation>the next CALL writes here</translation>
    </message>
    <message>
        <source>sledeci CALL brise ovaj povratak</source>
        <translation>the next CALL overwrites this return</translation>
    </message>
</context>
<context>
    <name>CTimeCommands</name>
    <message>
        <source>Ciklusi: %1  Vreme: %2</source>
        <translation>Cycles: %1  Time: %2</translation>
    </message>
    <message>
        <source>Takt oscilatora</source>
        <translation>Oscillator clock</translation>
    </message>
    <message>
        <source>Ucestanost oscilatora (MHz):</source>
        <translation>Oscillator frequency (MHz):</translation>
    </message>
</context>
<context>
    <name>CWatchEntry</name>
    <message>
        <source>Upisite ime promenljive, registra ili bita, ili adresu</source>
        <translation>Type the name of a variable, a register or a bit, or an address</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nije bit registra %2 (0-7 ili ime bita)</source>
        <translation>&apos;%1&apos; is no bit of register %2 (0-7 or a bit&apos;s name)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nije promenljiva programa, registar cipa, bit ni adresa (0x00-0x1FF)</source>
        <translation>&apos;%1&apos; is neither a variable of the program, a register of the chip, a bit nor an address (0x00-0x1FF)</translation>
    </message>
</context>
<context>
    <name>CWatchPane</name>
    <message>
        <source>Pracenje</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>promenljiva, registar, PORTB,3 ili 0x0C</source>
        <translation>variable, register, PORTB,3 or 0x0C</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ukloni</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Ime</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Heksa</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dekadno</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Binarno</source>
        <translation>Binary</translation>
    </message>
    <message>
        <source>Znak</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>Dvoklik upisuje novu vrednost dok simulacija stoji</source>
        <translation>A double-click writes a new value while the simulation is stopped</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Save the active document with a new name</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quit the application; prompts to save documents</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Cut the selection and put it on the Clipboard</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copy the selection and put it on the Clipboard</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insert Clipboard contents</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Prikazi toolbar</source>
        <translation>Show the toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Prikazi status bar</source>
        <translation>Show the status bar</translation>
    </message>
    <message>
        <source>&amp;Heksa vrednosti      Ctrl+H   </source>
        <translation>&amp;Hex values      Ctrl+H   </translation>
    </message>
    <message>
        <source>Prikazi heksa ili dekadne vrednosti</source>
        <translation>Show hex or decimal values</translation>
    </message>
    <message>
        <source>Registri specijalne namene</source>
        <translation>Special function registers</translation>
    </message>
    <message>
        <source>Prikazi registre specijalne namene</source>
        <translation>Show the special function registers</translation>
    </message>
    <message>
        <source>Registri opste namene</source>
        <translation>General purpose registers</translation>
    </message>
    <message>
        <source>Prikazi registre opste namene</source>
        <translation>Show the general purpose registers</translation>
    </message>
    <message>
        <source>Oznaci promene</source>
        <translation>Mark changes</translation>
    </message>
    <message>
        <source>Crvenom bojom oznaci vrednosti koje je promenila poslednja instrukcija ili klik</source>
        <translation>Mark in red the values the last instruction or click changed</translation>
    </message>
    <message>
        <source>&amp;Prevedi  (F7)</source>
        <translation>&amp;Assemble  (F7)</translation>
    </message>
    <message>
        <source>Prevedi </source>
        <translation>Assemble </translation>
    </message>
    <message>
        <source>Prevedi</source>
        <translation>Assemble</translation>
    </message>
    <message>
        <source>&amp;Korak po korak (Ctrl+F5)</source>
        <translation>&amp;Single step (Ctrl+F5)</translation>
    </message>
    <message>
        <source>Korak po korak </source>
        <translation>Single step </translation>
    </message>
    <message>
        <source>Simulacija korak po korak  (Ctrl+F5)</source>
        <translation>Single-step simulation  (Ctrl+F5)</translation>
    </message>
    <message>
        <source>Kontinualna simulacija (F5)</source>
        <translation>Continuous simulation (F5)</translation>
    </message>
    <message>
        <source>Kontinualna simulacija </source>
        <translation>Continuous simulation </translation>
    </message>
    <message>
        <source>&amp;Prekid simulacije (Shift+F5)</source>
        <translation>S&amp;top simulation (Shift+F5)</translation>
    </message>
    <message>
        <source>Prekid simulacije </source>
        <translation>Stop simulation </translation>
    </message>
    <message>
        <source>Prekid (Shift+F5)</source>
        <translation>Stop (Shift+F5)</translation>
    </message>
    <message>
        <source>&amp;Restart (Ctrl+R)</source>
        <translation>&amp;Restart (Ctrl+R)</translation>
    </message>
    <message>
        <source>Restart </source>
        <translation>Restart </translation>
    </message>
    <message>
        <source> Restart</source>
        <translation> Restart</translation>
    </message>
    <message>
        <source>&amp;Brzina (Ctrl+B)</source>
        <translation>Spee&amp;d (Ctrl+B)</translation>
    </message>
    <message>
        <source>Brzina /nBrzina</source>
        <translation>Speed /nSpeed</translation>
    </message>
    <message>
        <source>&amp;Labele prekidnih tacaka (Ctrl+L)</source>
        <translation>Breakpoint &amp;labels (Ctrl+L)</translation>
    </message>
    <message>
        <source>Labele prekidnih tacaka (Ctrl+L)</source>
        <translation>Breakpoint labels (Ctrl+L)</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Pomoc </source>
        <translation>Help </translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Switch to the next window pane</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Switch back to the previous window pane</translation>
    </message>
    <message>
        <source>Sacuvaj pre prevodjenja</source>
        <translation>Save before assembling</translation>
    </message>
    <message>
        <source>Sacuvaj tekst pre svakog prevodjenja (F7)</source>
        <translation>Save the text before every assembly (F7)</translation>
    </message>
    <message>
        <source>Cip po katalogu (PIC16C84)</source>
        <translation>Data-sheet chip (PIC16C84)</translation>
    </message>
    <message>
        <source>Procesor radi kao PIC16C84 po katalogu: reset na 0, skokovi preko PCL, SLEEP, watchdog, EEPROM</source>
        <translation>The processor works as the data sheet&apos;s PIC16C84: reset at 0, jumps through PCL, SLEEP, watchdog, EEPROM</translation>
    </message>
    <message>
        <source>Vreme za prevodjenje...</source>
        <translation>Assembler time limit...</translation>
    </message>
    <message>
        <source>Posle koliko sekundi se prevodilac prekida</source>
        <translation>After how many seconds the assembler is stopped</translation>
    </message>
    <message>
        <source>Sledeca poruka asemblera</source>
        <translation>Next assembler message</translation>
    </message>
    <message>
        <source>Prethodna poruka asemblera</source>
        <translation>Previous assembler message</translation>
    </message>
    <message>
        <source>Prekidna tacka na redu</source>
        <translation>Breakpoint on the line</translation>
    </message>
    <message>
        <source>Korak &amp;unazad (Ctrl+Shift+F5)</source>
        <translation>Step &amp;back (Ctrl+Shift+F5)</translation>
    </message>
    <message>
        <source>Vrati procesor za jednu instrukciju unazad</source>
        <translation>Take the processor back by one instruction</translation>
    </message>
    <message>
        <source>Korak unazad (Ctrl+Shift+F5)</source>
        <translation>Step back (Ctrl+Shift+F5)</translation>
    </message>
    <message>
        <source>Unazad do prethodnog &amp;dogadjaja (Ctrl+Shift+D)</source>
        <translation>Back to the previous &amp;event (Ctrl+Shift+D)</translation>
    </message>
    <message>
        <source>Vrati procesor do poslednjeg prekida, prekidne tacke ili klika na pin</source>
        <translation>Take the processor back to the last interrupt, breakpoint or pin click</translation>
    </message>
    <message>
        <source>&amp;Takt oscilatora...</source>
        <translation>&amp;Oscillator clock...</translation>
    </message>
    <message>
        <source>Ucestanost oscilatora za stopericu</source>
        <translation>The oscillator frequency for the stopwatch</translation>
    </message>
    <message>
        <source>&amp;Nuliraj stopericu</source>
        <translation>&amp;Zero the stopwatch</translation>
    </message>
    <message>
        <source>Stoperica pocinje od nule</source>
        <translation>The stopwatch starts from zero</translation>
    </message>
    <message>
        <source>Stoperica</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Prikazi cikluse i proteklo vreme u status baru</source>
        <translation>Show the cycles and the elapsed time in the status bar</translation>
    </message>
    <message>
        <source>Dodaci na traci sa alatima</source>
        <translation>Toolbar extras</translation>
    </message>
    <message>
        <source>Prikazi izbor brzine i dugme Korak unazad na traci sa alatima</source>
        <translation>Show the speed choice and the Step back button on the toolbar</translation>
    </message>
    <message>
        <source>Dogadjaji</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Prikazi dogadjaje izvrsavanja</source>
        <translation>Show the run&apos;s events</translation>
    </message>
    <message>
        <source>Pracenje</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>Prikazi promenljive programa koje pratite</source>
        <translation>Show the program&apos;s variables you watch</translation>
    </message>
    <message>
        <source>Stek</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>Prikazi povratne adrese na steku</source>
        <translation>Show the return addresses on the stack</translation>
    </message>
    <message>
        <source>Programska memorija</source>
        <translation>Program memory</translation>
    </message>
    <message>
        <source>Prikazi sve reci programa sa instrukcijama i labelama</source>
        <translation>Show every word of the program with its instruction and labels</translation>
    </message>
    <message>
        <source>Memorija podataka</source>
        <translation>Data memory</translation>
    </message>
    <message>
        <source>Prikazi obe banke memorije podataka sa imenima</source>
        <translation>Show both banks of data memory with their names</translation>
    </message>
    <message>
        <source>Logicki analizator</source>
        <translation>Logic analyser</translation>
    </message>
    <message>
        <source>Prikazi nivoe pinova kroz vreme, merenja i uslov zaustavljanja</source>
        <translation>Show the pins&apos; levels over time, measurements and a stop condition</translation>
    </message>
    <message>
        <source>Snimi sesiju</source>
        <translation>Record session</translation>
    </message>
    <message>
        <source>Restartuj program i pamti svaki klik na pin sa njegovim ciklusom</source>
        <translation>Restart the program and keep every pin click with its cycle</translation>
    </message>
    <message>
        <source>Zavrsi snimanje</source>
        <translation>End recording</translation>
    </message>
    <message>
        <source>Upisi snimljenu sesiju kao scenario (*.yaml)</source>
        <translation>Write the recorded session as a scenario (*.yaml)</translation>
    </message>
    <message>
        <source>Pusti snimak</source>
        <translation>Play recording</translation>
    </message>
    <message>
        <source>Restartuj program i pusti scenario (*.yaml): klikovi u svojim ciklusima, pauza na svakoj proveri</source>
        <translation>Restart the program and play a scenario (*.yaml): clicks at their cycles, a pause at every check</translation>
    </message>
    <message>
        <source>Izvezi talasne oblike (VCD)</source>
        <translation>Export waveforms (VCD)</translation>
    </message>
    <message>
        <source>Upisi nivoe i smerove pinova od pocetka izvrsavanja u VCD fajl</source>
        <translation>Write the pins&apos; levels and directions since the run started to a VCD file</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;MCLR reset (Ctrl+M)</source>
        <translation>&amp;MCLR reset (Ctrl+M)</translation>
    </message>
    <message>
        <source>Resetuj cip po katalogu preko pina MCLR: EEPROM i RAM ostaju, TO i PD kazu uzrok</source>
        <translation>Reset the data-sheet chip through its MCLR pin: EEPROM and RAM are kept, TO and PD tell the cause</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>Prikazi 64 bajta EEPROM-a cipa po katalogu</source>
        <translation>Show the data-sheet chip&apos;s 64 bytes of EEPROM</translation>
    </message>
    <message>
        <source>Ploca...</source>
        <translation>Board...</translation>
    </message>
    <message>
        <source>Postavi plocu iz fajla (*.board.yaml): LCD, displeji, tastatura, tasteri, terminal</source>
        <translation>Attach a board from a file (*.board.yaml): LCD, displays, keypad, buttons, terminal</translation>
    </message>
    <message>
        <source>Uredi plocu...</source>
        <translation>Edit board...</translation>
    </message>
    <message>
        <source>Dodaj, ukloni i povezi delove ploce i upisi je u fajl ploce</source>
        <translation>Add, remove and wire the board&apos;s parts and write it to the board file</translation>
    </message>
    <message>
        <source>Skini plocu</source>
        <translation>Detach board</translation>
    </message>
    <message>
        <source>Program radi bez ploce, samo sa panelom pinova</source>
        <translation>The program runs without a board, with the pin panel only</translation>
    </message>
    <message>
        <source>Ploca</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Prikazi delove postavljene ploce</source>
        <translation>Show the parts of the attached board</translation>
    </message>
    <message>
        <source>Uporedi sa resenjem...</source>
        <translation>Compare with a model solution...</translation>
    </message>
    <message>
        <source>Pusti resenje i program na istim ulazima i pokazi gde se pinovi prvi put razlikuju</source>
        <translation>Run the model solution and the program on the same inputs and show where their pins first differ</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Broj izvrsenja i ciklusi svake reci, reda i potprograma od pocetka rada</source>
        <translation>How often each word, line and subroutine ran, and its cycles, since the run started</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>InstructionTips</name>
    <message>
        <source>Sabira W i f.</source>
        <translation>Adds W and f.</translation>
    </message>
    <message>
        <source>C, DC, Z</source>
        <translation>C, DC, Z</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Logicko I registra W i f.</source>
        <translation>Logical AND of W and f.</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Brise f (f = 0).</source>
        <translation>Clears f (f = 0).</translation>
    </message>
    <message>
        <source>Brise W (W = 0).</source>
        <translation>Clears W (W = 0).</translation>
    </message>
    <message>
        <source>Komplement f: svaki bit se obrce.</source>
        <translation>Complements f: every bit is inverted.</translation>
    </message>
    <message>
        <source>Umanjuje f za 1.</source>
        <translation>Decrements f by 1.</translation>
    </message>
    <message>
        <source>Umanjuje f za 1 i preskace sledecu instrukciju kad je rezultat 0.</source>
        <translation>Decrements f by 1 and skips the next instruction when the result is 0.</translation>
    </message>
    <message>
        <source>nema</source>
        <translation>none</translation>
    </message>
    <message>
        <source>1 (2 kad preskace)</source>
        <translation>1 (2 when it skips)</translation>
    </message>
    <message>
        <source>Uvecava f za 1.</source>
        <translation>Increments f by 1.</translation>
    </message>
    <message>
        <source>Uvecava f za 1 i preskace sledecu instrukciju kad je rezultat 0.</source>
        <translation>Increments f by 1 and skips the next instruction when the result is 0.</translation>
    </message>
    <message>
        <source>Logicko ILI registra W i f.</source>
        <translation>Logical OR of W and f.</translation>
    </message>
    <message>
        <source>Prenosi f u W (d = 0) ili u sam f (d = 1, provera na nulu).</source>
        <translation>Moves f into W (d = 0) or into f itself (d = 1, a test for zero).</translation>
    </message>
    <message>
        <source>Prenosi W u f.</source>
        <translation>Moves W into f.</translation>
    </message>
    <message>
        <source>Ne radi nista.</source>
        <translation>Does nothing.</translation>
    </message>
    <message>
        <source>Rotira f ulevo kroz C.</source>
        <translation>Rotates f left through C.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Rotira f udesno kroz C.</source>
        <translation>Rotates f right through C.</translation>
    </message>
    <message>
        <source>Oduzima W od f (f - W).</source>
        <translation>Subtracts W from f (f - W).</translation>
    </message>
    <message>
        <source>Zamenjuje gornja i donja 4 bita f.</source>
        <translation>Swaps the upper and lower 4 bits of f.</translation>
    </message>
    <message>
        <source>Ekskluzivno ILI registra W i f.</source>
        <translation>Exclusive OR of W and f.</translation>
    </message>
    <message>
        <source>Brise bit b registra f.</source>
        <translation>Clears bit b of register f.</translation>
    </message>
    <message>
        <source>Postavlja bit b registra f.</source>
        <translation>Sets bit b of register f.</translation>
    </message>
    <message>
        <source>Preskace sledecu instrukciju kad je bit b registra f obrisan (0).</source>
        <translation>Skips the next instruction when bit b of register f is clear (0).</translation>
    </message>
    <message>
        <source>Preskace sledecu instrukciju kad je bit b registra f postavljen (1).</source>
        <translation>Skips the next instruction when bit b of register f is set (1).</translation>
    </message>
    <message>
        <source>Sabira konstantu k i W.</source>
        <translation>Adds the constant k and W.</translation>
    </message>
    <message>
        <source>Logicko I konstante k i W.</source>
        <translation>Logical AND of the constant k and W.</translation>
    </message>
    <message>
        <source>Poziva potprogram na adresi k; adresa povratka ide na stek.</source>
        <translation>Calls the subroutine at address k; the return address goes on the stack.</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Brise watchdog tajmer.</source>
        <translation>Clears the watchdog timer.</translation>
    </message>
    <message>
        <source>TO, PD</source>
        <translation>TO, PD</translation>
    </message>
    <message>
        <source>Skok na adresu k.</source>
        <translation>Jumps to address k.</translation>
    </message>
    <message>
        <source>Logicko ILI konstante k i W.</source>
        <translation>Logical OR of the constant k and W.</translation>
    </message>
    <message>
        <source>Upisuje konstantu k u W.</source>
        <translation>Loads the constant k into W.</translation>
    </message>
    <message>
        <source>Povratak iz prekida; ukljucuje prekide (GIE = 1).</source>
        <translation>Returns from an interrupt; enables interrupts (GIE = 1).</translation>
    </message>
    <message>
        <source>Povratak iz potprograma sa konstantom k u W.</source>
        <translation>Returns from a subroutine with the constant k in W.</translation>
    </message>
    <message>
        <source>Povratak iz potprograma.</source>
        <translation>Returns from a subroutine.</translation>
    </message>
    <message>
        <source>Prelazi u rezim spavanja.</source>
        <translation>Goes into sleep mode.</translation>
    </message>
    <message>
        <source>Oduzima W od konstante k (k - W).</source>
        <translation>Subtracts W from the constant k (k - W).</translation>
    </message>
    <message>
        <source>Ekskluzivno ILI konstante k i W.</source>
        <translation>Exclusive OR of the constant k and W.</translation>
    </message>
    <message>
        <source>Upisuje W u registar OPTION (stari nacin).</source>
        <translation>Writes W into the OPTION register (the old way).</translation>
    </message>
    <message>
        <source>Upisuje W u registar smera porta f (stari nacin).</source>
        <translation>Writes W into the direction register of port f (the old way).</translation>
    </message>
    <message>
        <source> f, d
f: registar; d: odrediste (0 ili W: u W, 1 ili F: u f)</source>
        <translation> f, d
f: register; d: destination (0 or W: into W, 1 or F: into f)</translation>
    </message>
    <message>
        <source> f
f: registar</source>
        <translation> f
f: register</translation>
    </message>
    <message>
        <source> f, b
f: registar; b: broj bita (0-7)</source>
        <translation> f, b
f: register; b: bit number (0-7)</translation>
    </message>
    <message>
        <source> k
k: konstanta (0-255)</source>
        <translation> k
k: constant (0-255)</translation>
    </message>
    <message>
        <source> k
k: adresa u programu (0-1023), obicno labela</source>
        <translation> k
k: program address (0-1023), usually a label</translation>
    </message>
    <message>
        <source> f
f: PORTA ili PORTB (5 ili 6)</source>
        <translation> f
f: PORTA or PORTB (5 or 6)</translation>
    </message>
    <message>
        <source>
Flegovi: </source>
        <translation>
Flags: </translation>
    </message>
    <message>
        <source>   Ciklusa: </source>
        <translation>   Cycles: </translation>
    </message>
</context>
<context>
    <name>RegisterNames</name>
    <message>
        <source>nije implementiran</source>
        <translation>not implemented</translation>
    </message>
    <message>
        <source>W (radni registar)</source>
        <translation>W (working register)</translation>
    </message>
    <message>
        <source>opsti registar %1</source>
        <translation>general purpose register %1</translation>
    </message>
    <message>
        <source>registar %1</source>
        <translation>register %1</translation>
    </message>
    <message>
        <source>
nema adresu u memoriji podataka</source>
        <translation>
has no address in data memory</translation>
    </message>
    <message>
        <source>
adresa %1</source>
        <translation>
address %1</translation>
    </message>
    <message>
        <source>
vrednost %1 = %2 = </source>
        <translation>
value %1 = %2 = </translation>
    </message>
</context>
<context>
    <name>RunState</name>
    <message>
        <source>Radi, %1 ms po instrukciji</source>
        <translation>Running, %1 ms per instruction</translation>
    </message>
    <message>
        <source>Radi punom brzinom</source>
        <translation>Running at full speed</translation>
    </message>
    <message>
        <source>Radi u realnom vremenu</source>
        <translation>Running in real time</translation>
    </message>
    <message>
        <source>Radi, 1/%1 realnog vremena</source>
        <translation>Running, 1/%1 of real time</translation>
    </message>
    <message>
        <source> (ne stize: kasni %1 s)</source>
        <translation> (cannot keep up: %1 s behind)</translation>
    </message>
    <message>
        <source>Ceka prvu komandu (Ctrl+F5 korak, F5 kontinualno)</source>
        <translation>Waiting for the first command (Ctrl+F5 step, F5 continuous)</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Stala na prekidnoj tacki %1</source>
        <translation>Stopped at breakpoint %1</translation>
    </message>
    <message>
        <source>PC je izasao iz programa: procesor je resetovan</source>
        <translation>The PC left the program: the processor was reset</translation>
    </message>
    <message>
        <source>Nema programa: prevedite ga (F7)</source>
        <translation>No program: assemble it (F7)</translation>
    </message>
    <message>
        <source> | Poruka: </source>
        <translation> | Message: </translation>
    </message>
    <message>
        <source>na adresi </source>
        <translation>at address </translation>
    </message>
    <message>
        <source>Spava (SLEEP), %1</source>
        <translation>Asleep (SLEEP), %1</translation>
    </message>
</context>
</TS>
