// The English of core's texts: the chip's run-time messages, the refusals of
// a register edit and the run-time checks' explanations.
#include "core/texts/translate.h"

namespace core {

namespace {
constexpr SEnglishText kTexts[] = {
    {"Stek je pun", "The stack is full"},
    {"Stek je prazan", "The stack is empty"},
    {"GRESKA: Pogresna vrednost argumenta instrukcije",
     "ERROR: Wrong value of an instruction's operand"},
    {"Port je setovan kao izlazni", "The port is set as an output"},
    {"Takav registar ne postoji", "There is no such register"},
    {"INDF nije registar: upis ide u registar na koji pokazuje FSR, upisite vrednost tamo",
     "INDF is not a register: a write goes to the register FSR points at, write the value there"},
    {"PCL prati PC i ne moze se menjati", "PCL follows PC and cannot be changed"},
    {"Instrukcija navodi %s iz banke %d, ali je izabrana banka %d, pa pristupa registru %s. "
     "Pre nje izaberite banku %d (%s STATUS,RP0 ili BANKSEL).",
     "The instruction names %s of bank %d, but bank %d is selected, so it reaches register %s. "
     "Select bank %d before it (%s STATUS,RP0 or BANKSEL)."},
    {"Upis u PCL na ovom (klasicnom) cipu ne skace: program nastavlja sledecom instrukcijom. "
     "Racunati skok (tabela sa ADDWF PCL,F) radi u profilu cipa po katalogu (datasheet).",
     "A write to PCL does not jump on this (classic) chip: the program goes on with the next "
     "instruction. A computed jump (a table with ADDWF PCL,F) works in the data-sheet chip "
     "profile (datasheet)."},
    {"Racunati skok iz stranice %d vodi na rec 0x%03X (stranica %d), ali PCLATH bira stranicu %d, "
     "pa program skace na 0x%03X. Pre skoka upisite stranicu tabele u PCLATH (MOVLW HIGH tabela, "
     "MOVWF PCLATH) ili postavite tabelu tako da ne prelazi granicu od 256 reci.",
     "A computed jump from page %d leads to word 0x%03X (page %d), but PCLATH selects page %d, "
     "so the program jumps to 0x%03X. Before the jump write the table's page to PCLATH (MOVLW "
     "HIGH table, MOVWF PCLATH) or place the table so that it does not cross a 256-word "
     "boundary."},
    {"Deveti ugnjezdeni CALL: stek ima 8 nivoa, pa se najstarija povratna adresa gubi i jedan "
     "RETURN ce se vratiti na pogresno mesto. Smanjite dubinu poziva (GOTO gde povratak nije "
     "potreban).",
     "A ninth nested CALL: the stack has 8 levels, so the oldest return address is lost and one "
     "RETURN will go back to the wrong place. Make the calls less deep (GOTO where no return is "
     "needed)."},
    {"Prekid je stigao dok je stek pun (8 nivoa): njegova povratna adresa brise najstariju, pa "
     "se program kasnije vraca na pogresno mesto. Smanjite dubinu poziva dok su prekidi "
     "omoguceni.",
     "An interrupt came while the stack was full (8 levels): its return address overwrites the "
     "oldest, so the program later returns to the wrong place. Make the calls less deep while "
     "interrupts are enabled."},
    {"%s bez CALL-a: stek je prazan, pa se program vraca na adresu 0. Proverite da se ovde "
     "stize pozivom (CALL), a ne skokom ili propadanjem.",
     "%s without a CALL: the stack is empty, so the program returns to address 0. Make sure "
     "this place is reached by a call (CALL), not by a jump or by falling through."},
    {"RETFIE, a zastavica %s koja je izazvala prekid jos je postavljena i omogucena, pa se "
     "prekidna rutina odmah ponovo izvrsava. Obrisite je u rutini pre RETFIE (npr. BCF "
     "INTCON,%s).",
     "RETFIE while the flag %s that caused the interrupt is still set and enabled, so the "
     "interrupt routine runs again at once. Clear it in the routine before RETFIE (e.g. BCF "
     "INTCON,%s)."},
    {"W (pri ulazu 0x%02X, sada 0x%02X)", "W (0x%02X on entry, now 0x%02X)"},
    {"zastavice %1 registra STATUS", "the flags %1 of the STATUS register"},
    {"Prekidna rutina (RETFIE u liniji %d) je promenila %s, a prekinuti program ih ovde koristi. "
     "Sacuvajte W i STATUS na ulazu u rutinu (MOVWF w_temp, SWAPF STATUS,W, MOVWF s_temp) i "
     "vratite ih pre RETFIE.",
     "The interrupt routine (RETFIE on line %d) changed %s, and the interrupted program uses "
     "them here. Save W and STATUS on entering the routine (MOVWF w_temp, SWAPF STATUS,W, MOVWF "
     "s_temp) and restore them before RETFIE."},
    {"RBIF se brise, a port B nije procitan posle promene: neslaganje ostaje, zastavica se "
     "odmah ponovo postavlja i prekid se ponavlja. Procitajte PORTB (npr. MOVF PORTB,W) pre "
     "BCF INTCON,RBIF.",
     "RBIF is cleared, but port B was not read after the change: the mismatch stays, the flag "
     "is set again at once and the interrupt repeats. Read PORTB (e.g. MOVF PORTB,W) before "
     "BCF INTCON,RBIF."},
    {"Registar %s se cita pre nego sto mu je bilo sta upisano: posle ukljucenja cipa njegova "
     "vrednost nije poznata. Upisite mu pocetnu vrednost (npr. CLRF) pre prve upotrebe.",
     "Register %s is read before anything was written to it: after power-up its value is "
     "unknown. Write a starting value to it (e.g. CLRF) before its first use."},
    {"WR se postavlja, a WREN nije: cip ne upisuje u EEPROM. Postavite BSF EECON1,WREN pre "
     "niza 0x55, 0xAA i BSF EECON1,WR.",
     "WR is set, but WREN is not: the chip does not write to the EEPROM. Set BSF EECON1,WREN "
     "before the sequence 0x55, 0xAA and BSF EECON1,WR."},
    {"WR se postavlja bez niza 0x55, 0xAA upisanog u EECON2 neposredno pre: cip ne upisuje u "
     "EEPROM. Neposredno pre BSF EECON1,WR upisite 0x55 pa 0xAA u EECON2, sa zabranjenim "
     "prekidima.",
     "WR is set without the sequence 0x55, 0xAA written to EECON2 just before: the chip does "
     "not write to the EEPROM. Just before BSF EECON1,WR write 0x55 and then 0xAA to EECON2, "
     "with interrupts disabled."},
    {"%s na %s cita nivoe pinova: izlaz %s ima u latchu %d, a pin je na %d, pa instrukcija "
     "upisuje %d i u njegov latch. Drzite kopiju porta u registru i upisujte u port celu "
     "kopiju.",
     "%s on %s reads the pins' levels: output %s has %d in its latch, but the pin is at %d, so "
     "the instruction writes %d into its latch too. Keep a copy of the port in a register and "
     "write the whole copy to the port."},
    {"Watchdog je resetovao cip: program ga nije obrisao na vreme. Dodajte CLRWDT u glavnu "
     "petlju ili iskljucite watchdog u konfiguracionoj reci.",
     "The watchdog reset the chip: the program did not clear it in time. Add CLRWDT to the main "
     "loop or switch the watchdog off in the configuration word."},
};
}  // namespace

std::span<const SEnglishText> CoreEnglish() {
    return kTexts;
}

}  // namespace core
