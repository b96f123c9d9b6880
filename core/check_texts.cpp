#include "core/check_texts.h"

#include <cstdarg>
#include <cstdio>

#include "core/event_log.h"
#include "core/texts/translate.h"

namespace core {

namespace {
std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string FlagNames(uint8_t flags, const char* const names[3]) {
    std::string list;
    for (int bit = 0; bit < 3; ++bit) {
        if (!(flags & (1u << bit))) continue;
        if (!list.empty()) list += ", ";
        list += names[bit];
    }
    return list;
}
}  // namespace

std::string BankText(const std::string& named, int namedBank, int selectedBank,
                     const std::string& reached) {
    return Format(
        Tr("Instrukcija navodi %s iz banke %d, ali je izabrana banka %d, pa pristupa registru %s. "
           "Pre nje izaberite banku %d (%s STATUS,RP0 ili BANKSEL)."),
        named.c_str(), namedBank, selectedBank, reached.c_str(), namedBank,
        namedBank == 1 ? "BSF" : "BCF");
}

std::string ClassicPclText() {
    return Tr(
        "Upis u PCL na ovom (klasicnom) cipu ne skace: program nastavlja sledecom instrukcijom. "
        "Racunati skok (tabela sa ADDWF PCL,F) radi u profilu cipa po katalogu (datasheet).");
}

std::string PclPageText(int page, int meant, int pclathPage, int reached) {
    return Format(Tr("Racunati skok iz stranice %d vodi na rec 0x%03X (stranica %d), ali PCLATH "
                     "bira stranicu %d, "
                     "pa program skace na 0x%03X. Pre skoka upisite stranicu tabele u PCLATH "
                     "(MOVLW HIGH tabela, "
                     "MOVWF PCLATH) ili postavite tabelu tako da ne prelazi granicu od 256 reci."),
                  page, meant, meant >> 8, pclathPage, reached);
}

std::string NinthCallText() {
    return Tr(
        "Deveti ugnjezdeni CALL: stek ima 8 nivoa, pa se najstarija povratna adresa gubi i jedan "
        "RETURN ce se vratiti na pogresno mesto. Smanjite dubinu poziva (GOTO gde povratak nije "
        "potreban).");
}

std::string FullStackInterruptText() {
    return Tr(
        "Prekid je stigao dok je stek pun (8 nivoa): njegova povratna adresa brise najstariju, pa "
        "se program kasnije vraca na pogresno mesto. Smanjite dubinu poziva dok su prekidi "
        "omoguceni.");
}

std::string EmptyReturnText(const char* mnemonic) {
    return Format(
        Tr("%s bez CALL-a: stek je prazan, pa se program vraca na adresu 0. Proverite da se ovde "
           "stize pozivom (CALL), a ne skokom ili propadanjem."),
        mnemonic);
}

std::string IsrFlagText(uint8_t flags) {
    static const char* const kNames[3] = {"RBIF", "INTF", "T0IF"};
    return Format(
        Tr("RETFIE, a zastavica %s koja je izazvala prekid jos je postavljena i omogucena, pa se "
           "prekidna rutina odmah ponovo izvrsava. Obrisite je u rutini pre RETFIE (npr. BCF "
           "INTCON,%s)."),
        FlagNames(flags, kNames).c_str(), FlagNames(flags & -flags, kNames).c_str());
}

std::string IsrContextText(int retfieLine, bool usesW, uint8_t w, uint8_t entryW, uint8_t flags) {
    static const char* const kNames[3] = {"C", "DC", "Z"};
    const std::string what =
        usesW ? Format(Tr("W (pri ulazu 0x%02X, sada 0x%02X)"), entryW, w)
              : Fill(Tr("zastavice %1 registra STATUS"), {FlagNames(flags, kNames)});
    return Format(
        Tr("Prekidna rutina (RETFIE u liniji %d) je promenila %s, a prekinuti program ih ovde "
           "koristi. "
           "Sacuvajte W i STATUS na ulazu u rutinu (MOVWF w_temp, SWAPF STATUS,W, MOVWF s_temp) i "
           "vratite ih pre RETFIE."),
        retfieLine, what.c_str());
}

std::string RbifReadText() {
    return Tr(
        "RBIF se brise, a port B nije procitan posle promene: neslaganje ostaje, zastavica se "
        "odmah ponovo postavlja i prekid se ponavlja. Procitajte PORTB (npr. MOVF PORTB,W) pre "
        "BCF INTCON,RBIF.");
}

std::string UninitialisedText(const std::string& name) {
    return Format(
        Tr("Registar %s se cita pre nego sto mu je bilo sta upisano: posle ukljucenja cipa njegova "
           "vrednost nije poznata. Upisite mu pocetnu vrednost (npr. CLRF) pre prve upotrebe."),
        name.c_str());
}

std::string EepromWithoutWrenText() {
    return Tr(
        "WR se postavlja, a WREN nije: cip ne upisuje u EEPROM. Postavite BSF EECON1,WREN pre "
        "niza 0x55, 0xAA i BSF EECON1,WR.");
}

std::string EepromWithoutSequenceText() {
    return Tr(
        "WR se postavlja bez niza 0x55, 0xAA upisanog u EECON2 neposredno pre: cip ne upisuje u "
        "EEPROM. Neposredno pre BSF EECON1,WR upisite 0x55 pa 0xAA u EECON2, sa zabranjenim "
        "prekidima.");
}

std::string RmwPortText(const char* mnemonic, const std::string& port, const std::string& pin,
                        int latch) {
    return Format(
        Tr("%s na %s cita nivoe pinova: izlaz %s ima u latchu %d, a pin je na %d, pa instrukcija "
           "upisuje %d i u njegov latch. Drzite kopiju porta u registru i upisujte u port celu "
           "kopiju."),
        mnemonic, port.c_str(), pin.c_str(), latch, 1 - latch, 1 - latch);
}

std::string WatchdogResetText() {
    return Tr(
        "Watchdog je resetovao cip: program ga nije obrisao na vreme. Dodajte CLRWDT u glavnu "
        "petlju ili iskljucite watchdog u konfiguracionoj reci.");
}

}  // namespace core
