; keypad_lcd.asm - the key pressed on a 4x4 keypad, written on the LCD
;
; The board (keypad_lcd.board.yaml): the LCD as in lcd_greeting.asm (D4-D7 on
; RB4-RB7, RS on RA2, E on RA3) and the keypad's rows on the same RB4-RB7,
; its columns on RB0-RB3. The LCD takes the bus only on a falling edge of E,
; so the scan may use the lines in between. A scan pulls one row low at a
; time and reads the columns; the board's resistors hold a column high until
; a key joins it to the low row. The key's character is kept in RAM (the
; classic chip does not jump when PCL is written, so no RETLW table), written
; after "Taster: ", and the program waits for the key to be let go.

        list    p=16c84, r=dec
        #include <p16c84.inc>

        cblock  0x0C
        d1, d2, byte, row, rowbits, cols, key
        keys:16
        endc

        org     0
        goto    start
        org     4
        retfie

start   bsf     STATUS,RP0
        clrf    TRISA
        movlw   0x0F            ; RB0-RB3 read the columns, RB4-RB7 drive
        movwf   TRISB
        bcf     STATUS,RP0
        clrf    PORTA
        clrf    PORTB
        movlw   keys            ; the layout, row by row
        movwf   FSR
        movlw   '1'
        movwf   INDF
        incf    FSR,F
        movlw   '2'
        movwf   INDF
        incf    FSR,F
        movlw   '3'
        movwf   INDF
        incf    FSR,F
        movlw   'A'
        movwf   INDF
        incf    FSR,F
        movlw   '4'
        movwf   INDF
        incf    FSR,F
        movlw   '5'
        movwf   INDF
        incf    FSR,F
        movlw   '6'
        movwf   INDF
        incf    FSR,F
        movlw   'B'
        movwf   INDF
        incf    FSR,F
        movlw   '7'
        movwf   INDF
        incf    FSR,F
        movlw   '8'
        movwf   INDF
        incf    FSR,F
        movlw   '9'
        movwf   INDF
        incf    FSR,F
        movlw   'C'
        movwf   INDF
        incf    FSR,F
        movlw   '*'
        movwf   INDF
        incf    FSR,F
        movlw   '0'
        movwf   INDF
        incf    FSR,F
        movlw   '#'
        movwf   INDF
        incf    FSR,F
        movlw   'D'
        movwf   INDF
        incf    FSR,F
        call    delay5ms
        call    delay5ms
        call    delay5ms
        movlw   0x30
        call    nibble
        call    delay5ms
        movlw   0x30
        call    nibble
        call    delay5ms
        movlw   0x30
        call    nibble
        call    delay5ms
        movlw   0x20
        call    nibble
        call    delay5ms
        movlw   0x28
        call    command
        movlw   0x0C
        call    command
        movlw   0x01
        call    command
        movlw   0x06
        call    command
        movlw   'T'
        call    lcddata
        movlw   'a'
        call    lcddata
        movlw   's'
        call    lcddata
        movlw   't'
        call    lcddata
        movlw   'e'
        call    lcddata
        movlw   'r'
        call    lcddata
        movlw   ':'
        call    lcddata
        movlw   ' '
        call    lcddata

main    call    scan            ; W: the key's character, 0 for none
        iorlw   0
        btfsc   STATUS,Z
        goto    main
        movwf   key
        movlw   0x88            ; after "Taster: "
        call    command
        movf    key,W
        call    lcddata
held    call    scan            ; until the key is let go
        iorlw   0
        btfss   STATUS,Z
        goto    held
        goto    main

; One row low at a time (RB4 first); a column read low is a pressed key.
scan    clrf    row             ; the first key of the row: row * 4
        movlw   0xEF
        movwf   rowbits
srow    movf    rowbits,W
        movwf   PORTB
        nop
        movf    PORTB,W
        andlw   0x0F
        xorlw   0x0F            ; now a 1 for every column pulled low
        btfss   STATUS,Z
        goto    found
        movlw   4
        addwf   row,F
        bsf     STATUS,C
        rlf     rowbits,F       ; the next row low, the others high
        movf    row,W
        xorlw   16
        btfss   STATUS,Z
        goto    srow
        retlw   0
found   movwf   cols
fcol    rrf     cols,F          ; the lowest column pulled low
        btfsc   STATUS,C
        goto    lookup
        incf    row,F
        goto    fcol
lookup  movf    row,W
        addlw   keys
        movwf   FSR
        movf    INDF,W
        return

; W's high nibble onto D4-D7, latched by a pulse on E.
nibble  movwf   PORTB
        bsf     PORTA,3
        bcf     PORTA,3
        return

; W as an instruction (RS low) or as data (RS high): high nibble first, then
; a wait longer than the slowest instruction (1.52 ms).
command bcf     PORTA,2
        goto    send
lcddata bsf     PORTA,2
send    movwf   byte
        call    nibble
        swapf   byte,W
        call    nibble
        goto    delay5ms

; About 5 ms at 4 MHz: 7 x 250 x 3 cycles.
delay5ms
        movlw   7
        movwf   d2
dl2     movlw   250
        movwf   d1
dl1     decfsz  d1,F
        goto    dl1
        decfsz  d2,F
        goto    dl2
        return

        end
