        org 5
        addwf 0x20,w
        andwf 0x20,f
        clrf 0x21
        clrw
        comf 0x22,1
        decf 0x22,0
        decfsz 0x23,f
        incf 0x24
        incfsz 0x24,w
        iorwf 0x25,f
        movf 0x25,w
        movwf 0x26
        nop
        rlf 0x26,f
        rrf 0x26,f
        subwf 0x27,w
        swapf 0x27,f
        xorwf 0x28,f
        bcf 0x28,7
        bsf 0x28,0
        btfsc 0x28,3
        btfss 0x28,4
        addlw 0xFF
        andlw 0x0F
        call sub
        clrwdt
        goto $+1
        iorlw 0x80
        movlw -1
        option
        tris 6
        sublw 10
        xorlw b'10101010'
        sleep
sub:    retlw 'A'
        retfie
        return
