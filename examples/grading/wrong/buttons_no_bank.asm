; buttons_no_bank.asm - a deliberately wrong buttons.asm: it forgets to
; switch to bank 1, so port B stays all inputs and grading/buttons.yaml
; fails on it.
;
; Run it (F5), then click the switches RA0-RA4 on the right of the panel.
; Watch the LEDs RB0-RB4: each one follows the port A switch of the same
; number. RB5-RB7 stay off.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

        org     0
        goto    start           ; a real chip starts here
        org     4
        retfie                  ; no interrupts in this program

start                           ; word 5: the simulator starts here
        ; wrong: no "bsf STATUS,RP0", so CLRF below clears PORTB, not TRISB
        clrf    TRISB           ; port B: outputs (port A is all inputs after reset)
        bcf     STATUS,RP0      ; bank 0
        clrf    PORTB
copy    movf    PORTA,W         ; read the switches
        andlw   b'00011111'     ; port A has five pins
        movwf   PORTB           ; show them
        goto    copy

        end
