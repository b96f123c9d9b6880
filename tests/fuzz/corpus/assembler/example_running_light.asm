; running_light.asm - one LED runs along port B
;
; Run it (F5). Nothing to click.
; Watch the LEDs RB0-RB7: one light moves from RB0 up to RB7 and starts
; again at RB0.
; DELAY_COUNT sets how long the light stays on each LED: about 2 steps
; per unit.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

DELAY_COUNT equ 10

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
        movlw   b'00000001'     ; the light starts at RB0
        movwf   PORTB
move    call    delay
        bcf     STATUS,C        ; nothing comes in from below
        rlf     PORTB,F         ; one LED up
        btfsc   STATUS,C        ; did the light fall off RB7?
        bsf     PORTB,0         ; then back in at RB0
        goto    move

delay   movlw   DELAY_COUNT
        movwf   delay_left
delay_loop
        decfsz  delay_left,F
        goto    delay_loop
        return

        end
