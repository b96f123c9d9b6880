; table.asm - digits from a RETLW table on a seven-segment display
;
; Run it (F5). Nothing to click.
; Watch the LEDs RB0-RB6 as the segments a-g of a display (RB0 = a, RB6 = g):
; they show 0, 1, 2 ... 9 and start again. The subroutine "segments" returns
; the pattern of the digit in W with RETLW; W shows it after each return.
; The table is a chain of tests, not a jump through PCL: the simulator does
; not jump when PCL is written. It runs the same on a real chip.
; DELAY_COUNT sets how long each digit stays: about 2 steps per unit.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF

DELAY_COUNT equ 10

        cblock  0x0C
        digit
        left                    ; the table's own counter
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
        clrf    digit
show    movf    digit,W
        call    segments        ; W: digit in, pattern out
        movwf   PORTB
        call    delay
        incf    digit,F
        movlw   10
        subwf   digit,W         ; Z when digit reached 10
        btfsc   STATUS,Z
        clrf    digit
        goto    show

; Returns in W the segment pattern of the digit in W (0-9).
segments
        movwf   left
        incf    left,F          ; count down from digit+1 to the entry
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'00111111'     ; 0
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'00000110'     ; 1
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'01011011'     ; 2
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'01001111'     ; 3
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'01100110'     ; 4
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'01101101'     ; 5
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'01111101'     ; 6
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'00000111'     ; 7
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'01111111'     ; 8
        decf    left,F
        btfsc   STATUS,Z
        retlw   b'01101111'     ; 9
        retlw   0               ; not a digit: all segments off

delay   movlw   DELAY_COUNT
        movwf   delay_left
delay_loop
        decfsz  delay_left,F
        goto    delay_loop
        return

        end
