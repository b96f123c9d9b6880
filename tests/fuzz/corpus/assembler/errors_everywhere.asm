        org 5
        movlw 300
        bsf 0x20, 8
        goto 2000
        movf 0x200, w
        frobnicate 1
        goto nowhere
dup:    nop
dup:    nop
        movlw
        movlw 1, 2
        movlw 0xZZ
        #include "missing.inc"
        org 1023
        nop
        nop
