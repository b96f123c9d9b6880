; eeprom_counter.asm - counts its own starts in the data EEPROM, which keeps
; the count through resets and power cuts: every start (power-on or the
; MCLR reset button) adds one to byte 0 and shows the count on port B.
;
; Run it with the data-sheet chip (Options > Cip po katalogu, or lumo-run
; --chip datasheet), open View > EEPROM and press MCLR reset (Ctrl+M): the
; count in byte 0 grows by one each time. The classic profile has no EEPROM.

        list    p=16c84, r=dec
        #include <p16c84.inc>
        __config _XT_OSC & _WDT_OFF

        org     0
        goto    start
        org     4
        retfie

start   bsf     STATUS,RP0
        clrf    TRISB           ; port B shows the count
        bcf     STATUS,RP0
        clrf    EEADR           ; the count lives in byte 0
        bsf     STATUS,RP0
        bsf     EECON1,RD       ; EEDATA = byte 0
        bcf     STATUS,RP0
        incf    EEDATA,F
        movf    EEDATA,W
        movwf   PORTB
        bsf     STATUS,RP0
        bsf     EECON1,WREN
        movlw   0x55            ; the sequence that unlocks a write,
        movwf   EECON2          ; written right before WR
        movlw   0xAA
        movwf   EECON2
        bsf     EECON1,WR       ; the write takes about 10 ms
wait    bsf     STATUS,RP0      ; (bank 1 all along: says so at the label)
        btfsc   EECON1,WR       ; the chip clears WR when it is done
        goto    wait
        bcf     EECON1,WREN     ; no stray write from here on
        bcf     EECON1,EEIF
        bcf     STATUS,RP0
done    goto    done

        org     0x2100          ; the EEPROM's first contents
        de      0

        end
