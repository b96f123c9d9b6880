; serial_echo.asm - every byte received on a bit-banged serial line sent back
;
; The board (serial_echo.board.yaml): a terminal at 9600 baud, 8N1, that
; sends on RB2 and receives on RB1. At 4 MHz a bit lasts 104 instruction
; cycles. The program waits for a start bit, samples the eight data bits in
; their middles (least significant first), and after the stop bit sends the
; byte back the same way. It does one thing at a time: bytes that come while
; it is sending are missed, so the terminal's user types one key at a time.

        list    p=16c84, r=dec
        #include <p16c84.inc>

        cblock  0x0C
        d1, bits, byte
        endc

        org     0
        goto    start
        org     4
        retfie

start   bsf     STATUS,RP0
        movlw   0xFD            ; RB1 sends, RB2 (and the rest) read
        movwf   TRISB
        bcf     STATUS,RP0
        bsf     PORTB,1         ; the idle line is high

wait    btfsc   PORTB,2         ; a start bit pulls the line low
        goto    wait
        movlw   8
        movwf   bits
        clrf    byte
        movlw   49              ; to the middle of bit 0: one and a half bits
        call    delay
rxbit   bcf     STATUS,C        ; with the delay, 105 cycles a bit
        btfsc   PORTB,2
        bsf     STATUS,C
        rrf     byte,F
        movlw   31
        call    delay
        decfsz  bits,F
        goto    rxbit
        movlw   31              ; past the stop bit
        call    delay

        bcf     PORTB,1         ; the start bit
        movlw   31
        call    delay
        movlw   8
        movwf   bits
txbit   rrf     byte,F          ; the next bit into C
        btfsc   STATUS,C
        bsf     PORTB,1
        btfss   STATUS,C
        bcf     PORTB,1
        movlw   30
        call    delay
        decfsz  bits,F
        goto    txbit
        bsf     PORTB,1         ; the stop bit
        movlw   31
        call    delay
        goto    wait

; 3 * W + 4 cycles, the call included (W at least 1).
delay   movwf   d1
dl      decfsz  d1,F
        goto    dl
        return

        end
