#include "command_table.h"

#include <algorithm>

#include "command_ids.h"

namespace {
// clang-format off
constexpr CommandInfo kCommands[] = {
    {ID_FILE_NEW, "&New\tCtrl+N", "Create a new document", "New", 0},
    {ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing document", "Open", 1},
    {ID_FILE_SAVE, "&Save\tCtrl+S", "Save the active document", "Save", 2},
    {ID_FILE_SAVE_AS, "Save &As...", "Save the active document with a new name", nullptr, -1},
    {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents", nullptr, -1},
    {ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action", nullptr, -1},
    {ID_EDIT_CUT, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard", "Cut", 3},
    {ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard", "Copy", 4},
    {ID_EDIT_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents", "Paste", 5},
    {ID_VIEW_TOOLBAR, "&Toolbar", "Prikazi toolbar", nullptr, -1},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "Prikazi status bar", nullptr, -1},
    {ID_VIEW_HEX, "&Heksa vrednosti      Ctrl+H   ", "Prikazi heksa ili dekadne vrednosti", nullptr, -1},
    {ID_VIEW_SPECIAL_REGS, "Registri specijalne namene", "Prikazi registre specijalne namene", nullptr, -1},
    {ID_VIEW_GENERAL_REGS, "Registri opste namene", "Prikazi registre opste namene", nullptr, -1},
    {ID_VIEW_CHANGES, "Oznaci promene", "Crvenom bojom oznaci vrednosti koje je promenila poslednja instrukcija ili klik", nullptr, -1},
    {ID_ASSEMBLE, "&Prevedi  (F7)", "Prevedi ", "Prevedi", 6},
    {ID_SINGLE_STEP, "&Korak po korak (Ctrl+F5)", "Korak po korak ", "Simulacija korak po korak  (Ctrl+F5)", 7},
    {ID_CONTINUOUS_RUN, "Kontinualna simulacija (F5)", "Kontinualna simulacija ", "Kontinualna simulacija (F5)", 8},
    {ID_STOP_SIMULATION, "&Prekid simulacije (Shift+F5)", "Prekid simulacije ", "Prekid (Shift+F5)", 9},
    {ID_RESTART, "&Restart (Ctrl+R)", "Restart ", " Restart", 10},
    {ID_MCLR_RESET, "&MCLR reset (Ctrl+M)", "Resetuj cip po katalogu preko pina MCLR: EEPROM i RAM ostaju, TO i PD kazu uzrok", nullptr, -1},
    {ID_SPEED, "&Brzina (Ctrl+B)", "Brzina /nBrzina", nullptr, -1},
    {ID_BREAK_LABELS, "&Labele prekidnih tacaka (Ctrl+L)", "Labele prekidnih tacaka (Ctrl+L)", nullptr, -1},
    {ID_HELP, "&Pomoc", "Pomoc ", "Pomoc", 11},
    {ID_APP_ABOUT, "&O programu", "O programu", nullptr, -1},
    {ID_NEXT_PANE, "", "Switch to the next window pane", nullptr, -1},
    {ID_PREV_PANE, "", "Switch back to the previous window pane", nullptr, -1},
    {ID_SAVE_BEFORE_ASSEMBLE, "Sacuvaj pre prevodjenja", "Sacuvaj tekst pre svakog prevodjenja (F7)", nullptr, -1},
    {ID_DATASHEET_CHIP, "Cip po katalogu (PIC16C84)", "Procesor radi kao PIC16C84 po katalogu: reset na 0, skokovi preko PCL, SLEEP, watchdog, EEPROM", nullptr, -1},
    {ID_ASSEMBLER_TIME_LIMIT, "Vreme za prevodjenje...", "Posle koliko sekundi se prevodilac prekida", nullptr, -1},
    {ID_NEXT_MESSAGE, "", "Sledeca poruka asemblera", nullptr, -1},
    {ID_PREV_MESSAGE, "", "Prethodna poruka asemblera", nullptr, -1},
    {ID_TOGGLE_BREAKPOINT, "", "Prekidna tacka na redu", nullptr, -1},
    {ID_STEP_BACK, "Korak &unazad (Ctrl+Shift+F5)", "Vrati procesor za jednu instrukciju unazad", "Korak unazad (Ctrl+Shift+F5)", 12},
    {ID_BACK_TO_EVENT, "Unazad do prethodnog &dogadjaja (Ctrl+Shift+D)", "Vrati procesor do poslednjeg prekida, prekidne tacke ili klika na pin", nullptr, -1},
    {ID_OSCILLATOR, "&Takt oscilatora...", "Ucestanost oscilatora za stopericu", nullptr, -1},
    {ID_ZERO_STOPWATCH, "&Nuliraj stopericu", "Stoperica pocinje od nule", nullptr, -1},
    {ID_VIEW_STOPWATCH, "Stoperica", "Prikazi cikluse i proteklo vreme u status baru", nullptr, -1},
    {ID_VIEW_TOOLBAR_EXTRAS, "Dodaci na traci sa alatima", "Prikazi izbor brzine i dugme Korak unazad na traci sa alatima", nullptr, -1},
    {ID_VIEW_EVENTS, "Dogadjaji", "Prikazi dogadjaje izvrsavanja", nullptr, -1},
    {ID_VIEW_WATCH, "Pracenje", "Prikazi promenljive programa koje pratite", nullptr, -1},
    {ID_VIEW_STACK, "Stek", "Prikazi povratne adrese na steku", nullptr, -1},
    {ID_VIEW_PROGRAM_MEMORY, "Programska memorija", "Prikazi sve reci programa sa instrukcijama i labelama", nullptr, -1},
    {ID_VIEW_DATA_MEMORY, "Memorija podataka", "Prikazi obe banke memorije podataka sa imenima", nullptr, -1},
    {ID_VIEW_EEPROM, "EEPROM", "Prikazi 64 bajta EEPROM-a cipa po katalogu", nullptr, -1},
    {ID_VIEW_ANALYSER, "Logicki analizator", "Prikazi nivoe pinova kroz vreme, merenja i uslov zaustavljanja", nullptr, -1},
    {ID_RECORD_START, "Snimi sesiju", "Restartuj program i pamti svaki klik na pin sa njegovim ciklusom", nullptr, -1},
    {ID_RECORD_END, "Zavrsi snimanje", "Upisi snimljenu sesiju kao scenario (*.yaml)", nullptr, -1},
    {ID_REPLAY, "Pusti snimak", "Restartuj program i pusti scenario (*.yaml): klikovi u svojim ciklusima, pauza na svakoj proveri", nullptr, -1},
    {ID_EXPORT_VCD, "Izvezi talasne oblike (VCD)", "Upisi nivoe i smerove pinova od pocetka izvrsavanja u VCD fajl", nullptr, -1},
};

constexpr int kFileMenu[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, kSeparator, ID_APP_EXIT};
constexpr int kEditMenu[] = {ID_EDIT_UNDO, kSeparator, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
constexpr int kViewMenu[] = {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_HEX, ID_VIEW_SPECIAL_REGS, ID_VIEW_GENERAL_REGS, ID_VIEW_CHANGES,
                             kSeparator, ID_VIEW_STOPWATCH, ID_VIEW_TOOLBAR_EXTRAS, ID_VIEW_EVENTS,
                             ID_VIEW_WATCH, ID_VIEW_STACK, ID_VIEW_PROGRAM_MEMORY, ID_VIEW_DATA_MEMORY,
                             ID_VIEW_EEPROM, ID_VIEW_ANALYSER};
constexpr int kOptionsMenu[] = {ID_ASSEMBLE, ID_SAVE_BEFORE_ASSEMBLE, ID_ASSEMBLER_TIME_LIMIT, ID_DATASHEET_CHIP, kSeparator, ID_SINGLE_STEP, ID_CONTINUOUS_RUN, ID_STOP_SIMULATION,
                                ID_RESTART, ID_MCLR_RESET, ID_SPEED, ID_BREAK_LABELS, kSeparator, ID_STEP_BACK, ID_BACK_TO_EVENT,
                                kSeparator, ID_OSCILLATOR, ID_ZERO_STOPWATCH, kSeparator, ID_RECORD_START,
                                ID_RECORD_END, ID_REPLAY, ID_EXPORT_VCD};
constexpr int kHelpMenu[] = {ID_HELP, ID_APP_ABOUT};

constexpr MenuInfo kMenus[] = {
    {"&File", kFileMenu}, {"&Edit", kEditMenu}, {"&View", kViewMenu},
    {"&Options", kOptionsMenu}, {"&Help", kHelpMenu},
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
