#include "ui/command_table.h"

#include <QtGlobal>
#include <algorithm>

#include "ui/command_ids.h"

namespace {
// clang-format off
constexpr CommandInfo kCommands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Command", "&New\tCtrl+N"), QT_TRANSLATE_NOOP("Command", "Create a new document"), QT_TRANSLATE_NOOP("Command", "New"), 0},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Command", "&Open...\tCtrl+O"), QT_TRANSLATE_NOOP("Command", "Open an existing document"), QT_TRANSLATE_NOOP("Command", "Open"), 1},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Command", "&Save\tCtrl+S"), QT_TRANSLATE_NOOP("Command", "Save the active document"), QT_TRANSLATE_NOOP("Command", "Save"), 2},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Command", "Save &As..."), QT_TRANSLATE_NOOP("Command", "Save the active document with a new name"), nullptr, -1},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Command", "E&xit"), QT_TRANSLATE_NOOP("Command", "Quit the application; prompts to save documents"), nullptr, -1},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Command", "&Undo\tCtrl+Z"), QT_TRANSLATE_NOOP("Command", "Undo the last action"), nullptr, -1},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("Command", "Cu&t\tCtrl+X"), QT_TRANSLATE_NOOP("Command", "Cut the selection and put it on the Clipboard"), QT_TRANSLATE_NOOP("Command", "Cut"), 3},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Command", "&Copy\tCtrl+C"), QT_TRANSLATE_NOOP("Command", "Copy the selection and put it on the Clipboard"), QT_TRANSLATE_NOOP("Command", "Copy"), 4},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Command", "&Paste\tCtrl+V"), QT_TRANSLATE_NOOP("Command", "Insert Clipboard contents"), QT_TRANSLATE_NOOP("Command", "Paste"), 5},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Command", "&Toolbar"), QT_TRANSLATE_NOOP("Command", "Prikazi toolbar"), nullptr, -1},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Command", "&Status Bar"), QT_TRANSLATE_NOOP("Command", "Prikazi status bar"), nullptr, -1},
    {ID_VIEW_HEX, QT_TRANSLATE_NOOP("Command", "&Heksa vrednosti      Ctrl+H   "), QT_TRANSLATE_NOOP("Command", "Prikazi heksa ili dekadne vrednosti"), nullptr, -1},
    {ID_VIEW_SPECIAL_REGS, QT_TRANSLATE_NOOP("Command", "Registri specijalne namene"), QT_TRANSLATE_NOOP("Command", "Prikazi registre specijalne namene"), nullptr, -1},
    {ID_VIEW_GENERAL_REGS, QT_TRANSLATE_NOOP("Command", "Registri opste namene"), QT_TRANSLATE_NOOP("Command", "Prikazi registre opste namene"), nullptr, -1},
    {ID_VIEW_CHANGES, QT_TRANSLATE_NOOP("Command", "Oznaci promene"), QT_TRANSLATE_NOOP("Command", "Crvenom bojom oznaci vrednosti koje je promenila poslednja instrukcija ili klik"), nullptr, -1},
    {ID_ASSEMBLE, QT_TRANSLATE_NOOP("Command", "&Prevedi  (F7)"), QT_TRANSLATE_NOOP("Command", "Prevedi "), QT_TRANSLATE_NOOP("Command", "Prevedi"), 6},
    {ID_SINGLE_STEP, QT_TRANSLATE_NOOP("Command", "&Korak po korak (Ctrl+F5)"), QT_TRANSLATE_NOOP("Command", "Korak po korak "), QT_TRANSLATE_NOOP("Command", "Simulacija korak po korak  (Ctrl+F5)"), 7},
    {ID_CONTINUOUS_RUN, QT_TRANSLATE_NOOP("Command", "Kontinualna simulacija (F5)"), QT_TRANSLATE_NOOP("Command", "Kontinualna simulacija "), QT_TRANSLATE_NOOP("Command", "Kontinualna simulacija (F5)"), 8},
    {ID_STOP_SIMULATION, QT_TRANSLATE_NOOP("Command", "&Prekid simulacije (Shift+F5)"), QT_TRANSLATE_NOOP("Command", "Prekid simulacije "), QT_TRANSLATE_NOOP("Command", "Prekid (Shift+F5)"), 9},
    {ID_RESTART, QT_TRANSLATE_NOOP("Command", "&Restart (Ctrl+R)"), QT_TRANSLATE_NOOP("Command", "Restart "), QT_TRANSLATE_NOOP("Command", " Restart"), 10},
    {ID_MCLR_RESET, QT_TRANSLATE_NOOP("Command", "&MCLR reset (Ctrl+M)"), QT_TRANSLATE_NOOP("Command", "Resetuj cip po katalogu preko pina MCLR: EEPROM i RAM ostaju, TO i PD kazu uzrok"), nullptr, -1},
    {ID_SPEED, QT_TRANSLATE_NOOP("Command", "&Brzina (Ctrl+B)"), QT_TRANSLATE_NOOP("Command", "Brzina /nBrzina"), nullptr, -1},
    {ID_BREAK_LABELS, QT_TRANSLATE_NOOP("Command", "&Labele prekidnih tacaka (Ctrl+L)"), QT_TRANSLATE_NOOP("Command", "Labele prekidnih tacaka (Ctrl+L)"), nullptr, -1},
    {ID_HELP, QT_TRANSLATE_NOOP("Command", "&Pomoc"), QT_TRANSLATE_NOOP("Command", "Pomoc "), QT_TRANSLATE_NOOP("Command", "Pomoc"), 11},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Command", "&O programu"), QT_TRANSLATE_NOOP("Command", "O programu"), nullptr, -1},
    {ID_NEXT_PANE, "", QT_TRANSLATE_NOOP("Command", "Switch to the next window pane"), nullptr, -1},
    {ID_PREV_PANE, "", QT_TRANSLATE_NOOP("Command", "Switch back to the previous window pane"), nullptr, -1},
    {ID_SAVE_BEFORE_ASSEMBLE, QT_TRANSLATE_NOOP("Command", "Sacuvaj pre prevodjenja"), QT_TRANSLATE_NOOP("Command", "Sacuvaj tekst pre svakog prevodjenja (F7)"), nullptr, -1},
    {ID_DATASHEET_CHIP, QT_TRANSLATE_NOOP("Command", "Cip po katalogu (PIC16C84)"), QT_TRANSLATE_NOOP("Command", "Procesor radi kao PIC16C84 po katalogu: reset na 0, skokovi preko PCL, SLEEP, watchdog, EEPROM"), nullptr, -1},
    {ID_ASSEMBLER_TIME_LIMIT, QT_TRANSLATE_NOOP("Command", "Vreme za prevodjenje..."), QT_TRANSLATE_NOOP("Command", "Posle koliko sekundi se prevodilac prekida"), nullptr, -1},
    {ID_NEXT_MESSAGE, "", QT_TRANSLATE_NOOP("Command", "Sledeca poruka asemblera"), nullptr, -1},
    {ID_PREV_MESSAGE, "", QT_TRANSLATE_NOOP("Command", "Prethodna poruka asemblera"), nullptr, -1},
    {ID_TOGGLE_BREAKPOINT, "", QT_TRANSLATE_NOOP("Command", "Prekidna tacka na redu"), nullptr, -1},
    {ID_STEP_BACK, QT_TRANSLATE_NOOP("Command", "Korak &unazad (Ctrl+Shift+F5)"), QT_TRANSLATE_NOOP("Command", "Vrati procesor za jednu instrukciju unazad"), QT_TRANSLATE_NOOP("Command", "Korak unazad (Ctrl+Shift+F5)"), 12},
    {ID_BACK_TO_EVENT, QT_TRANSLATE_NOOP("Command", "Unazad do prethodnog &dogadjaja (Ctrl+Shift+D)"), QT_TRANSLATE_NOOP("Command", "Vrati procesor do poslednjeg prekida, prekidne tacke ili klika na pin"), nullptr, -1},
    {ID_OSCILLATOR, QT_TRANSLATE_NOOP("Command", "&Takt oscilatora..."), QT_TRANSLATE_NOOP("Command", "Ucestanost oscilatora za stopericu"), nullptr, -1},
    {ID_ZERO_STOPWATCH, QT_TRANSLATE_NOOP("Command", "&Nuliraj stopericu"), QT_TRANSLATE_NOOP("Command", "Stoperica pocinje od nule"), nullptr, -1},
    {ID_VIEW_STOPWATCH, QT_TRANSLATE_NOOP("Command", "Stoperica"), QT_TRANSLATE_NOOP("Command", "Prikazi cikluse i proteklo vreme u status baru"), nullptr, -1},
    {ID_VIEW_TOOLBAR_EXTRAS, QT_TRANSLATE_NOOP("Command", "Dodaci na traci sa alatima"), QT_TRANSLATE_NOOP("Command", "Prikazi izbor brzine i dugme Korak unazad na traci sa alatima"), nullptr, -1},
    {ID_VIEW_EVENTS, QT_TRANSLATE_NOOP("Command", "Dogadjaji"), QT_TRANSLATE_NOOP("Command", "Prikazi dogadjaje izvrsavanja"), nullptr, -1},
    {ID_VIEW_WATCH, QT_TRANSLATE_NOOP("Command", "Pracenje"), QT_TRANSLATE_NOOP("Command", "Prikazi promenljive programa koje pratite"), nullptr, -1},
    {ID_VIEW_STACK, QT_TRANSLATE_NOOP("Command", "Stek"), QT_TRANSLATE_NOOP("Command", "Prikazi povratne adrese na steku"), nullptr, -1},
    {ID_VIEW_PROGRAM_MEMORY, QT_TRANSLATE_NOOP("Command", "Programska memorija"), QT_TRANSLATE_NOOP("Command", "Prikazi sve reci programa sa instrukcijama i labelama"), nullptr, -1},
    {ID_VIEW_PROFILE, QT_TRANSLATE_NOOP("Command", "Profil"), QT_TRANSLATE_NOOP("Command", "Broj izvrsenja i ciklusi svake reci, reda i potprograma od pocetka rada"), nullptr, -1},
    {ID_VIEW_DATA_MEMORY, QT_TRANSLATE_NOOP("Command", "Memorija podataka"), QT_TRANSLATE_NOOP("Command", "Prikazi obe banke memorije podataka sa imenima"), nullptr, -1},
    {ID_VIEW_EEPROM, QT_TRANSLATE_NOOP("Command", "EEPROM"), QT_TRANSLATE_NOOP("Command", "Prikazi 64 bajta EEPROM-a cipa po katalogu"), nullptr, -1},
    {ID_VIEW_ANALYSER, QT_TRANSLATE_NOOP("Command", "Logicki analizator"), QT_TRANSLATE_NOOP("Command", "Prikazi nivoe pinova kroz vreme, merenja i uslov zaustavljanja"), nullptr, -1},
    {ID_RECORD_START, QT_TRANSLATE_NOOP("Command", "Snimi sesiju"), QT_TRANSLATE_NOOP("Command", "Restartuj program i pamti svaki klik na pin sa njegovim ciklusom"), nullptr, -1},
    {ID_RECORD_END, QT_TRANSLATE_NOOP("Command", "Zavrsi snimanje"), QT_TRANSLATE_NOOP("Command", "Upisi snimljenu sesiju kao scenario (*.yaml)"), nullptr, -1},
    {ID_REPLAY, QT_TRANSLATE_NOOP("Command", "Pusti snimak"), QT_TRANSLATE_NOOP("Command", "Restartuj program i pusti scenario (*.yaml): klikovi u svojim ciklusima, pauza na svakoj proveri"), nullptr, -1},
    {ID_COMPARE, QT_TRANSLATE_NOOP("Command", "Uporedi sa resenjem..."), QT_TRANSLATE_NOOP("Command", "Pusti resenje i program na istim ulazima i pokazi gde se pinovi prvi put razlikuju"), nullptr, -1},
    {ID_EXPORT_VCD, QT_TRANSLATE_NOOP("Command", "Izvezi talasne oblike (VCD)"), QT_TRANSLATE_NOOP("Command", "Upisi nivoe i smerove pinova od pocetka izvrsavanja u VCD fajl"), nullptr, -1},
    {ID_BOARD_OPEN, QT_TRANSLATE_NOOP("Command", "Ploca..."), QT_TRANSLATE_NOOP("Command", "Postavi plocu iz fajla (*.board.yaml): LCD, displeji, tastatura, tasteri, terminal"), nullptr, -1},
    {ID_BOARD_EDIT, QT_TRANSLATE_NOOP("Command", "Uredi plocu..."), QT_TRANSLATE_NOOP("Command", "Dodaj, ukloni i povezi delove ploce i upisi je u fajl ploce"), nullptr, -1},
    {ID_BOARD_DETACH, QT_TRANSLATE_NOOP("Command", "Skini plocu"), QT_TRANSLATE_NOOP("Command", "Program radi bez ploce, samo sa panelom pinova"), nullptr, -1},
    {ID_VIEW_BOARD, QT_TRANSLATE_NOOP("Command", "Ploca"), QT_TRANSLATE_NOOP("Command", "Prikazi delove postavljene ploce"), nullptr, -1},
};

