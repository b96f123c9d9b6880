; lcd_greeting.asm - a greeting on a 16x2 LCD driven over a 4-bit bus
;
; The board (lcd_greeting.board.yaml): D4-D7 on RB4-RB7, RS on RA2, E on RA3,
; R/W tied to write. After the power-on wait the program puts the LCD into
; 4-bit mode with the data sheet's three 0x3 nibbles and a 0x2, and then
; writes one line each: "Zdravo!" and "PIC16C84".

        list    p=16c84, r=dec
        #include <p16c84.inc>

        cblock  0x0C
        d1, d2, byte
        endc

        org     0
        goto    start
        org     4
        retfie

start   bsf     STATUS,RP0
        clrf    TRISA           ; RS and E are outputs
        clrf    TRISB           ; so is the data bus
        bcf     STATUS,RP0
        clrf    PORTA
        clrf    PORTB
        call    delay5ms        ; more than the LCD's 10 ms power-on
        call    delay5ms
        call    delay5ms
        movlw   0x30            ; 8-bit mode, three times, as a reset
        call    nibble
        call    delay5ms
        movlw   0x30
        call    nibble
        call    delay5ms
        movlw   0x30
        call    nibble
        call    delay5ms
        movlw   0x20            ; now 4-bit mode
        call    nibble
        call    delay5ms
        movlw   0x28            ; 4 bits, two lines
        call    command
        movlw   0x0C            ; display on, no cursor
        call    command
        movlw   0x01            ; clear
        call    command
        movlw   0x06            ; the address goes up, no shift
        call    command
        movlw   'Z'
        call    lcddata
        movlw   'd'
        call    lcddata
        movlw   'r'
        call    lcddata
        movlw   'a'
        call    lcddata
        movlw   'v'
        call    lcddata
        movlw   'o'
        call    lcddata
        movlw   '!'
        call    lcddata
        movlw   0xC0            ; line 2
        call    command
        movlw   'P'
        call    lcddata
        movlw   'I'
        call    lcddata
        movlw   'C'
        call    lcddata
        movlw   '1'
        call    lcddata
        movlw   '6'
        call    lcddata
        movlw   'C'
        call    lcddata
        movlw   '8'
        call    lcddata
        movlw   '4'
        call    lcddata
done    goto    done

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
