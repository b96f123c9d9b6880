; seg_table.asm - the digits 0-9 on a seven-segment display on port B,
; from a RETLW table read by a computed jump (ADDWF PCL).
;
; Run it with the data-sheet chip (Options, or lumo-run --chip datasheet):
; a write to PCL jumps there, as on the real chip. The classic profile does
; not jump, and the table gives wrong segments.
; Segments a-g on RB0-RB6, lit by a 1 (common cathode).

        list    p=16c84, r=dec
        #include <p16c84.inc>

        cblock  0x0C
        digit
        endc

        org     0
        goto    start
        org     4
        retfie

start   bsf     STATUS,RP0
        clrf    TRISB           ; port B drives the segments
        bcf     STATUS,RP0
        clrf    digit
show    movf    digit,W
        call    segments
        movwf   PORTB
        incf    digit,F
        movlw   10
        subwf   digit,W
        btfsc   STATUS,Z
        clrf    digit           ; after 9 comes 0
        goto    show

; W = 0-9 in, the digit's segments out. The table stays in the first 256
; words, so PCLATH = 0 (its value after reset) is right for it.
segments
        addwf   PCL,F
        retlw   0x3F            ; 0
        retlw   0x06            ; 1
        retlw   0x5B            ; 2
        retlw   0x4F            ; 3
        retlw   0x66            ; 4
        retlw   0x6D            ; 5
        retlw   0x7D            ; 6
        retlw   0x07            ; 7
        retlw   0x7F            ; 8
        retlw   0x6F            ; 9

        end