constexpr int kFileMenu[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, kSeparator, ID_APP_EXIT};
constexpr int kEditMenu[] = {ID_EDIT_UNDO, kSeparator, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
constexpr int kViewMenu[] = {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_HEX, ID_VIEW_SPECIAL_REGS, ID_VIEW_GENERAL_REGS, ID_VIEW_CHANGES,
                             kSeparator, ID_VIEW_STOPWATCH, ID_VIEW_TOOLBAR_EXTRAS, ID_VIEW_EVENTS,
                             ID_VIEW_WATCH, ID_VIEW_STACK, ID_VIEW_PROGRAM_MEMORY, ID_VIEW_PROFILE, ID_VIEW_DATA_MEMORY,
                             ID_VIEW_EEPROM, ID_VIEW_ANALYSER, ID_VIEW_BOARD};
constexpr int kOptionsMenu[] = {ID_ASSEMBLE, ID_SAVE_BEFORE_ASSEMBLE, ID_ASSEMBLER_TIME_LIMIT, ID_DATASHEET_CHIP, kSeparator, ID_SINGLE_STEP, ID_CONTINUOUS_RUN, ID_STOP_SIMULATION,
                                ID_RESTART, ID_MCLR_RESET, ID_SPEED, ID_BREAK_LABELS, kSeparator, ID_STEP_BACK, ID_BACK_TO_EVENT,
                                kSeparator, ID_OSCILLATOR, ID_ZERO_STOPWATCH, kSeparator, ID_RECORD_START,
                                ID_RECORD_END, ID_REPLAY, ID_EXPORT_VCD, ID_COMPARE, kSeparator, ID_BOARD_OPEN,
                                ID_BOARD_EDIT, ID_BOARD_DETACH};
constexpr int kHelpMenu[] = {ID_HELP, ID_APP_ABOUT};

constexpr MenuInfo kMenus[] = {
    {QT_TRANSLATE_NOOP("Command", "&File"), kFileMenu}, {QT_TRANSLATE_NOOP("Command", "&Edit"), kEditMenu}, {QT_TRANSLATE_NOOP("Command", "&View"), kViewMenu},
    {QT_TRANSLATE_NOOP("Command", "&Options"), kOptionsMenu}, {QT_TRANSLATE_NOOP("Command", "&Help"), kHelpMenu},
};

constexpr int kToolbar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, kSeparator,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, kSeparator,
    ID_ASSEMBLE, kSeparator,
    ID_SINGLE_STEP, ID_CONTINUOUS_RUN, ID_STOP_SIMULATION, ID_RESTART, ID_STEP_BACK, kSeparator,
    ID_HELP,
};

