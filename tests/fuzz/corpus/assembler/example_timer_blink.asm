; timer_blink.asm - a Timer 0 interrupt blinks the LED on RB0
;
; Run it (F5). Nothing to click.
; Watch the LED RB0: it changes at every Timer 0 interrupt. In the
; registers, TMR0 counts up with every instruction cycle; when it passes
; 255 the T0IF bit of INTCON is set and the program jumps to word 4.
; The main program does nothing but wait: all the work is in the interrupt.
; TICKS sets the time between two changes, in instruction cycles (the
; waiting GOTO takes 2 cycles per step).

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

TICKS   equ     60

        cblock  0x0C
        w_save                  ; W and STATUS while the interrupt runs
        status_save
        endc

        org     0
        goto    start           ; a real chip starts here
        org     4
        goto    timer_interrupt ; the interrupt vector

start                           ; word 5: the simulator starts here
        bsf     STATUS,RP0      ; bank 1
        clrf    TRISB           ; every pin of port B is an output
        movlw   b'11011000'     ; OPTION: Timer 0 counts instruction cycles (T0CS=0),
        movwf   OPTION_REG      ; without prescaler (PSA=1, PS=000)
        bcf     STATUS,RP0      ; bank 0
        clrf    PORTB
        movlw   256-TICKS
        movwf   TMR0
        movlw   (1<<GIE)|(1<<T0IE)  ; Timer 0 interrupt on
        movwf   INTCON
wait    goto    wait

timer_interrupt
        movwf   w_save          ; keep W and STATUS for the main program
        swapf   STATUS,W
        movwf   status_save
        bcf     INTCON,T0IF     ; seen
        movlw   256-TICKS       ; the next interrupt TICKS cycles from now
        movwf   TMR0
        movlw   b'00000001'
        xorwf   PORTB,F         ; RB0 on or off
        swapf   status_save,W   ; W and STATUS back as they were
        movwf   STATUS
        swapf   w_save,F
        swapf   w_save,W
        retfie

        end
