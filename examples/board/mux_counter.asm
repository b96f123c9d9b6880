; mux_counter.asm - a two-digit counter on multiplexed seven-segment displays
;
; The board (mux_counter.board.yaml): segments a-g on RB0-RB6 of both digits,
; the common cathodes on RA0 (tens) and RA1 (units), each digit lit while its
; common is low. The program shows one digit at a time for about 2 ms, so a
; frame of both takes about 4.5 ms and the eye (the part) sees both steady;
; every 25 frames the count goes up, from 00 to 99 and round again. The
; digits' patterns are kept in RAM (the classic chip does not jump when PCL
; is written).

        list    p=16c84, r=dec
        #include <p16c84.inc>

        cblock  0x0C
        d1, d2, tens, units, frames
        pat:10
        endc

        org     0
        goto    start
        org     4
        retfie

start   bsf     STATUS,RP0
        clrf    TRISA
        clrf    TRISB
        bcf     STATUS,RP0
        movlw   0x03            ; both commons high: dark
        movwf   PORTA
        clrf    PORTB
        movlw   pat             ; the patterns of 0-9, segment a in bit 0
        movwf   FSR
        movlw   0x3F            ; 0
        movwf   INDF
        incf    FSR,F
        movlw   0x06            ; 1
        movwf   INDF
        incf    FSR,F
        movlw   0x5B            ; 2
        movwf   INDF
        incf    FSR,F
        movlw   0x4F            ; 3
        movwf   INDF
        incf    FSR,F
        movlw   0x66            ; 4
        movwf   INDF
        incf    FSR,F
        movlw   0x6D            ; 5
        movwf   INDF
        incf    FSR,F
        movlw   0x7D            ; 6
        movwf   INDF
        incf    FSR,F
        movlw   0x07            ; 7
        movwf   INDF
        incf    FSR,F
        movlw   0x7F            ; 8
        movwf   INDF
        incf    FSR,F
        movlw   0x6F            ; 9
        movwf   INDF
        incf    FSR,F
        clrf    tens
        clrf    units

count   movlw   25
        movwf   frames
frame   movf    tens,W          ; the tens on the left digit
        call    pattern
        movwf   PORTB
        movlw   0x02            ; RA0 low: the left digit
        movwf   PORTA
        call    delay2ms
        movlw   0x03
        movwf   PORTA
        movf    units,W         ; the units on the right digit
        call    pattern
        movwf   PORTB
        movlw   0x01            ; RA1 low: the right digit
        movwf   PORTA
        call    delay2ms
        movlw   0x03
        movwf   PORTA
        decfsz  frames,F
        goto    frame
        incf    units,F         ; the next count
        movf    units,W
        xorlw   10
        btfss   STATUS,Z
        goto    count
        clrf    units
        incf    tens,F
        movf    tens,W
        xorlw   10
        btfsc   STATUS,Z
        clrf    tens
        goto    count

; The segments of the digit in W.
pattern addlw   pat
        movwf   FSR
        movf    INDF,W
        return

; About 2.2 ms at 4 MHz: 3 x 250 x 3 cycles.
delay2ms
        movlw   3
        movwf   d2
dl2     movlw   250
        movwf   d1
dl1     decfsz  d1,F
        goto    dl1
        decfsz  d2,F
        goto    dl2
        return

        end
