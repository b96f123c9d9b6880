; counter_down.asm - a deliberately wrong counter.asm: it counts down
; (DECF where INCF belongs), so grading/counter.yaml fails on it.
;
; Run it (F5, or Ctrl+F5 to step). Nothing to click.
; Watch the LEDs RB0-RB7: they count up in binary, one count after each
; pass of a short delay loop. RB0 changes with every count, RB1 with every
; second one, and so on.
; DELAY_COUNT sets the length of the delay: about 2 steps per unit.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

DELAY_COUNT equ 20              ; short, so a few hundred steps show several counts

        cblock  0x0C
        delay_left
        endc

        org     0
        goto    start           ; a real chip starts here
        org     4
        retfie                  ; no interrupts in this program

start                           ; word 5: the simulator starts here
        bsf     STATUS,RP0      ; bank 1
        clrf    TRISB           ; every pin of port B is an output
        bcf     STATUS,RP0      ; bank 0
        clrf    PORTB
count   call    delay
        decf    PORTB,F         ; wrong: counts down
        goto    count

delay   movlw   DELAY_COUNT
        movwf   delay_left
delay_loop
        decfsz  delay_left,F
        goto    delay_loop
        return

        end