// Shift+F5 issues the stop command that the menu item of that name carries.
constexpr AcceleratorInfo kAccelerators[] = {
    {Qt::CTRL | Qt::Key_B, ID_SPEED},
    {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
    {Qt::CTRL | Qt::Key_H, ID_VIEW_HEX},
    {Qt::CTRL | Qt::Key_L, ID_BREAK_LABELS},
    {Qt::CTRL | Qt::Key_M, ID_MCLR_RESET},
    {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
    {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
    {Qt::CTRL | Qt::Key_R, ID_RESTART},
    {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
    {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
    {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
    {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
    {QKeyCombination(Qt::Key_F1), ID_HELP},
    {QKeyCombination(Qt::Key_F5), ID_CONTINUOUS_RUN},
    {Qt::CTRL | Qt::Key_F5, ID_SINGLE_STEP},
    {Qt::SHIFT | Qt::Key_F5, ID_STOP_SIMULATION},
    {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
    {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
    {QKeyCombination(Qt::Key_F7), ID_ASSEMBLE},
    {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
    {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
    {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
    {QKeyCombination(Qt::Key_F4), ID_NEXT_MESSAGE},
    {Qt::SHIFT | Qt::Key_F4, ID_PREV_MESSAGE},
    {QKeyCombination(Qt::Key_F9), ID_TOGGLE_BREAKPOINT},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_F5, ID_STEP_BACK},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_D, ID_BACK_TO_EVENT},
};
// clang-format on
}  // namespace

std::span<const CommandInfo> Commands() {
    return kCommands;
}

const CommandInfo* FindCommand(int id) {
    const auto* it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [id](const CommandInfo& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : it;
}

std::span<const MenuInfo> MainMenu() {
    return kMenus;
}
std::span<const int> ToolbarButtons() {
    return kToolbar;
}
std::span<const AcceleratorInfo> Accelerators() {
    return kAccelerators;
}
